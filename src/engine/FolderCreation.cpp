#include "engine/FolderCreation.h"

#include "engine/FolderWalk.h"
#include "platform/Existence.h"
#include "platform/FileAttributes.h"

namespace tidecopy {

std::string GetPart(std::string& startStrg, char delimiter) {
    const std::size_t at = startStrg.find(delimiter);
    const std::size_t length = at == std::string::npos ? startStrg.size() : at + 1;
    std::string part = startStrg.substr(0, length);
    startStrg.erase(0, length);
    return part;
}

std::string ExtractPath(const PathStyle& style, std::string_view strPathFile) {
    return std::string(style.folderPartOf(strPathFile));
}

std::error_code CreateFolderPath(FileSystem& fs, const PathStyle& style, std::string_view path) {
    // The root ("C:\", "\\server\share\", "/") is held back and put in front of the first
    // level; a ":" elsewhere in a POSIX name is an ordinary character.
    std::string rest = style.withTrailingSeparator(path);
    std::string built = style.rootOf(rest);
    rest.erase(0, built.size());
    std::error_code firstError;
    while (!rest.empty()) {
        const std::string level = GetPart(rest, style.separator());
        if (level.size() == 1)
            continue; // a doubled separator
        built += level;
        const std::error_code error = fs.createFolder(style.withoutTrailingSeparator(built));
        if (error && error != std::errc::file_exists && !firstError)
            firstError = error;
    }
    return firstError;
}

void MakeAllFolders(FileSystem& fs, const PathStyle& style, FolderWalk& walk,
                    const std::string& strSourcePath, const DestinationPathFunction& destinationOf,
                    const FolderMaker& makeFolder) {
    const auto prepare = [&](const std::string& folder) {
        if (!folder.empty() && !FileOrDirExists(fs, style, folder))
            makeFolder(folder);
    };

    FileList subFolders;
    walk.ListAllSubFolders(strSourcePath, AttributeMask::Folders, subFolders);
    for (const std::string& sub : subFolders.Items)
        prepare(destinationOf(sub));
    if (subFolders.Items.empty()) {
        // The folder that receives the source folder's own files.
        constexpr std::string_view anyFileName = "x";
        const std::string anyFile =
            style.withTrailingSeparator(strSourcePath) + std::string(anyFileName);
        prepare(ExtractPath(style, destinationOf(anyFile)));
    }
}

} // namespace tidecopy
