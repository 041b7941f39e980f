#include "log/ActivityLog.h"

#include <algorithm>

namespace tidecopy {

namespace {

// A UTF-8 continuation byte belongs to the character before it.
bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Below this much dropped text, moving the kept text down is not worth it.
constexpr std::size_t minimumCompaction = 4096;

} // namespace

std::size_t logCharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

void ActivityLog::append(std::string_view text) {
    if (text.empty())
        return;
    const std::size_t oldCharacters = m_characterCount;
    const std::size_t oldEnd = m_buffer.size();
    // Counted first: text may be a view of this log's own text.
    m_characterCount += logCharacterCount(text);
    m_buffer.append(text);
    const std::size_t dropped = applyMaxLength();
    m_logDirty = true;

    if (m_listener) {
        const std::size_t addedFrom = std::max(oldEnd, m_start);
        m_listener(LogChange{std::string_view(m_buffer).substr(addedFrom),
                             std::min(dropped, oldCharacters)});
    }
    compact();
}

void ActivityLog::replaceText(std::string text) {
    replace(std::move(text), LengthRule::Unbounded);
}

void ActivityLog::load(std::string text) {
    replace(std::move(text), LengthRule::Bounded);
}

void ActivityLog::replace(std::string text, LengthRule rule) {
    const std::size_t oldCharacters = m_characterCount;
    m_buffer = std::move(text);
    m_start = 0;
    m_noLineFeedBefore = 0;
    m_characterCount = logCharacterCount(m_buffer);
    if (rule == LengthRule::Bounded)
        applyMaxLength();
    m_logDirty = true;
    if (m_listener)
        m_listener(LogChange{this->text(), oldCharacters});
    compact();
}

std::string_view ActivityLog::text() const {
    return std::string_view(m_buffer).substr(m_start);
}

std::size_t ActivityLog::applyMaxLength() {
    if (m_maxLength == 0 || m_characterCount <= m_maxLength)
        return 0;
    std::size_t dropped = 0;
    m_start = firstKeptPosition(m_characterCount - m_maxLength, dropped);
    m_characterCount -= dropped;
    return dropped;
}

// The first line start that leaves at most m_maxLength characters, or, when the newest
// line alone is longer, the first character that does.
std::size_t ActivityLog::firstKeptPosition(std::size_t excess, std::size_t& dropped) {
    std::size_t position = m_start;
    while (dropped < excess) {
        if (startsCharacter(m_buffer[position]))
            ++dropped;
        ++position;
    }
    while (!startsCharacter(m_buffer[position]))
        ++position;
    if (m_buffer[position - 1] == '\n')
        return position;

    // A line feed in the last place would leave nothing; that is not a line to keep.
    const std::size_t searchFrom = std::max(position, m_noLineFeedBefore);
    const std::size_t lineFeed = m_buffer.find('\n', searchFrom);
    if (lineFeed == std::string::npos || lineFeed + 1 == m_buffer.size()) {
        m_noLineFeedBefore = lineFeed == std::string::npos ? m_buffer.size() : lineFeed;
        return position;
    }
    dropped +=
        logCharacterCount(std::string_view(m_buffer).substr(position, lineFeed + 1 - position));
    return lineFeed + 1;
}

void ActivityLog::compact() {
    if (m_start < minimumCompaction || m_start < m_buffer.size() / 2)
        return;
    m_buffer.erase(0, m_start);
    m_noLineFeedBefore = m_noLineFeedBefore > m_start ? m_noLineFeedBefore - m_start : 0;
    m_start = 0;
}

} // namespace tidecopy
