#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <vector>

namespace tidecopy {

// Runs work for each i below count on up to workers threads, and hands each result to
// done(i, result) on the calling thread in the order of i, so that what the results say
// comes out in a fixed order however the work is shared. work is called as work(i) or, to
// keep state per thread, work(i, worker) with worker from 1 to workers (0 on the calling
// thread, where everything runs with one worker). No work starts more than ahead items
// past the last one handed over, so results wait in bounded memory and a slow done holds
// the workers back. done answers false to stop: no further work is started and no further
// result handed over.
template <typename Result, typename Work, typename Done>
void forEachInOrder(std::size_t count, unsigned workers, Work work, Done done,
                    std::size_t ahead = 64) {
    const auto call = [&work](std::size_t i, unsigned worker) {
        if constexpr (std::is_invocable_v<Work&, std::size_t, unsigned>)
            return work(i, worker);
        else
            return work(i);
    };
    ahead = std::max<std::size_t>(ahead, 1);
    if (workers <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            Result result = call(i, 0);
            if (!done(i, result))
                return;
        }
        return;
    }
    // No more than ahead results wait at once, so a ring of that many slots holds them.
    std::vector<std::optional<Result>> results(std::min(count, ahead));
    const auto slot = [&results](std::size_t i) -> std::optional<Result>& {
        return results[i % results.size()];
    };
    std::mutex mutex;
    std::condition_variable ready;
    std::condition_variable room;
    std::size_t next = 0;
    std::size_t handedOver = 0;
    bool stopped = false;
    std::vector<std::thread> threads;
    for (unsigned w = 1; w <= workers && w <= count; ++w)
        threads.emplace_back([&, w] {
            std::unique_lock lock(mutex);
            for (;;) {
                room.wait(lock,
                          [&] { return stopped || next >= count || next < handedOver + ahead; });
                if (stopped || next >= count)
                    return;
                const std::size_t i = next++;
                lock.unlock();
                Result result = call(i, w);
                lock.lock();
                slot(i) = std::move(result);
                ready.notify_all();
            }
        });
    for (std::size_t i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return slot(i).has_value(); });
        Result result = std::move(*slot(i));
        slot(i).reset();
        handedOver = i + 1;
        lock.unlock();
        room.notify_all();
        if (!done(i, result)) {
            lock.lock();
            stopped = true;
            lock.unlock();
            room.notify_all();
            break;
        }
    }
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace tidecopy
