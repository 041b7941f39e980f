#pragma once

#include "platform/FileSystem.h"
#include "platform/posix/CloneMemory.h"
#include "platform/posix/CloseErrorMemory.h"

#include <string_view>

namespace tidecopy {

// The POSIX backend of FileSystem. Its only state, where cloning does not work, is
// shared safely: one instance may serve every thread.
class PosixFileSystem : public FileSystem {
public:
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
    bool isWritableFolder(const std::string& folder) override;
    std::error_code flushVolume(const std::string& path) override;
    Result<EntryInfo> entryInfoIn(const OpenFolder& folder, const std::string& name) override;
    bool looksInOpenFoldersCostLess() const override { return true; }
    std::error_code listOpenFolder(const OpenFolder& folder,
                                   std::vector<FolderEntry>& entries) override;

    // PosixFileCopy.cpp
    std::error_code flushAndDropCache(const std::string& path) override;
    Result<bool> compareContents(const std::string& first, const std::string& second,
                                 const CancelCheck& cancelled,
                                 const ByteSink& secondBytes) override;
    std::error_code readContents(const std::string& path, const ByteSink& sink,
                                 const CancelCheck& cancelled) override;
    Result<TemporaryFile> createTemporaryCopy(const OpenFolder& folder, const std::string& source,
                                              const CancelCheck& cancelled) override;
    std::error_code flushBeforeReplacing(TemporaryFile& file) override;

    // PosixTemporaries.cpp
    Result<std::string> createTemporaryLink(const OpenFolder& folder,
                                            const std::string& targetText) override;
    std::error_code removeUnusedTemporary(const OpenFolder& folder,
                                          const std::string& name) override;

    // PosixOpenFolders.cpp
    Result<OpenFolder> openFolder(const std::string& path) override;
    Result<OpenFolder> openSubfolder(const OpenFolder& base, const std::string& relative) override;
    std::error_code createSubfolder(const OpenFolder& base, const std::string& name) override;
    std::error_code linkIn(const OpenFolder& folder, const std::string& existing,
                           const std::string& newName) override;
    std::error_code renameIn(const OpenFolder& folder, const std::string& from,
                             const std::string& to, RenameMode mode) override;
    std::error_code renamePath(const std::string& from, const std::string& to,
                               RenameMode mode) override;
    std::error_code removeIn(const OpenFolder& folder, const std::string& name) override;
    std::error_code removeFolderIn(const OpenFolder& folder, const std::string& name) override;
    Result<FileIdentity> identityOfOpen(const OpenFolder& folder) override;
    std::error_code allowRemovingFrom(const OpenFolder& folder) override;

    // PosixFileMetadata.cpp
    std::error_code setTemporaryTime(TemporaryFile& file, std::int64_t modifiedNs) override;
    std::error_code setTemporaryPermissions(TemporaryFile& file,
                                            std::uint32_t permissions) override;
    std::error_code setLinkTime(const OpenFolder& folder, const std::string& name,
                                std::int64_t modifiedNs) override;
    Result<std::string> readSymlink(const std::string& path) override;
    Result<std::int64_t> timestampResolutionNs(const std::string& path) override;

private:
    CloneMemory m_clones;
    CloseErrorMemory m_closeErrors;
};

// Hidden = leading dot; system = neither regular file, directory nor symbolic link.
std::uint32_t posixAttributesOf(std::string_view name, EntryType type);

} // namespace tidecopy
