#pragma once

#include <functional>
#include <string>

namespace tidecopy {

// Plays the program's sound files, on the window's thread. The window's is Qt
// Multimedia; tests use a fake. Without a sound device it stays silent, never failing.
class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing; finished (when given) runs on the window's thread once the sound
    // has ended or could not be played.
    virtual void play(const std::string& path, std::function<void()> finished) = 0;
};

} // namespace tidecopy
