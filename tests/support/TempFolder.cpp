#include "support/TempFolder.h"

#include "platform/PathStyle.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace tidecopy::test {

namespace fs = std::filesystem;

namespace {

// Paths are UTF-8 text in the program; std::filesystem takes that only as char8_t.
fs::path pathOf(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string textOf(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace

TempFolder::TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path folder =
            fs::temp_directory_path() / ("tidecopy-test-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(folder, error)) {
            m_path = textOf(folder);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests may leave read-only entries behind; give write access back before removing.
    for (auto it = fs::recursive_directory_iterator(pathOf(m_path), ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(pathOf(m_path), ignored);
}

std::string TempFolder::operator/(std::string_view relative) const {
    // Tests write "a/b"; the system's separator takes the place of the slash.
    std::string path = m_path + PathStyle::native().separator() + std::string(relative);
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(m_path.size()), path.end(), '/',
                 PathStyle::native().separator());
    return path;
}

std::string TempFolder::relative(std::string_view path) const {
    std::string rest(path.substr(std::min(path.size(), m_path.size() + 1)));
    std::replace(rest.begin(), rest.end(), PathStyle::native().separator(), '/');
    return rest;
}

std::string TempFolder::writeFile(std::string_view relative, std::string_view contents) const {
    const std::string file = *this / relative;
    fs::create_directories(pathOf(file).parent_path());
    std::ofstream out(pathOf(file), std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file);
    return file;
}

std::string TempFolder::makeFolder(std::string_view relative) const {
    const std::string folder = *this / relative;
    fs::create_directories(pathOf(folder));
    return folder;
}

std::string TempFolder::readFile(std::string_view relative) const {
    std::ifstream in(pathOf(*this / relative), std::ios::binary);
    std::stringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool TempFolder::exists(std::string_view relative) const {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(pathOf(*this / relative), ignored));
}

} // namespace tidecopy::test
