#include "engine/FolderReadAhead.h"

namespace tidecopy {

namespace {

// Folders read and not yet taken, at most: the memory of a read-ahead stays bounded however
// far the threads could run.
constexpr std::size_t mostWaiting = 256;

} // namespace

FolderReadAhead::FolderReadAhead(unsigned threads, Read read)
    : m_read(std::move(read)) {
    for (unsigned i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { work(); });
}

FolderReadAhead::~FolderReadAhead() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void FolderReadAhead::expect(const std::vector<std::string>& folders) {
    if (m_threads.empty())
        return;
    {
        const std::lock_guard lock(m_mutex);
        for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder)
            if (m_folders.try_emplace(*folder).second)
                m_next.push_back(*folder);
    }
    m_changed.notify_all();
}

std::error_code FolderReadAhead::take(const std::string& folder,
                                      std::vector<FolderEntry>& entries) {
    std::unique_lock lock(m_mutex);
    const auto found = m_folders.find(folder);
    if (found == m_folders.end() || found->second.state == State::Waiting) {
        // Not begun: read here, and a thread that comes to its name later skips it.
        if (found != m_folders.end())
            m_folders.erase(found);
        lock.unlock();
        return m_read(folder, entries);
    }
    m_changed.wait(lock, [&] { return found->second.state == State::Read; });
    entries = std::move(found->second.entries);
    const std::error_code error = found->second.error;
    m_folders.erase(found);
    --m_readAndWaiting;
    lock.unlock();
    m_changed.notify_all();
    return error;
}

void FolderReadAhead::work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] {
            return m_stopping || (!m_next.empty() && m_readAndWaiting < mostWaiting);
        });
        if (m_stopping)
            return;
        const std::string name = std::move(m_next.back());
        m_next.pop_back();
        const auto found = m_folders.find(name);
        if (found == m_folders.end() || found->second.state != State::Waiting)
            continue;
        Folder& folder = found->second;
        folder.state = State::Reading;
        lock.unlock();
        std::vector<FolderEntry> entries;
        const std::error_code error = m_read(name, entries);
        lock.lock();
        folder.entries = std::move(entries);
        folder.error = error;
        folder.state = State::Read;
        ++m_readAndWaiting;
        m_changed.notify_all();
    }
}

} // namespace tidecopy
