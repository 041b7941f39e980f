#pragma once

#include "platform/Prompts.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tidecopy {

// A stretch of the log view's text, in the view's positions (UTF-16 code units, one per
// line break).
struct TextSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    bool operator==(const TextSpan&) const = default;
};

// The search of frmFind in the log view: Find starts at the top, Find Next goes on after
// the last match. A match is selected with the blank that directly follows it. Letters
// compare without regard to case (the front end gives the case folding; without one,
// A to Z only) and parts of words match.
class LogSearch {
public:
    using CaseFolding = std::function<std::u16string(std::u16string_view)>;

    explicit LogSearch(Prompts& prompts, CaseFolding fold = {});

    // The last word searched for; the dialog opens with it.
    const std::u16string& strOldfind() const { return m_strOldfind; }
    // Find Next is offered once a word was searched for.
    bool findNextEnabled() const { return m_findNextEnabled; }

    // Find (cmdFind): an empty word does nothing; otherwise it is remembered and searched
    // for from the start. The selection to show, or nullopt after saying there is none.
    std::optional<TextSpan> find(std::u16string_view text, std::u16string word);
    // Find Next (cmdfindnext): searches on after the selection; after a match of ours
    // that is the end of the match, so "an" is found twice in "banana".
    std::optional<TextSpan> findNext(std::u16string_view text, TextSpan selection);

private:
    std::optional<TextSpan> searchFrom(std::u16string_view text, std::size_t from);

    Prompts& m_prompts;
    CaseFolding m_fold;
    std::u16string m_strOldfind;
    bool m_findNextEnabled = false;
    std::optional<TextSpan> m_lastSelection;
    std::size_t m_lastMatchEnd = 0;
};

} // namespace tidecopy
