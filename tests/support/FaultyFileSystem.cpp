#include "support/FaultyFileSystem.h"

#include "platform/PathStyle.h"

#include <algorithm>

namespace tidecopy::test {

namespace {

// The planted fault, or else the real call.
template <typename Call>
auto unlessPlanted(std::error_code planted, Call call) -> decltype(call()) {
    if (planted)
        return planted;
    return call();
}

FsOperation operationOf(FileSystem::RenameMode mode) {
    switch (mode) {
    case FileSystem::RenameMode::Replace:
        return FsOperation::RenameReplacing;
    case FileSystem::RenameMode::NoReplace:
        return FsOperation::RenameNoReplace;
    case FileSystem::RenameMode::Exchange:
        break;
    }
    return FsOperation::Exchange;
}

} // namespace

void FaultyFileSystem::failOn(FsOperation operation, std::string pathContains,
                              std::error_code error) {
    // Tests name parts of paths with slashes, whatever the system's separator.
    std::replace(pathContains.begin(), pathContains.end(), '/', PathStyle::native().separator());
    m_faults.push_back({operation, std::move(pathContains), error});
}

int FaultyFileSystem::callCount(FsOperation operation) const {
    return m_calls.at(static_cast<std::size_t>(operation)).load();
}

void FaultyFileSystem::onCall(FsOperation operation,
                              std::function<void(const std::string& path)> hook) {
    m_hooks.push_back({operation, std::move(hook)});
}

void FaultyFileSystem::runHooks(FsOperation operation, const std::string& path) {
    for (std::size_t i = 0; i < m_hooks.size(); ++i)
        if (m_hooks[i].operation == operation)
            m_hooks[i].run(path);
}

std::error_code FaultyFileSystem::fault(FsOperation operation, const std::string& path) {
    ++m_calls.at(static_cast<std::size_t>(operation));
    if (operation != FsOperation::CopyFileData)
        runHooks(operation, path);
    for (const Fault& f : m_faults)
        if (f.operation == operation && path.find(f.pathContains) != std::string::npos)
            return f.error;
    return {};
}

std::error_code FaultyFileSystem::listFolder(const std::string& folder,
                                             std::vector<FolderEntry>& entries) {
    return unlessPlanted(fault(FsOperation::ListFolder, folder),
                         [&] { return NativeFileSystem::listFolder(folder, entries); });
}

Result<EntryInfo> FaultyFileSystem::entryInfo(const std::string& path) {
    return unlessPlanted(fault(FsOperation::EntryInfo, path),
                         [&] { return NativeFileSystem::entryInfo(path); });
}

Result<FileIdentity> FaultyFileSystem::identityOf(const std::string& path) {
    return unlessPlanted(fault(FsOperation::IdentityOf, path),
                         [&] { return NativeFileSystem::identityOf(path); });
}

Result<std::string> FaultyFileSystem::canonicalPath(const std::string& path) {
    return unlessPlanted(fault(FsOperation::CanonicalPath, path),
                         [&] { return NativeFileSystem::canonicalPath(path); });
}

std::error_code FaultyFileSystem::createFolder(const std::string& path) {
    return unlessPlanted(fault(FsOperation::CreateFolder, path),
                         [&] { return NativeFileSystem::createFolder(path); });
}

std::error_code FaultyFileSystem::removeFile(const std::string& path) {
    return unlessPlanted(fault(FsOperation::RemoveFile, path),
                         [&] { return NativeFileSystem::removeFile(path); });
}

Result<std::string> FaultyFileSystem::readWholeFile(const std::string& path) {
    return unlessPlanted(fault(FsOperation::ReadWholeFile, path),
                         [&] { return NativeFileSystem::readWholeFile(path); });
}

std::error_code FaultyFileSystem::writeWholeFileAtomically(const std::string& path,
                                                           const std::string& contents) {
    return unlessPlanted(fault(FsOperation::WriteWholeFileAtomically, path), [&] {
        return NativeFileSystem::writeWholeFileAtomically(path, contents);
    });
}

std::error_code FaultyFileSystem::createNewFile(const std::string& path,
                                                const std::string& contents) {
    return unlessPlanted(fault(FsOperation::CreateNewFile, path),
                         [&] { return NativeFileSystem::createNewFile(path, contents); });
}

Result<std::string> FaultyFileSystem::readSymlink(const std::string& path) {
    return unlessPlanted(fault(FsOperation::ReadSymlink, path),
                         [&] { return NativeFileSystem::readSymlink(path); });
}

Result<std::int64_t> FaultyFileSystem::timestampResolutionNs(const std::string& path) {
    return unlessPlanted(fault(FsOperation::TimestampResolution, path),
                         [&] { return NativeFileSystem::timestampResolutionNs(path); });
}

std::error_code FaultyFileSystem::flushAndDropCache(const std::string& path) {
    return unlessPlanted(fault(FsOperation::FlushAndDropCache, path),
                         [&] { return NativeFileSystem::flushAndDropCache(path); });
}

Result<bool> FaultyFileSystem::compareContents(const std::string& first, const std::string& second,
                                               const CancelCheck& cancelled,
                                               const ByteSink& secondBytes) {
    return unlessPlanted(fault(FsOperation::CompareContents, second), [&] {
        return NativeFileSystem::compareContents(first, second, cancelled, secondBytes);
    });
}

std::error_code FaultyFileSystem::readContents(const std::string& path, const ByteSink& sink,
                                               const CancelCheck& cancelled) {
    return unlessPlanted(fault(FsOperation::ReadContents, path),
                         [&] { return NativeFileSystem::readContents(path, sink, cancelled); });
}

std::error_code FaultyFileSystem::flushVolume(const std::string& path) {
    return unlessPlanted(fault(FsOperation::FlushVolume, path),
                         [&] { return NativeFileSystem::flushVolume(path); });
}

Result<OpenFolder> FaultyFileSystem::openFolder(const std::string& path) {
    return unlessPlanted(fault(FsOperation::OpenFolder, path),
                         [&] { return NativeFileSystem::openFolder(path); });
}

Result<OpenFolder> FaultyFileSystem::openSubfolder(const OpenFolder& base,
                                                   const std::string& relative) {
    return unlessPlanted(fault(FsOperation::OpenFolder, base.path + relative),
                         [&] { return NativeFileSystem::openSubfolder(base, relative); });
}

std::error_code FaultyFileSystem::createSubfolder(const OpenFolder& base, const std::string& name) {
    return unlessPlanted(fault(FsOperation::CreateFolder, base.path + name),
                         [&] { return NativeFileSystem::createSubfolder(base, name); });
}

Result<EntryInfo> FaultyFileSystem::entryInfoIn(const OpenFolder& folder, const std::string& name) {
    return unlessPlanted(fault(FsOperation::EntryInfo, folder.path + name),
                         [&] { return NativeFileSystem::entryInfoIn(folder, name); });
}

std::error_code FaultyFileSystem::listOpenFolder(const OpenFolder& folder,
                                                 std::vector<FolderEntry>& entries) {
    return unlessPlanted(fault(FsOperation::ListFolder, folder.path),
                         [&] { return NativeFileSystem::listOpenFolder(folder, entries); });
}

Result<TemporaryFile> FaultyFileSystem::createTemporaryCopy(const OpenFolder& folder,
                                                            const std::string& source,
                                                            const CancelCheck& cancelled) {
    const CancelCheck checkWithHooks = [&](std::uint64_t bytesDone) {
        runHooks(FsOperation::CopyFileData, source);
        return cancelled && cancelled(bytesDone);
    };
    Result<TemporaryFile> copy =
        NativeFileSystem::createTemporaryCopy(folder, source, checkWithHooks);
    const std::error_code planted =
        fault(FsOperation::CopyFileData, copy ? copy->path() : folder.path);
    if (!planted)
        return copy;
    if (copy)
        NativeFileSystem::removeIn(folder, copy->name);
    return planted;
}

std::error_code FaultyFileSystem::setTemporaryTime(TemporaryFile& file, std::int64_t modifiedNs) {
    return unlessPlanted(fault(FsOperation::SetModifiedTime, file.path()),
                         [&] { return NativeFileSystem::setTemporaryTime(file, modifiedNs); });
}

std::error_code FaultyFileSystem::setTemporaryPermissions(TemporaryFile& file,
                                                          std::uint32_t permissions) {
    return unlessPlanted(fault(FsOperation::SetPermissions, file.path()), [&] {
        return NativeFileSystem::setTemporaryPermissions(file, permissions);
    });
}

std::error_code FaultyFileSystem::flushBeforeReplacing(TemporaryFile& file) {
    return unlessPlanted(fault(FsOperation::FlushBeforeReplacing, file.path()),
                         [&] { return NativeFileSystem::flushBeforeReplacing(file); });
}

Result<std::string> FaultyFileSystem::createTemporaryLink(const OpenFolder& folder,
                                                          const std::string& targetText) {
    return unlessPlanted(fault(FsOperation::CreateSymlink, folder.path),
                         [&] { return NativeFileSystem::createTemporaryLink(folder, targetText); });
}

std::error_code FaultyFileSystem::setLinkTime(const OpenFolder& folder, const std::string& name,
                                              std::int64_t modifiedNs) {
    return unlessPlanted(fault(FsOperation::SetModifiedTime, folder.path + name),
                         [&] { return NativeFileSystem::setLinkTime(folder, name, modifiedNs); });
}

std::error_code FaultyFileSystem::linkIn(const OpenFolder& folder, const std::string& existing,
                                         const std::string& newName) {
    return unlessPlanted(fault(FsOperation::HardLink, folder.path + newName),
                         [&] { return NativeFileSystem::linkIn(folder, existing, newName); });
}

std::error_code FaultyFileSystem::renameIn(const OpenFolder& folder, const std::string& from,
                                           const std::string& to, RenameMode mode) {
    return unlessPlanted(fault(operationOf(mode), folder.path + to),
                         [&] { return NativeFileSystem::renameIn(folder, from, to, mode); });
}

std::error_code FaultyFileSystem::renamePath(const std::string& from, const std::string& to,
                                             RenameMode mode) {
    return unlessPlanted(fault(operationOf(mode), to),
                         [&] { return NativeFileSystem::renamePath(from, to, mode); });
}

std::error_code FaultyFileSystem::removeIn(const OpenFolder& folder, const std::string& name) {
    return unlessPlanted(fault(FsOperation::RemoveFile, folder.path + name),
                         [&] { return NativeFileSystem::removeIn(folder, name); });
}

std::error_code FaultyFileSystem::removeFolderIn(const OpenFolder& folder,
                                                 const std::string& name) {
    return unlessPlanted(fault(FsOperation::RemoveFolder, folder.path + name),
                         [&] { return NativeFileSystem::removeFolderIn(folder, name); });
}

std::error_code FaultyFileSystem::allowRemovingFrom(const OpenFolder& folder) {
    return unlessPlanted(fault(FsOperation::SetPermissions, folder.path),
                         [&] { return NativeFileSystem::allowRemovingFrom(folder); });
}

Result<FileIdentity> FaultyFileSystem::identityOfOpen(const OpenFolder& folder) {
    return unlessPlanted(fault(FsOperation::IdentityOf, folder.path),
                         [&] { return NativeFileSystem::identityOfOpen(folder); });
}

std::error_code FaultyFileSystem::removeUnusedTemporary(const OpenFolder& folder,
                                                        const std::string& name) {
    return unlessPlanted(fault(FsOperation::RemoveTemporary, folder.path + name),
                         [&] { return NativeFileSystem::removeUnusedTemporary(folder, name); });
}

} // namespace tidecopy::test
