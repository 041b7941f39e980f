#pragma once

#include "platform/FileAttributes.h"

#include <cstdint>
#include <string>
#include <utility>

namespace tidecopy {

// Owns one open handle of the platform (a file descriptor on POSIX) and closes it when it
// goes.
class NativeHandle {
public:
    using Value = std::intptr_t;
    static constexpr Value none = -1;

    NativeHandle() = default;
    explicit NativeHandle(Value value)
        : m_value(value) {}
    NativeHandle(NativeHandle&& other) noexcept
        : m_value(std::exchange(other.m_value, none)) {}
    NativeHandle& operator=(NativeHandle&& other) noexcept {
        if (this != &other) {
            close();
            m_value = std::exchange(other.m_value, none);
        }
        return *this;
    }
    ~NativeHandle() { close(); }

    Value get() const { return m_value; }

private:
    void close(); // one definition per OS

    Value m_value = none;
};

// A folder of a destination held open, so that the names in it are reached from it and
// never through a path that could have changed. The path names it in messages.
struct OpenFolder {
    NativeHandle handle;
    std::string path; // with a trailing separator
};

// One of our temporary files in an open folder, written and still open. It is locked for
// as long as this object lives, so that no other run takes it for a leftover.
struct TemporaryFile {
    NativeHandle handle;
    std::string folderPath;
    std::string name;
    EntryInfo source; // the source as its bytes were copied: size, time, permissions

    std::string path() const { return folderPath + name; }
};

} // namespace tidecopy
