#pragma once

#include <atomic>
#include <functional>

namespace tidecopy {

// What a long step of a run needs from its front end: the Cancel flag (owned by the front
// end, set from any thread) and a chance to let pending events run. Both are optional.
struct RunControl {
    const std::atomic<bool>* cancelRequested = nullptr;
    std::function<void()> events;

    bool cancelled() const {
        return cancelRequested != nullptr && cancelRequested->load(std::memory_order_relaxed);
    }
    void processEvents() const {
        if (events)
            events();
    }
};

} // namespace tidecopy
