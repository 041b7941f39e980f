#pragma once

#include "platform/FileSystem.h"

#include <string_view>

namespace tidecopy {

// The POSIX backend of FileSystem. Holds no state; one instance may serve every thread.
class PosixFileSystem : public FileSystem {
public:
    std::error_code listFolder(const std::string& folder,
                               std::vector<FolderEntry>& entries) override;
    Result<EntryInfo> entryInfo(const std::string& path) override;
    Result<FileIdentity> identityOf(const std::string& path) override;
    Result<std::string> canonicalPath(const std::string& path) override;
    std::error_code createFolder(const std::string& path) override;
    std::error_code removeFile(const std::string& path) override;
    std::error_code renameReplacing(const std::string& from, const std::string& to) override;
    std::error_code renameNoReplace(const std::string& from, const std::string& to) override;
    std::error_code hardLink(const std::string& existing, const std::string& newPath) override;
    Result<std::string> readWholeFile(const std::string& path) override;
    std::error_code writeWholeFileAtomically(const std::string& path,
                                             const std::string& contents) override;
    std::error_code createNewFile(const std::string& path, const std::string& contents) override;
    bool isWritableFolder(const std::string& folder) override;

    // PosixFileCopy.cpp
    std::error_code copyFileData(const std::string& source, const std::string& newFile,
                                 const CancelCheck& cancelled) override;
    std::error_code flushAndDropCache(const std::string& path) override;
    std::error_code flushVolume(const std::string& path) override;
    Result<bool> compareContents(const std::string& first, const std::string& second,
                                 const CancelCheck& cancelled) override;

    // PosixFileMetadata.cpp
    std::error_code setModifiedTime(const std::string& path, std::int64_t modifiedNs) override;
    std::error_code setPermissions(const std::string& path, std::uint32_t permissions) override;
    Result<std::string> readSymlink(const std::string& path) override;
    std::error_code createSymlink(const std::string& targetText,
                                  const std::string& linkPath) override;
    Result<std::int64_t> timestampResolutionNs(const std::string& path) override;
};

// Hidden = leading dot; system = neither regular file, directory nor symbolic link.
std::uint32_t posixAttributesOf(std::string_view name, EntryType type);

} // namespace tidecopy
