#pragma once

#include <functional>
#include <string>

namespace tidecopy {

// Plays the program's sound files, on the window's thread. The window's is Qt
// Multimedia; the command line has none; tests use a fake. Without a sound device it
// stays silent, never failing.
class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing; finished (when given) runs on the window's thread once the sound
    // has ended or could not be played.
    virtual void play(const std::string& path, std::function<void()> finished) = 0;
};

// A program without sound: every sound ends at once.
class NoSound final : public Sound {
public:
    void play(const std::string&, std::function<void()> finished) override {
        if (finished)
            finished();
    }
};

} // namespace tidecopy
