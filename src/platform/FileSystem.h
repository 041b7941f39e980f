#pragma once

#include "platform/FileAttributes.h"
#include "platform/Result.h"

#include <string>
#include <system_error>
#include <vector>

namespace tidecopy {

// Every file-system call of the core goes through this interface, so that a Windows
// backend can be added and tests can inject faults. Paths are native UTF-8 strings.
// No call follows a symbolic link at the end of a path unless it says so.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // All names of one folder except "." and "..", in the platform's order.
    virtual std::error_code listFolder(const std::string& folder,
                                       std::vector<FolderEntry>& entries) = 0;
    virtual Result<EntryInfo> entryInfo(const std::string& path) = 0;

    // Fails with file_exists when something of that name is there already.
    virtual std::error_code createFolder(const std::string& path) = 0;
    virtual std::error_code removeFile(const std::string& path) = 0;
    virtual std::error_code renameReplacing(const std::string& from, const std::string& to) = 0;
    // Fails with file_exists instead of replacing an existing target.
    virtual std::error_code renameNoReplace(const std::string& from, const std::string& to) = 0;
    virtual std::error_code hardLink(const std::string& existing, const std::string& newPath) = 0;

    // Small whole files: settings, profiles, logs.
    virtual Result<std::string> readWholeFile(const std::string& path) = 0;
    // Writes beside the target and renames over it: a failure leaves the old file as it was.
    virtual std::error_code writeWholeFileAtomically(const std::string& path,
                                                     const std::string& contents) = 0;
    // Creates a new file (failing when one exists) holding contents.
    virtual std::error_code createNewFile(const std::string& path, const std::string& contents) = 0;

    // True when the caller may create files in the folder.
    virtual bool isWritableFolder(const std::string& folder) = 0;
};

} // namespace tidecopy
