#include "config/SettingsReader.h"

#include "config/SettingsError.h"
#include "config/TextEncoding.h"

#include <charconv>
#include <limits>

namespace tidecopy {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t skipBlanks(std::string_view line, std::size_t from) {
    while (from < line.size() && isBlank(line[from]))
        ++from;
    return from;
}

} // namespace

Result<std::string_view> SettingsReader::nextLine() {
    if (m_position >= m_text.size())
        return make_error_code(SettingsError::EndOfFile);
    const std::string_view text = m_text;
    const std::size_t end = text.find('\n', m_position);
    std::string_view line = text.substr(
        m_position, end == std::string_view::npos ? std::string_view::npos : end - m_position);
    m_position = end == std::string_view::npos ? m_text.size() : end + 1;
    if (end != std::string_view::npos && line.ends_with('\r'))
        line.remove_suffix(1);
    ++m_linesRead;
    return line;
}

Result<std::string> SettingsReader::readLine() {
    const auto line = nextLine();
    if (!line)
        return line.error();
    if (isValidUtf8(*line))
        return std::string(*line);
    return windows1252ToUtf8(*line);
}

Result<std::string> SettingsReader::readFolderLine(FolderText form) {
    const auto line = nextLine();
    if (!line)
        return line.error();
    if (line->find('\0') != std::string_view::npos)
        return make_error_code(SettingsError::BadFolderName);
    if (form == FolderText::FileSystemBytes || isValidUtf8(*line))
        return std::string(*line);
    return windows1252ToUtf8(*line);
}

Result<std::string> SettingsReader::readField() {
    auto line = readLine();
    if (!line)
        return line;
    const std::string_view text = *line;
    const std::size_t start = skipBlanks(text, 0);
    if (start < text.size() && text[start] == '"') {
        const std::size_t closing = text.find('"', start + 1);
        return std::string(text.substr(start + 1, closing == std::string_view::npos
                                                      ? std::string_view::npos
                                                      : closing - start - 1));
    }
    const std::size_t comma = text.find(',', start);
    return std::string(text.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                          : comma - start));
}

Result<std::int64_t> SettingsReader::readNumber(std::int64_t lowest, std::int64_t highest) {
    auto line = readLine();
    if (!line)
        return line.error();
    const std::string_view text = *line;
    std::size_t start = skipBlanks(text, 0);
    std::size_t end = start;
    while (end < text.size() && !isBlank(text[end]) && text[end] != ',')
        ++end;
    std::string_view token = text.substr(start, end - start);
    const bool plus = token.starts_with('+');
    if (plus)
        token.remove_prefix(1);
    if (token.empty() || (plus && token.starts_with('-')))
        return make_error_code(SettingsError::NotANumber);
    std::int64_t value = 0;
    const auto [rest, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (rest != token.data() + token.size() ||
        (error != std::errc() && error != std::errc::result_out_of_range))
        return make_error_code(SettingsError::NotANumber);
    if (error == std::errc::result_out_of_range || value < lowest || value > highest)
        return make_error_code(SettingsError::NumberOutOfRange);
    return value;
}

Result<std::int16_t> SettingsReader::readNumber16() {
    using Limits = std::numeric_limits<std::int16_t>;
    auto value = readNumber(Limits::min(), Limits::max());
    if (!value)
        return value.error();
    return static_cast<std::int16_t>(*value);
}

Result<std::int32_t> SettingsReader::readNumber32() {
    using Limits = std::numeric_limits<std::int32_t>;
    auto value = readNumber(Limits::min(), Limits::max());
    if (!value)
        return value.error();
    return static_cast<std::int32_t>(*value);
}

} // namespace tidecopy
