#pragma once

#include "platform/Sound.h"

#include <string>
#include <vector>

namespace tidecopy::test {

// Records the sounds it is asked to play and ends each at once; plays nothing.
class FakeSound : public Sound {
public:
    void play(const std::string& path, std::function<void()> finished) override {
        played.push_back(path);
        if (finished)
            finished();
    }
    std::vector<std::string> played;
};

} // namespace tidecopy::test
