#pragma once

#include "platform/FileAttributes.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace tidecopy {

// Reads folders on a few threads ahead of a walk that wants them one at a time, so that a
// walk over folders the cache does not hold keeps several disk requests under way. The
// walk names the folders it will want; the last named is read first, as a depth-first walk
// wants the subfolders of the folder it has just read before their uncles. A folder the
// walk wants before a thread has started on it is read by the walk itself, so the walk
// never waits for a read that has not begun.
class FolderReadAhead {
public:
    using Read = std::function<std::error_code(const std::string& folder,
                                               std::vector<FolderEntry>& entries)>;

    FolderReadAhead(unsigned threads, Read read);
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    // Folders the walk will want, in the order it will want them.
    void expect(const std::vector<std::string>& folders);
    // The entries of folder as read: ahead of time, or now.
    std::error_code take(const std::string& folder, std::vector<FolderEntry>& entries);

private:
    enum class State { Waiting, Reading, Read };
    struct Folder {
        State state = State::Waiting;
        std::error_code error;
        std::vector<FolderEntry> entries;
    };
    void work();

    Read m_read;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_next; // the last is read first
    std::map<std::string, Folder, std::less<>> m_folders;
    std::size_t m_readAndWaiting = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace tidecopy
