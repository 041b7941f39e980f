#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tidecopy {

// Colour value standing for the system's window background colour.
inline constexpr std::int32_t systemWindowColor = static_cast<std::int32_t>(0x80000005u);

// The persistent options of the program. The member initialisers are the values in force
// when no settings file exists; nothing else states them.
struct OptionSet {
    std::int16_t PreserveNaming = 0; // 0 ".bak", 1 the file's own extension, 2 PreserveExtension
    std::string PreserveExtension = "bak";
    std::int16_t chkCloseProg = 0;
    std::int16_t chkNoSoundEffect = 0;
    std::int16_t chkLog = 0;
    std::int16_t chkIntegrity = 0;
    std::int16_t ShutdownMode = 0; // 0 none, 1 log off, 2 shut down, 3 restart
    std::int16_t chkConfirmationBackup = 1;
    std::int16_t chkExecute = 0;
    std::string AutoProfile;
    std::int16_t chkSizeFiles = 1;
    std::int16_t DateCondition = 0; // 0 no, 1 older and newer, 2 newer only, 3 older only
    std::int16_t chkeditLog = 0;
    std::int16_t chkOnlyonce = 0;
    std::int16_t chkLogDetails = 0;
    std::string LogLimit;
    std::int16_t chkFolderExist = 0;
    std::int16_t chkLogUser = 0;
    std::int16_t chkEmptyFolders = 0;
    std::array<std::int32_t, 2> PaneColors{systemWindowColor, systemWindowColor};
    // A real run keeps a checksum list of the backup in the destination folder.
    std::int16_t chkChecksumList = 0;

    bool operator==(const OptionSet&) const = default;

    // "Changed files" always tests at least the size.
    void keepChangedFilesTestingSize();
};

} // namespace tidecopy
