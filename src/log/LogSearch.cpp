#include "log/LogSearch.h"

#include <algorithm>

namespace tidecopy {

namespace {

std::u16string foldAToZ(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& c : folded)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return folded;
}

} // namespace

LogSearch::LogSearch(Prompts& prompts, CaseFolding fold)
    : m_prompts(prompts)
    , m_fold(fold ? std::move(fold) : CaseFolding(foldAToZ)) {}

std::optional<TextSpan> LogSearch::find(std::u16string_view text, std::u16string word) {
    if (word.empty())
        return std::nullopt;
    m_strOldfind = std::move(word);
    m_findNextEnabled = true;
    return searchFrom(text, 0);
}

std::optional<TextSpan> LogSearch::findNext(std::u16string_view text, TextSpan selection) {
    if (m_strOldfind.empty())
        return std::nullopt;
    // A selection the user made himself is passed over as a whole.
    const std::size_t from =
        selection == m_lastSelection ? m_lastMatchEnd : selection.start + selection.length;
    return searchFrom(text, from);
}

std::optional<TextSpan> LogSearch::searchFrom(std::u16string_view text, std::size_t from) {
    const std::u16string word = m_fold(m_strOldfind);
    // Past the end there is nothing left to search.
    const std::u16string_view rest = text.substr(std::min(from, text.size()));
    std::size_t start = m_fold(rest).find(word);
    if (start != std::u16string::npos)
        start += from;
    if (start == std::u16string::npos) {
        m_lastSelection.reset();
        m_prompts.message("", "No more occurances of this word.", PromptButtons::Ok,
                          PromptIcon::Information);
        return std::nullopt;
    }
    m_lastMatchEnd = start + word.size();
    const bool blankFollows = text.substr(m_lastMatchEnd).starts_with(u' ');
    m_lastSelection = TextSpan{start, word.size() + (blankFollows ? 1 : 0)};
    return m_lastSelection;
}

} // namespace tidecopy
