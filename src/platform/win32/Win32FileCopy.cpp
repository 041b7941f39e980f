#include "platform/Errors.h"
#include "platform/FileSystemError.h"
#include "platform/win32/NtFiles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Entries.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Temporaries.h"

#include <cstring>
#include <memory>

namespace tidecopy {

namespace {

constexpr DWORD bufferSize = 1u << 20;
constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::error_code canceledError() {
    return std::make_error_code(std::errc::operation_canceled);
}

// What tells a source that changed while it was copied: its size and its modification and
// change times (a writer that puts the modification time back still moves the change time).
struct SourceState {
    std::int64_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    DWORD attributes = 0;
    bool operator==(const SourceState&) const = default;
};

std::error_code readState(HANDLE file, SourceState& state) {
    FILE_BASIC_INFO basic{};
    FILE_STANDARD_INFO standard{};
    if (!::GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) ||
        !::GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard))
        return lastNativeError();
    state = {standard.EndOfFile.QuadPart, basic.LastWriteTime.QuadPart, basic.ChangeTime.QuadPart,
             basic.FileAttributes};
    return {};
}

bool isLink(HANDLE file) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    return ::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &tag, sizeof tag) &&
           (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           IsReparseTagNameSurrogate(tag.ReparseTag);
}

// A link is recreated as a link by the caller, never copied through; a folder or device
// is no file to copy. Other reparse points (deduplicated or cloud files) are opened through
// to their data, as every program reads them.
ScopedHandle openRegularFile(const std::string& path, DWORD flags, SourceState& state,
                             std::error_code& error) {
    const std::wstring wide = extendedPath(path);
    const auto open = [&](DWORD extra) {
        return ScopedHandle(::CreateFileW(wide.c_str(), GENERIC_READ, shareAll, nullptr,
                                          OPEN_EXISTING, flags | extra, nullptr));
    };
    ScopedHandle file = open(FILE_FLAG_OPEN_REPARSE_POINT);
    if (file.valid() && !isLink(file.get())) {
        if (auto tagged = readState(file.get(), state);
            !tagged && (state.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            file = open(0);
    } else if (file.valid()) {
        error = std::make_error_code(std::errc::invalid_argument);
        return file;
    }
    if (!file.valid()) {
        error = lastNativeError();
        return file;
    }
    error = readState(file.get(), state);
    if (!error && (state.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        error = std::make_error_code(std::errc::is_a_directory);
    else if (!error && ::GetFileType(file.get()) != FILE_TYPE_DISK)
        error = std::make_error_code(std::errc::invalid_argument);
    return file;
}

// A disk file gives the whole length asked for, except at its end.
DWORD readChunk(HANDLE file, char* buffer, DWORD length, std::error_code& error) {
    DWORD read = 0;
    if (!::ReadFile(file, buffer, length, &read, nullptr))
        error = lastNativeError();
    return read;
}

// Plain reads and writes through a large buffer, with Cancel asked between chunks.
// CopyFileEx is not used: it opens the destination by its path itself, while the copy has
// to go into our temporary, created in the open folder and held locked from its creation.
std::error_code copyBytes(HANDLE in, HANDLE out, const FileSystem::CancelCheck& cancelled) {
    std::unique_ptr<char[]> buffer(new char[bufferSize]);
    std::uint64_t copied = 0;
    for (;;) {
        if (cancelled && cancelled(copied))
            return canceledError();
        std::error_code error;
        const DWORD read = readChunk(in, buffer.get(), bufferSize, error);
        if (error)
            return error;
        copied += read;
        DWORD written = 0;
        if (read > 0 &&
            (!::WriteFile(out, buffer.get(), read, &written, nullptr) || written != read))
            return lastNativeError();
        if (read < bufferSize)
            return {};
    }
}

// Reads around the cache: the data comes from the disk, which is what a check of the copy
// is for. NTFS writes the cached pages of the range first. Reads need a buffer aligned to
// the sector size, which a page is.
ScopedHandle openUncached(const std::string& path, SourceState& state, std::error_code& error) {
    return openRegularFile(path, FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN, state, error);
}

struct PageBuffer {
    explicit PageBuffer(std::size_t size)
        : data(static_cast<char*>(
              ::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
    ~PageBuffer() {
        if (data != nullptr)
            ::VirtualFree(data, 0, MEM_RELEASE);
    }
    char* data;
};

} // namespace

Result<TemporaryFile> Win32FileSystem::createTemporaryCopy(const OpenFolder& folder,
                                                           const std::string& source,
                                                           const CancelCheck& cancelled) {
    SourceState before;
    std::error_code error;
    const ScopedHandle in = openRegularFile(source, FILE_FLAG_SEQUENTIAL_SCAN, before, error);
    if (error)
        return error;
    Result<TemporaryFile> temporary = createLockedTemporary(folder);
    if (!temporary)
        return temporary;
    TemporaryFile& file = temporary.value();
    error = copyBytes(in.get(), handleOf(file.handle), cancelled);
    SourceState after;
    if (!error)
        error = readState(in.get(), after);
    if (!error && !(after == before))
        error = make_error_code(FileSystemError::SourceChanged);
    if (error) {
        removeWhenClosed(handleOf(file.handle));
        return error;
    }
    file.source = entryInfoOf(before.attributes & ~FILE_ATTRIBUTE_REPARSE_POINT, 0,
                              static_cast<std::uint64_t>(before.size), before.modified);
    return temporary;
}

// NTFS gives no promise that a file's data is written before a rename that replaces
// another commits: the data is always written through first.
std::error_code Win32FileSystem::flushBeforeReplacing(TemporaryFile& file) {
    return ::FlushFileBuffers(handleOf(file.handle)) ? std::error_code{} : lastNativeError();
}

// Windows drops no cache on request; compareContents reads the copy around the cache
// instead. A read-only copy cannot be opened for writing, and needs no flush for that read.
std::error_code Win32FileSystem::flushAndDropCache(const std::string& path) {
    const std::wstring wide = extendedPath(path);
    ScopedHandle file(::CreateFileW(wide.c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (file.valid())
        return ::FlushFileBuffers(file.get()) ? std::error_code{} : lastNativeError();
    if (::GetLastError() != ERROR_ACCESS_DENIED)
        return lastNativeError();
    file = ScopedHandle(::CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return file.valid() ? std::error_code{} : lastNativeError();
}

Result<bool> Win32FileSystem::compareContents(const std::string& first, const std::string& second,
                                              const CancelCheck& cancelled,
                                              const ByteSink& secondBytes) {
    SourceState stateA, stateB;
    std::error_code error;
    const ScopedHandle a = openRegularFile(first, FILE_FLAG_SEQUENTIAL_SCAN, stateA, error);
    if (error)
        return error;
    const ScopedHandle b = openUncached(second, stateB, error);
    if (error)
        return error;
    if (stateA.size != stateB.size)
        return false;
    const PageBuffer bufferA(bufferSize);
    const PageBuffer bufferB(bufferSize);
    if (bufferA.data == nullptr || bufferB.data == nullptr)
        return std::make_error_code(std::errc::not_enough_memory);
    std::uint64_t compared = 0;
    for (;;) {
        if (cancelled && cancelled(compared))
            return canceledError();
        const DWORD nA = readChunk(a.get(), bufferA.data, bufferSize, error);
        const DWORD nB = readChunk(b.get(), bufferB.data, bufferSize, error);
        if (error)
            return error;
        if (nA != nB || std::memcmp(bufferA.data, bufferB.data, nA) != 0)
            return false;
        compared += nA;
        if (secondBytes)
            secondBytes(std::string_view(bufferB.data, nB));
        if (nA < bufferSize)
            return true;
    }
}

std::error_code Win32FileSystem::readContents(const std::string& path, const ByteSink& sink,
                                              const CancelCheck& cancelled) {
    SourceState state;
    std::error_code error;
    const ScopedHandle file = openUncached(path, state, error);
    if (error)
        return error;
    const PageBuffer buffer(bufferSize);
    if (buffer.data == nullptr)
        return std::make_error_code(std::errc::not_enough_memory);
    std::uint64_t read = 0;
    for (;;) {
        if (cancelled && cancelled(read))
            return canceledError();
        const DWORD n = readChunk(file.get(), buffer.data, bufferSize, error);
        if (error)
            return error;
        read += n;
        if (n > 0)
            sink(std::string_view(buffer.data, n));
        if (n < bufferSize)
            return {};
    }
}

} // namespace tidecopy
