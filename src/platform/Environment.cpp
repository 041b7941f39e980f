#include "platform/Environment.h"

#include "platform/PathStyle.h"

#include <cstdlib>
#include <optional>

namespace tidecopy {

namespace {

const PathStyle style = PathStyle::native();

// The layout that the install rules (cmake/Installation.cmake) lay out.
std::optional<std::string> installedResourceFolder(FileSystem& fs,
                                                   const std::string& programFolder) {
    if (style.fileNameOf(programFolder) != "bin")
        return std::nullopt;
    const std::string prefix = style.withoutTrailingSeparator(style.folderPartOf(programFolder));
    const std::string resources = style.join(style.join(prefix, "share"), "tidecopy");
    const Result<EntryInfo> info = fs.entryInfo(resources);
    if (!info || info->type != EntryType::Directory)
        return std::nullopt;
    return resources;
}

} // namespace

std::string Environment::settingsFilePath() const {
    return style.join(dataFolder, "Tidecopy.ini");
}

std::string Environment::profilesFolder() const {
    return style.join(dataFolder, "Profiles");
}

std::string Environment::logsFolder() const {
    return style.join(dataFolder, "Logs");
}

std::string userConfigHome() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        return style.join(home, ".config");
    return "/tmp";
}

Environment makeEnvironment(FileSystem& fs, const std::string& programFolder,
                            const std::string& configHome) {
    Environment environment;
    environment.programFolder = style.withoutTrailingSeparator(programFolder);
    environment.configHome = configHome;
#ifdef _WIN32
    environment.windowsFolder = "C:\\Windows\\";
    environment.systemFolder = "C:\\Windows\\System32";
#else
    environment.windowsFolder = "/usr/";
    environment.systemFolder = "/usr/bin";
#endif
    const std::optional<std::string> installed =
        installedResourceFolder(fs, environment.programFolder);
    environment.resourceFolder = installed.value_or(environment.programFolder);
    // Root may write to /usr/bin; an installed copy still never keeps user files there.
    if (!installed && fs.isWritableFolder(environment.programFolder)) {
        environment.dataFolder = environment.programFolder;
    } else {
        fs.createFolder(configHome);
        environment.dataFolder = style.join(configHome, "Tidecopy");
        fs.createFolder(environment.dataFolder);
    }
    // Existing folders answer file_exists, which is what we want.
    fs.createFolder(environment.profilesFolder());
    fs.createFolder(environment.logsFolder());
    return environment;
}

} // namespace tidecopy
