#pragma once

#include "platform/NativeFileSystem.h"

#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace tidecopy::test {

enum class FsOperation {
    ListFolder,
    EntryInfo,
    IdentityOf,
    CanonicalPath,
    CreateFolder,
    RemoveFile,
    RenameReplacing,
    RenameNoReplace,
    Exchange,
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
    ReadContents,
    FlushVolume,
    OpenFolder,
    FlushBeforeReplacing,
    RemoveTemporary,
    RemoveFolder,
};

// The real file system, except for the faults a test plants: an operation on a path
// containing a given text fails with a given error. Tests run as root, so permission
// bits cannot produce these failures. Operations inside an open folder are matched on the
// folder's path followed by the name. A hook runs a test's own code when an operation is
// called: two runs at once, a file rewritten while it is copied, a look at every step.
class FaultyFileSystem : public NativeFileSystem {
public:
    void failOn(FsOperation operation, std::string pathContains, std::error_code error);
    void clearFaults() { m_faults.clear(); }
    int callCount(FsOperation operation) const;
    // For CopyFileData the hook runs while the data is being copied, given the source.
    void onCall(FsOperation operation, std::function<void(const std::string& path)> hook);

    std::error_code listFolder(const std::string& folder,
                               std::vector<FolderEntry>& entries) override;
    Result<EntryInfo> entryInfo(const std::string& path) override;
    Result<FileIdentity> identityOf(const std::string& path) override;
    Result<std::string> canonicalPath(const std::string& path) override;
    std::error_code createFolder(const std::string& path) override;
    std::error_code removeFile(const std::string& path) override;
    Result<std::string> readWholeFile(const std::string& path) override;
    std::error_code writeWholeFileAtomically(const std::string& path,
                                             const std::string& contents) override;
    std::error_code createNewFile(const std::string& path, const std::string& contents) override;
    Result<std::string> readSymlink(const std::string& path) override;
    Result<std::int64_t> timestampResolutionNs(const std::string& path) override;
    std::error_code flushAndDropCache(const std::string& path) override;
    Result<bool> compareContents(const std::string& first, const std::string& second,
                                 const CancelCheck& cancelled,
                                 const ByteSink& secondBytes) override;
    std::error_code readContents(const std::string& path, const ByteSink& sink,
                                 const CancelCheck& cancelled) override;
    std::error_code flushVolume(const std::string& path) override;

    Result<OpenFolder> openFolder(const std::string& path) override;
    Result<OpenFolder> openSubfolder(const OpenFolder& base, const std::string& relative) override;
    std::error_code createSubfolder(const OpenFolder& base, const std::string& name) override;
    Result<EntryInfo> entryInfoIn(const OpenFolder& folder, const std::string& name) override;
    std::error_code listOpenFolder(const OpenFolder& folder,
                                   std::vector<FolderEntry>& entries) override;
    // A planted fault strikes after the data is written, as a disk that fills up at the
    // last chunk.
    Result<TemporaryFile> createTemporaryCopy(const OpenFolder& folder, const std::string& source,
                                              const CancelCheck& cancelled) override;
    std::error_code setTemporaryTime(TemporaryFile& file, std::int64_t modifiedNs) override;
    std::error_code setTemporaryPermissions(TemporaryFile& file,
                                            std::uint32_t permissions) override;
    std::error_code flushBeforeReplacing(TemporaryFile& file) override;
    Result<std::string> createTemporaryLink(const OpenFolder& folder,
                                            const std::string& targetText) override;
    std::error_code setLinkTime(const OpenFolder& folder, const std::string& name,
                                std::int64_t modifiedNs) override;
    std::error_code linkIn(const OpenFolder& folder, const std::string& existing,
                           const std::string& newName) override;
    std::error_code renameIn(const OpenFolder& folder, const std::string& from,
                             const std::string& to, RenameMode mode) override;
    std::error_code renamePath(const std::string& from, const std::string& to,
                               RenameMode mode) override;
    std::error_code removeIn(const OpenFolder& folder, const std::string& name) override;
    std::error_code removeUnusedTemporary(const OpenFolder& folder,
                                          const std::string& name) override;
    std::error_code removeFolderIn(const OpenFolder& folder, const std::string& name) override;
    Result<FileIdentity> identityOfOpen(const OpenFolder& folder) override;
    // Counted and failed as SetPermissions.
    std::error_code allowRemovingFrom(const OpenFolder& folder) override;

protected:
    // Counts the call, runs its hooks and answers the planted fault for it, if any.
    std::error_code fault(FsOperation operation, const std::string& path);

private:
    struct Fault {
        FsOperation operation;
        std::string pathContains;
        std::error_code error;
    };
    struct Hook {
        FsOperation operation;
        std::function<void(const std::string&)> run;
    };
    void runHooks(FsOperation operation, const std::string& path);

    std::vector<Fault> m_faults;
    std::vector<Hook> m_hooks;
    // Counted from every thread that reads (a verify has several).
    std::array<std::atomic<int>, 32> m_calls{};
};

} // namespace tidecopy::test
