#include "platform/Environment.h"

#include "platform/PathStyle.h"

namespace tidecopy {

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
