#pragma once

#include "platform/Shell.h"

namespace tidecopy {

// The desktop as freedesktop.org describes it: documents go to their default handler
// (xdg-open), properties and folders to the file manager's org.freedesktop.FileManager1
// D-Bus service (dbus-send), and a folder search to the first installed of catfish, kfind
// and gnome-search-tool. Programs are started directly, never through a shell's command
// line.
class PosixShell : public Shell {
public:
    std::error_code openDocument(const std::string& path) override;
    std::error_code startProgram(const std::string& path) override;
    std::error_code showProperties(const std::string& path) override;
    std::error_code showFolder(const std::string& folder) override;
    std::error_code searchFolder(const std::string& folder) override;
};

// The file: URI of an absolute path, every byte but letters, digits, "-._~" and "/"
// percent-encoded (a comma too, which would split a D-Bus array for dbus-send).
std::string fileUri(const std::string& path);

} // namespace tidecopy
