#include "support/SystemFiles.h"

#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tidecopy::test {

namespace {

struct stat entryOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        throw std::runtime_error("cannot stat " + path);
    return st;
}

} // namespace

void setModifiedNs(const std::string& path, std::int64_t ns) {
    const struct timespec times[2] = {
        {0, UTIME_OMIT},
        {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("cannot set the time of " + path);
}

std::int64_t modifiedNs(const std::string& path) {
    const struct stat st = entryOf(path);
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

std::uint32_t permissionsOf(const std::string& path) {
    return entryOf(path).st_mode & 07777;
}

void makeReadOnly(const std::string& path) {
    if (::chmod(path.c_str(), 0444) != 0)
        throw std::runtime_error("cannot make " + path + " read-only");
}

void makeHidden(const std::string&) {}

void makeSystemEntry(const std::string& path) {
    if (::mkfifo(path.c_str(), 0600) != 0)
        throw std::runtime_error("cannot make the FIFO " + path);
}

std::vector<std::string> unusualNames() {
    return {"line\nbreak", "\x1b[31mred", "bad\xff\xfe", "\xc3\xa9t\xc3\xa9",
            std::string(255, 'n')};
}

std::size_t openHandles() {
    const std::filesystem::directory_iterator entries("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

bool makeSymlink(const std::string& target, const std::string& path) {
    if (::symlink(target.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot link " + path);
    return true;
}

} // namespace tidecopy::test
