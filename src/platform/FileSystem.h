#pragma once

#include "platform/FileAttributes.h"
#include "platform/Result.h"

#include <cstdint>
#include <functional>
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

    // The identity of what path leads to, links followed.
    virtual Result<FileIdentity> identityOf(const std::string& path) = 0;
    // The absolute path of an existing entry with every link, "." and ".." resolved.
    virtual Result<std::string> canonicalPath(const std::string& path) = 0;

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

    // Copying files of any size. Asked between chunks with the bytes done so far; true
    // stops the copy with operation_canceled.
    using CancelCheck = std::function<bool(std::uint64_t bytesDone)>;

    // Creates newFile exclusively (file_exists when the name is taken) and copies the
    // bytes of the regular file source into it, holes kept where the platform can. On a
    // failure newFile may be left behind with part of the data: the caller removes it.
    virtual std::error_code copyFileData(const std::string& source, const std::string& newFile,
                                         const CancelCheck& cancelled) = 0;
    // The modification time of the entry itself (a link's own time), full precision.
    virtual std::error_code setModifiedTime(const std::string& path, std::int64_t modifiedNs) = 0;
    // Permission bits (07777) of a file or folder; links have none of their own.
    virtual std::error_code setPermissions(const std::string& path, std::uint32_t permissions) = 0;
    // The target text of a symbolic link, unchanged.
    virtual Result<std::string> readSymlink(const std::string& path) = 0;
    virtual std::error_code createSymlink(const std::string& targetText,
                                          const std::string& linkPath) = 0;
    // The smallest step of modification times the volume holding path keeps.
    virtual Result<std::int64_t> timestampResolutionNs(const std::string& path) = 0;
    // Writes the file's data through to the device and drops it from the cache, so that
    // the next read comes from the disk.
    virtual std::error_code flushAndDropCache(const std::string& path) = 0;
    // True when the two files hold the same bytes.
    virtual Result<bool> compareContents(const std::string& first, const std::string& second,
                                         const CancelCheck& cancelled) = 0;
    // Writes everything cached for the volume holding path through to its device, so a
    // finished run survives a power cut.
    virtual std::error_code flushVolume(const std::string& path) = 0;
};

} // namespace tidecopy
