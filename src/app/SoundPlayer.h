#pragma once

#include "engine/RunHost.h"

#include <string>

namespace tidecopy {

class Sound;
struct Environment;
struct RunFlags;

// Plays the program's sound files (PlaySoundFile) from the resource folder, on the
// window's thread; nothing while PreviewMode is set. Played to its end, a sound keeps
// the window's events running meanwhile.
class SoundPlayer {
public:
    SoundPlayer(Sound& sound, const Environment& environment, const RunFlags& flags)
        : m_sound(sound)
        , m_environment(environment)
        , m_flags(flags) {}

    void play(const std::string& fileName, SoundWait wait);

private:
    Sound& m_sound;
    const Environment& m_environment;
    const RunFlags& m_flags;
};

} // namespace tidecopy
