#pragma once

#include <string>
#include <string_view>

namespace tidecopy::test {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes. Tests never touch a path outside it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    // path() + separator + relative; the slashes of relative become the system's separator.
    std::string operator/(std::string_view relative) const;
    // The part of a path below the folder, with slashes: the reverse of operator/.
    std::string relative(std::string_view path) const;

    // Creates the file (and its missing folders) with the given contents.
    std::string writeFile(std::string_view relative, std::string_view contents) const;
    std::string makeFolder(std::string_view relative) const;
    std::string readFile(std::string_view relative) const;
    bool exists(std::string_view relative) const;

private:
    std::string m_path;
};

} // namespace tidecopy::test
