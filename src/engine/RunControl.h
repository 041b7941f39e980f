#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace tidecopy {

// What a long step of a run needs from its front end: the Cancel flag (owned by the front
// end, set from any thread), a chance to let pending events run and word of how far the
// copy of a large file has got. All are optional.
struct RunControl {
    const std::atomic<bool>* cancelRequested = nullptr;
    std::function<void()> events;
    // Between the chunks of a file being copied: how many of its bytes are done.
    std::function<void(std::uint64_t bytesDone, std::uint64_t fileBytes)> copied = {};

    bool cancelled() const {
        return cancelRequested != nullptr && cancelRequested->load(std::memory_order_relaxed);
    }
    void processEvents() const {
        if (events)
            events();
    }
};

} // namespace tidecopy
