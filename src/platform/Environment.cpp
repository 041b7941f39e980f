#include "platform/Environment.h"

#include "platform/PathStyle.h"

namespace tidecopy {

void placeDataFolder(FileSystem& fs, Environment& environment, bool besideTheProgram) {
    if (besideTheProgram) {
        environment.dataFolder = environment.programFolder;
    } else {
        fs.createFolder(environment.configHome);
        environment.dataFolder = PathStyle::native().join(environment.configHome, "Tidecopy");
        fs.createFolder(environment.dataFolder);
    }
    // Existing folders answer file_exists, which is what we want.
    fs.createFolder(environment.profilesFolder());
    fs.createFolder(environment.logsFolder());
}

std::string Environment::settingsFilePath() const {
    return PathStyle::native().join(dataFolder, "Tidecopy.ini");
}

std::string Environment::profilesFolder() const {
    return PathStyle::native().join(dataFolder, "Profiles");
}

std::string Environment::logsFolder() const {
    return PathStyle::native().join(dataFolder, "Logs");
}

std::string Environment::versionFilePath() const {
    return PathStyle::native().join(dataFolder, "dversion.ver");
}

} // namespace tidecopy
