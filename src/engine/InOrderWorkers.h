#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tidecopy {

// Runs work(i) for each i below count on up to workers threads, and hands each result to
// done(i, result) on the calling thread in the order of i, so that what the results say
// comes out in a fixed order however the work is shared. done answers false to stop: no
// further work is started and no further result handed over. With one worker everything
// runs on the calling thread.
template <typename Result, typename Work, typename Done>
void forEachInOrder(std::size_t count, unsigned workers, Work work, Done done) {
    if (workers <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            Result result = work(i);
            if (!done(i, result))
                return;
        }
        return;
    }
    std::vector<std::optional<Result>> results(count);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers && w < count; ++w)
        threads.emplace_back([&] {
            for (std::size_t i; !stopped && (i = next++) < count;) {
                Result result = work(i);
                const std::lock_guard lock(mutex);
                results[i] = std::move(result);
                ready.notify_all();
            }
        });
    for (std::size_t i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return results[i].has_value(); });
        Result result = std::move(*results[i]);
        results[i].reset();
        lock.unlock();
        if (!done(i, result)) {
            stopped = true;
            break;
        }
    }
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace tidecopy
