#pragma once

#include "platform/Clock.h"
#include "platform/DisplayFormats.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Power.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/UserFolders.h"
#include "platform/Volumes.h"

namespace tidecopy {

// Whether the standard streams are a terminal, which the command line asks before it
// prompts or draws its progress line.
struct TerminalStreams {
    bool inputIsTerminal = false;
    bool errorIsTerminal = false;
};

// The operating system as the program reaches it, one service each: built once by
// main() through makeSystemPlatform, from fakes and temporary folders by tests, and
// passed by reference to whatever needs the system. The services may be used from any
// thread, except sound, which plays on the window's.
struct Platform {
    FileSystem& fs;
    Volumes& volumes;
    const Clock& clock;
    Power& power;
    Shell& shell;
    Sound& sound;
    SettingsStore& settingsStore;
    const Environment& environment; // the program, resource and data folders
    UserFolderLookup userFolders;   // the user's special folders
    TerminalStreams terminal;
    DisplayFormats formats; // how the user's locale writes numbers, dates and times

    // The same services with a sound and a locale of the front end's own (the window's).
    Platform withFrontEnd(Sound& frontEndSound, DisplayFormats frontEndFormats) const {
        return {fs,
                volumes,
                clock,
                power,
                shell,
                frontEndSound,
                settingsStore,
                environment,
                userFolders,
                terminal,
                std::move(frontEndFormats)};
    }
};

} // namespace tidecopy
