#pragma once

#include "platform/FileAttributes.h"
#include "platform/OpenHandles.h"
#include "platform/Result.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
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

    // Small whole files: settings, profiles, logs.
    virtual Result<std::string> readWholeFile(const std::string& path) = 0;
    // Writes beside the target and renames over it: a failure leaves the old file as it was.
    virtual std::error_code writeWholeFileAtomically(const std::string& path,
                                                     const std::string& contents) = 0;
    // Creates a new file (failing when one exists) holding contents.
    virtual std::error_code createNewFile(const std::string& path, const std::string& contents) = 0;

    // True when the caller may create files in the folder.
    virtual bool isWritableFolder(const std::string& folder) = 0;

    // Asked by long operations between chunks with the bytes done so far; true stops them
    // with operation_canceled.
    using CancelCheck = std::function<bool(std::uint64_t bytesDone)>;
    // Reads along with a long read: the bytes of each chunk, in order.
    using ByteSink = std::function<void(std::string_view bytes)>;

    // The target text of a symbolic link, unchanged.
    virtual Result<std::string> readSymlink(const std::string& path) = 0;
    // The smallest step of modification times the volume holding path keeps.
    virtual Result<std::int64_t> timestampResolutionNs(const std::string& path) = 0;
    // Writes the file's data through to the device and drops it from the cache, so that
    // the next read comes from the disk.
    virtual std::error_code flushAndDropCache(const std::string& path) = 0;
    // True when the two files hold the same bytes. The bytes of second go to secondBytes as
    // they are read (when it is set), so that they can be hashed in the same read; only a
    // true answer means it saw them all.
    virtual Result<bool> compareContents(const std::string& first, const std::string& second,
                                         const CancelCheck& cancelled,
                                         const ByteSink& secondBytes) = 0;
    // Hands the bytes of the regular file at path to sink, from its start to its end, read
    // from the disk: what the cache holds of the file is dropped first (data not yet
    // written stays). A link at the end of path is not followed, and nothing but a
    // regular file is read.
    virtual std::error_code readContents(const std::string& path, const ByteSink& sink,
                                         const CancelCheck& cancelled) = 0;
    // Writes everything cached for the volume holding path through to its device, so a
    // finished run survives a power cut.
    virtual std::error_code flushVolume(const std::string& path) = 0;

    // The folders a backup writes into. Below the destination folder no symbolic link is
    // ever followed: each folder is opened from the one above it and every file is reached
    // by its name from its open folder, so that nobody who can write there can send the
    // run's files elsewhere.

    // The destination folder itself, which may be a link: the user chose it.
    virtual Result<OpenFolder> openFolder(const std::string& path) = 0;
    // A folder below an open one; relative holds one or more names joined by the separator.
    // Fails with FileSystemError::SymlinkNotFollowed where a level is a symbolic link. Where
    // the platform cannot open several levels at once, that fails too: open them one by one.
    virtual Result<OpenFolder> openSubfolder(const OpenFolder& base,
                                             const std::string& relative) = 0;
    // Fails with file_exists when something of that name is there already.
    virtual std::error_code createSubfolder(const OpenFolder& base, const std::string& name) = 0;
    virtual Result<EntryInfo> entryInfoIn(const OpenFolder& folder, const std::string& name) = 0;
    // Whether entryInfoIn costs less than entryInfo of the whole path (POSIX: one name is
    // resolved instead of every level), so that many looks into one folder go through it.
    virtual bool looksInOpenFoldersCostLess() const { return false; }
    virtual std::error_code listOpenFolder(const OpenFolder& folder,
                                           std::vector<FolderEntry>& entries) = 0;

    // Creates a temporary file of ours in the folder and copies the bytes of the regular
    // file source into it, holes kept where the platform can. Cancel is asked before the
    // first byte and between chunks. Fails with FileSystemError::SourceChanged when the
    // source's size or times changed while it was copied. On a failure nothing is left.
    virtual Result<TemporaryFile> createTemporaryCopy(const OpenFolder& folder,
                                                      const std::string& source,
                                                      const CancelCheck& cancelled) = 0;
    // The modification time to full precision, and permission bits (07777).
    virtual std::error_code setTemporaryTime(TemporaryFile& file, std::int64_t modifiedNs) = 0;
    virtual std::error_code setTemporaryPermissions(TemporaryFile& file,
                                                    std::uint32_t permissions) = 0;
    // Sees that the file's data reaches the device before the file takes the place of
    // another, so that a crash cannot leave neither version: written through, unless the
    // file system itself writes data before a rename that replaces a file.
    virtual std::error_code flushBeforeReplacing(TemporaryFile& file) = 0;
    // A symbolic link under a temporary name of ours; returns that name.
    virtual Result<std::string> createTemporaryLink(const OpenFolder& folder,
                                                    const std::string& targetText) = 0;
    // The link's own modification time.
    virtual std::error_code setLinkTime(const OpenFolder& folder, const std::string& name,
                                        std::int64_t modifiedNs) = 0;
    // A second name for an entry (a link is linked itself, never its target).
    virtual std::error_code linkIn(const OpenFolder& folder, const std::string& existing,
                                   const std::string& newName) = 0;
    enum class RenameMode {
        Replace,   // over whatever has the new name
        NoReplace, // fails with file_exists instead
        Exchange,  // both names exist and trade places in one step
    };
    virtual std::error_code renameIn(const OpenFolder& folder, const std::string& from,
                                     const std::string& to, RenameMode mode) = 0;
    virtual std::error_code removeIn(const OpenFolder& folder, const std::string& name) = 0;
    // An empty folder below an open one.
    virtual std::error_code removeFolderIn(const OpenFolder& folder, const std::string& name) = 0;
    // Gives the owner write permission on the open folder, so that its entries can be
    // removed: what deleting a read-only folder with everything in it takes on POSIX.
    virtual std::error_code allowRemovingFrom(const OpenFolder& folder) = 0;
    // What the open folder is (device and inode), however it was reached.
    virtual Result<FileIdentity> identityOfOpen(const OpenFolder& folder) = 0;
    // A rename by paths, for what the user renames or moves in the panes; a move to another
    // volume fails with cross_device_link.
    virtual std::error_code renamePath(const std::string& from, const std::string& to,
                                       RenameMode mode) = 0;
    // Removes a temporary of ours that no run is writing; one still locked by its run stays
    // and the answer is resource_unavailable_try_again.
    virtual std::error_code removeUnusedTemporary(const OpenFolder& folder,
                                                  const std::string& name) = 0;
};

} // namespace tidecopy
