#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace tidecopy::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "tidecopy-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests may leave read-only folders behind; give write access back before removing.
    for (auto it = fs::recursive_directory_iterator(m_path, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(m_path, ignored);
}

std::string TempFolder::operator/(std::string_view relative) const {
    return m_path + "/" + std::string(relative);
}

std::string TempFolder::writeFile(std::string_view relative, std::string_view contents) const {
    const fs::path file = *this / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return file.string();
}

std::string TempFolder::makeFolder(std::string_view relative) const {
    const std::string folder = *this / relative;
    fs::create_directories(folder);
    return folder;
}

std::string TempFolder::readFile(std::string_view relative) const {
    std::ifstream in(*this / relative, std::ios::binary);
    std::stringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool TempFolder::exists(std::string_view relative) const {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(*this / relative, ignored));
}

} // namespace tidecopy::test
