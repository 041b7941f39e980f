#pragma once

#include "platform/FileSystem.h"

#include <string>

namespace tidecopy {

// Where the program and its files live. Plain data so tests can point every folder
// into their own temporary folder.
struct Environment {
    std::string programFolder;  // the executable's folder
    std::string resourceFolder; // read-only resources: the sounds and Manual.pdf
    std::string dataFolder;     // Tidecopy.ini, Profiles/, Logs/, dversion.ver
    std::string configHome;     // the per-user settings store lives here
    std::string windowsFolder;  // protected system folder, with a trailing separator
    std::string systemFolder;   // protected system tools folder

    std::string settingsFilePath() const;
    std::string profilesFolder() const;
    std::string logsFolder() const;
    std::string versionFilePath() const; // the update check's copy of the version file
};

// The program's file name, as the settings store names it.
#ifdef _WIN32
inline constexpr const char* programFileName = "Tidecopy.exe";
#else
inline constexpr const char* programFileName = "tidecopy";
#endif

// Builds the environment of a program whose executable lies in programFolder, with the
// user's config folder configHome; each backend knows its system's layout. On POSIX an
// installed copy (programs in PREFIX/bin, resources in PREFIX/share/tidecopy) keeps the
// per-user files under configHome/Tidecopy. Any other folder is a portable installation
// holding everything itself, unless the user cannot write to it: then the per-user files
// go to configHome/Tidecopy too. Profiles/ and Logs/ are created on first use.
Environment makeEnvironment(FileSystem& fs, const std::string& programFolder,
                            const std::string& configHome);

// The data folder of an environment whose programFolder and configHome are set: the
// program folder itself, or else configHome/Tidecopy, created with its Profiles/ and Logs/.
void placeDataFolder(FileSystem& fs, Environment& environment, bool besideTheProgram);

} // namespace tidecopy
