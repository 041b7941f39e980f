#pragma once

#include "platform/posix/PosixFileSystem.h"

#include <string>
#include <system_error>
#include <vector>

namespace tidecopy::test {

enum class FsOperation {
    ListFolder,
    EntryInfo,
    CreateFolder,
    RemoveFile,
    RenameReplacing,
    RenameNoReplace,
    HardLink,
    ReadWholeFile,
    WriteWholeFileAtomically,
    CreateNewFile,
    CopyFileData,
    SetModifiedTime,
    SetPermissions,
    ReadSymlink,
    CreateSymlink,
    TimestampResolution,
    FlushAndDropCache,
    CompareContents,
};

// The real file system, except for the faults a test plants: an operation on a path
// containing a given text fails with a given error. Tests run as root, so permission
// bits cannot produce these failures.
class FaultyFileSystem : public PosixFileSystem {
public:
    void failOn(FsOperation operation, std::string pathContains, std::error_code error);
    void clearFaults() { m_faults.clear(); }
    int callCount(FsOperation operation) const;

    std::error_code listFolder(const std::string& folder,
                               std::vector<FolderEntry>& entries) override;
    Result<EntryInfo> entryInfo(const std::string& path) override;
    std::error_code createFolder(const std::string& path) override;
    std::error_code removeFile(const std::string& path) override;
    std::error_code renameReplacing(const std::string& from, const std::string& to) override;
    std::error_code renameNoReplace(const std::string& from, const std::string& to) override;
    std::error_code hardLink(const std::string& existing, const std::string& newPath) override;
    Result<std::string> readWholeFile(const std::string& path) override;
    std::error_code writeWholeFileAtomically(const std::string& path,
                                             const std::string& contents) override;
    std::error_code createNewFile(const std::string& path, const std::string& contents) override;
    // A planted fault strikes after the data is written, as a disk that fills up at the
    // last chunk: the new file is left behind for the caller to remove.
    std::error_code copyFileData(const std::string& source, const std::string& newFile,
                                 const CancelCheck& cancelled) override;
    std::error_code setModifiedTime(const std::string& path, std::int64_t modifiedNs) override;
    std::error_code setPermissions(const std::string& path, std::uint32_t permissions) override;
    Result<std::string> readSymlink(const std::string& path) override;
    std::error_code createSymlink(const std::string& targetText,
                                  const std::string& linkPath) override;
    Result<std::int64_t> timestampResolutionNs(const std::string& path) override;
    std::error_code flushAndDropCache(const std::string& path) override;
    Result<bool> compareContents(const std::string& first, const std::string& second,
                                 const CancelCheck& cancelled) override;

protected:
    // Counts the call and answers the planted fault for it, if any.
    std::error_code fault(FsOperation operation, const std::string& path);

private:
    struct Fault {
        FsOperation operation;
        std::string pathContains;
        std::error_code error;
    };
    std::vector<Fault> m_faults;
    std::vector<int> m_calls = std::vector<int>(32, 0);
};

} // namespace tidecopy::test
