#include "support/FaultyFileSystem.h"

namespace tidecopy::test {

void FaultyFileSystem::failOn(FsOperation operation, std::string pathContains,
                              std::error_code error) {
    m_faults.push_back({operation, std::move(pathContains), error});
}

int FaultyFileSystem::callCount(FsOperation operation) const {
    return m_calls.at(static_cast<std::size_t>(operation));
}

std::error_code FaultyFileSystem::fault(FsOperation operation, const std::string& path) {
    const auto index = static_cast<std::size_t>(operation);
    if (index >= m_calls.size())
        m_calls.resize(index + 1, 0);
    ++m_calls[index];
    for (const Fault& f : m_faults)
        if (f.operation == operation && path.find(f.pathContains) != std::string::npos)
            return f.error;
    return {};
}

std::error_code FaultyFileSystem::listFolder(const std::string& folder,
                                             std::vector<FolderEntry>& entries) {
    if (auto error = fault(FsOperation::ListFolder, folder))
        return error;
    return PosixFileSystem::listFolder(folder, entries);
}

Result<EntryInfo> FaultyFileSystem::entryInfo(const std::string& path) {
    if (auto error = fault(FsOperation::EntryInfo, path))
        return error;
    return PosixFileSystem::entryInfo(path);
}

std::error_code FaultyFileSystem::createFolder(const std::string& path) {
    if (auto error = fault(FsOperation::CreateFolder, path))
        return error;
    return PosixFileSystem::createFolder(path);
}

std::error_code FaultyFileSystem::removeFile(const std::string& path) {
    if (auto error = fault(FsOperation::RemoveFile, path))
        return error;
    return PosixFileSystem::removeFile(path);
}

std::error_code FaultyFileSystem::renameReplacing(const std::string& from, const std::string& to) {
    if (auto error = fault(FsOperation::RenameReplacing, to))
        return error;
    return PosixFileSystem::renameReplacing(from, to);
}

std::error_code FaultyFileSystem::renameNoReplace(const std::string& from, const std::string& to) {
    if (auto error = fault(FsOperation::RenameNoReplace, to))
        return error;
    return PosixFileSystem::renameNoReplace(from, to);
}

std::error_code FaultyFileSystem::hardLink(const std::string& existing,
                                           const std::string& newPath) {
    if (auto error = fault(FsOperation::HardLink, newPath))
        return error;
    return PosixFileSystem::hardLink(existing, newPath);
}

Result<std::string> FaultyFileSystem::readWholeFile(const std::string& path) {
    if (auto error = fault(FsOperation::ReadWholeFile, path))
        return error;
    return PosixFileSystem::readWholeFile(path);
}

std::error_code FaultyFileSystem::writeWholeFileAtomically(const std::string& path,
                                                           const std::string& contents) {
    if (auto error = fault(FsOperation::WriteWholeFileAtomically, path))
        return error;
    return PosixFileSystem::writeWholeFileAtomically(path, contents);
}

std::error_code FaultyFileSystem::createNewFile(const std::string& path,
                                                const std::string& contents) {
    if (auto error = fault(FsOperation::CreateNewFile, path))
        return error;
    return PosixFileSystem::createNewFile(path, contents);
}

std::error_code FaultyFileSystem::copyFileData(const std::string& source,
                                               const std::string& newFile,
                                               const CancelCheck& cancelled) {
    const std::error_code planted = fault(FsOperation::CopyFileData, newFile);
    const std::error_code error = PosixFileSystem::copyFileData(source, newFile, cancelled);
    return planted ? planted : error;
}

std::error_code FaultyFileSystem::setModifiedTime(const std::string& path,
                                                  std::int64_t modifiedNs) {
    if (auto error = fault(FsOperation::SetModifiedTime, path))
        return error;
    return PosixFileSystem::setModifiedTime(path, modifiedNs);
}

std::error_code FaultyFileSystem::setPermissions(const std::string& path,
                                                 std::uint32_t permissions) {
    if (auto error = fault(FsOperation::SetPermissions, path))
        return error;
    return PosixFileSystem::setPermissions(path, permissions);
}

Result<std::string> FaultyFileSystem::readSymlink(const std::string& path) {
    if (auto error = fault(FsOperation::ReadSymlink, path))
        return error;
    return PosixFileSystem::readSymlink(path);
}

std::error_code FaultyFileSystem::createSymlink(const std::string& targetText,
                                                const std::string& linkPath) {
    if (auto error = fault(FsOperation::CreateSymlink, linkPath))
        return error;
    return PosixFileSystem::createSymlink(targetText, linkPath);
}

Result<std::int64_t> FaultyFileSystem::timestampResolutionNs(const std::string& path) {
    if (auto error = fault(FsOperation::TimestampResolution, path))
        return error;
    return PosixFileSystem::timestampResolutionNs(path);
}

std::error_code FaultyFileSystem::flushAndDropCache(const std::string& path) {
    if (auto error = fault(FsOperation::FlushAndDropCache, path))
        return error;
    return PosixFileSystem::flushAndDropCache(path);
}

Result<bool> FaultyFileSystem::compareContents(const std::string& first, const std::string& second,
                                               const CancelCheck& cancelled) {
    if (auto error = fault(FsOperation::CompareContents, second))
        return error;
    return PosixFileSystem::compareContents(first, second, cancelled);
}

} // namespace tidecopy::test
