#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tidecopy {

// The number of characters (Unicode code points) of UTF-8 text, as the log counts them.
std::size_t logCharacterCount(std::string_view text);

// What one change did to the log text: the new text is the old text without its first
// droppedCharacters characters, followed by added.
struct LogChange {
    std::string_view added;
    std::size_t droppedCharacters = 0;
};

// The activity log's plain text, its maximum length and LogDirty; the view shows it and
// is told of every change. Not thread-safe: every call must come from one thread (the
// window marshals appends from a running backup to its own thread).
//
// Characters are Unicode code points of the UTF-8 text. Lines end in CR LF; callers put
// them. A maximum length of 0 means unlimited. When an append would pass the maximum,
// the oldest whole lines are dropped so that the newest text stays; a change of the
// maximum itself leaves the text alone until the next append.
class ActivityLog {
public:
    using ChangeListener = std::function<void(const LogChange&)>;

    // Amortised constant time per appended character; the text is never rewritten.
    void append(std::string_view text);
    // New Log and the user's own edits.
    void replaceText(std::string text);
    // Open Log: the text replaces the log's; of a text longer than the maximum length
    // only the newest part stays, as appends keep it.
    void load(std::string text);

    std::string_view text() const;
    std::size_t characterCount() const { return m_characterCount; }

    std::size_t maxLength() const { return m_maxLength; }
    void setMaxLength(std::size_t maxLength) { m_maxLength = maxLength; }

    // Set by every change of the text; cleared by New, Open and Save.
    bool LogDirty() const { return m_logDirty; }
    void clearLogDirty() { m_logDirty = false; }

    void setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }

private:
    // Whether a replacing text is kept within the maximum length (the user's edits are
    // not: the view already shows them whole).
    enum class LengthRule { Unbounded, Bounded };
    void replace(std::string text, LengthRule rule);
    // Drops the oldest text so that at most m_maxLength characters remain; answers how
    // many characters went.
    std::size_t applyMaxLength();
    std::size_t firstKeptPosition(std::size_t excess, std::size_t& dropped);
    void compact();

    // The text is m_buffer from m_start on; dropping old text only moves m_start.
    std::string m_buffer;
    std::size_t m_start = 0;
    std::size_t m_characterCount = 0;
    // No line feed lies in m_buffer between m_start and this position (a search that
    // found none is not repeated over the same text).
    std::size_t m_noLineFeedBefore = 0;
    std::size_t m_maxLength = 0;
    bool m_logDirty = false;
    ChangeListener m_listener;
};

} // namespace tidecopy
