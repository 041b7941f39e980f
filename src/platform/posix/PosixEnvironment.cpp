#include "platform/Environment.h"
#include "platform/PathStyle.h"

#include <optional>

namespace tidecopy {

namespace {

const PathStyle style = PathStyle::posix();

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

Environment makeEnvironment(FileSystem& fs, const std::string& programFolder,
                            const std::string& configHome) {
    Environment environment;
    environment.programFolder = style.withoutTrailingSeparator(programFolder);
    environment.configHome = configHome;
    environment.windowsFolder = "/usr/";
    environment.systemFolder = "/usr/bin";
    const std::optional<std::string> installed =
        installedResourceFolder(fs, environment.programFolder);
    environment.resourceFolder = installed.value_or(environment.programFolder);
    // Root may write to /usr/bin; an installed copy still never keeps user files there.
    placeDataFolder(fs, environment, !installed && fs.isWritableFolder(environment.programFolder));
    return environment;
}

} // namespace tidecopy
