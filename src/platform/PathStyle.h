#pragma once

#include <string>
#include <string_view>

namespace tidecopy {

// Path arithmetic for one path flavour. Native paths are UTF-8 strings; the run's
// path rules are written once against this and tested in both flavours.
class PathStyle {
public:
    enum class Flavor { Windows, Posix };

    static PathStyle windows() { return PathStyle(Flavor::Windows); }
    static PathStyle posix() { return PathStyle(Flavor::Posix); }
    static PathStyle native();

    Flavor flavor() const { return m_flavor; }
    char separator() const { return m_flavor == Flavor::Windows ? '\\' : '/'; }
    bool isSeparator(char c) const { return c == separator(); }

    // "C:\" of "C:\data\a", "\\srv\share\" of a UNC path, "/" of "/home/a"; empty when relative.
    std::string rootOf(std::string_view path) const;
    bool isRoot(std::string_view path) const;

    bool endsWithSeparator(std::string_view path) const;
    std::string withTrailingSeparator(std::string_view path) const;
    // Drops trailing separators, but never turns a root into something else.
    std::string withoutTrailingSeparator(std::string_view path) const;

    // folder + separator (when missing) + name.
    std::string join(std::string_view folder, std::string_view name) const;

    // Whether two names of entries are the same name: letters compared without regard to
    // case in the Windows flavour, byte for byte in the POSIX one.
    bool sameName(std::string_view a, std::string_view b) const;

    // The text after the last separator (the whole text when there is none).
    std::string_view fileNameOf(std::string_view path) const;
    // The text up to and including the last separator (empty when there is none).
    std::string_view folderPartOf(std::string_view path) const;

private:
    explicit PathStyle(Flavor flavor)
        : m_flavor(flavor) {}
    Flavor m_flavor;
};

} // namespace tidecopy
