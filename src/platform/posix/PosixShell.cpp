#include "platform/posix/PosixShell.h"

#include "platform/posix/PosixSpawn.h"

#include <array>

namespace tidecopy {

namespace {

// The file manager answers within this time or is taken to be absent; the window waits
// for the answer, so it is short.
constexpr const char* replyTimeout = "--reply-timeout=5000";

std::error_code callFileManager(const std::string& method, const std::string& path) {
    return runToCompletion(
        {"dbus-send", "--session", "--print-reply", replyTimeout, "--type=method_call",
         "--dest=org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
         "org.freedesktop.FileManager1." + method, "array:string:" + fileUri(path), "string:"});
}

struct SearchProgram {
    const char* name;
    const char* folderOption; // empty: the folder is the only argument
};

// In order of preference: the lightest first.
constexpr std::array<SearchProgram, 3> searchPrograms{
    {{"catfish", "--path="}, {"kfind", ""}, {"gnome-search-tool", "--path="}}};

} // namespace

std::string fileUri(const std::string& path) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool kept = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                          (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                          c == '~' || c == '/';
        if (kept) {
            uri += c;
        } else {
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 0x0F];
        }
    }
    return uri;
}

std::error_code PosixShell::openDocument(const std::string& path) {
    return spawnDetached({"xdg-open", path});
}

std::error_code PosixShell::startProgram(const std::string& path) {
    return spawnDetached({path});
}

std::error_code PosixShell::showProperties(const std::string& path) {
    return callFileManager("ShowItemProperties", path);
}

std::error_code PosixShell::showFolder(const std::string& folder) {
    if (!callFileManager("ShowFolders", folder))
        return {};
    return openDocument(folder);
}

std::error_code PosixShell::searchFolder(const std::string& folder) {
    for (const SearchProgram& program : searchPrograms)
        if (isOnPath(program.name)) {
            const std::string option = program.folderOption;
            return spawnDetached({program.name, option + folder});
        }
    return std::make_error_code(std::errc::function_not_supported);
}

} // namespace tidecopy
