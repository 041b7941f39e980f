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
    std::vector<int> m_calls = std::vector<int>(16, 0);
};

} // namespace tidecopy::test
