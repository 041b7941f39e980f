#pragma once

#include "platform/Result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tidecopy {

// How a line naming a folder is taken: as the file system's own bytes (POSIX, where any
// conversion would name a different folder), or as text in the Windows code page.
enum class FolderText { FileSystemBytes, CodePage };

// Reads the values of a settings file or profile, one line each, in the format's three
// ways. Lines end in CR LF or LF; a text line that is not UTF-8 is taken as Windows-1252.
// Whatever follows a value on its line is left unread, so one odd line cannot shift the
// lines after it.
class SettingsReader {
public:
    explicit SettingsReader(std::string text)
        : m_text(std::move(text)) {}

    // Blanks are skipped; the number ends at a blank, a comma or the end of the line.
    // Only an optional sign and decimal digits make a number.
    Result<std::int16_t> readNumber16();
    Result<std::int32_t> readNumber32();
    // Leading blanks are skipped; the value ends at the first comma or the end of the line,
    // or, when it starts with a double quote, at the closing quote.
    Result<std::string> readField();
    // The whole line as it is.
    Result<std::string> readLine();
    // The whole line naming a folder; a NUL byte, which no name can hold, is an error.
    Result<std::string> readFolderLine(FolderText form);

    // Lines consumed so far.
    int linesRead() const { return m_linesRead; }
    // Nothing is left to read.
    bool atEnd() const { return m_position >= m_text.size(); }

private:
    Result<std::string_view> nextLine();
    Result<std::int64_t> readNumber(std::int64_t lowest, std::int64_t highest);

    std::string m_text;
    std::size_t m_position = 0;
    int m_linesRead = 0;
};

} // namespace tidecopy
