#include "panes/SplitTheText.h"

#include "config/TextEncoding.h"

#include <vector>

namespace tidecopy {

namespace {

// Byte offset of the character at index (0-based) of UTF-8 text; the size past the end.
std::size_t byteOffsetOf(std::string_view text, std::size_t index) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters == index)
            return i;
        ++characters;
    }
    return text.size();
}

// The characters [start, start + count) of UTF-8 text, clipped to its end.
std::string_view characterRange(std::string_view text, std::size_t start, std::size_t count) {
    const std::size_t from = byteOffsetOf(text, start);
    const std::size_t to = byteOffsetOf(text, start + count);
    return text.substr(from, to - from);
}

// length / 2 to the nearest whole number, halves to the even neighbour.
std::size_t halfRoundedToEven(int length) {
    const int half = length / 2;
    if (length % 2 != 0 && half % 2 != 0)
        return static_cast<std::size_t>(half + 1);
    return static_cast<std::size_t>(half);
}

} // namespace

std::string SplitTheText(std::string_view text, char delimiter, int length) {
    if (characterCount(text) < 27)
        return std::string(text);

    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(delimiter); at != std::string_view::npos;
         at = text.find(delimiter, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));

    const std::size_t limit = length > 0 ? static_cast<std::size_t>(length) : 0;
    std::string first;
    std::string second;
    for (std::string_view part : parts) {
        std::string& line = characterCount(first) < limit ? first : second;
        line.append(part);
        line.push_back(delimiter);
    }

    if (static_cast<double>(characterCount(first) + characterCount(second)) > 2.3 * length) {
        first += "....";
        // The kept part starts at a 1-based character position.
        const std::size_t from = halfRoundedToEven(length);
        second = "..." + std::string(characterRange(second, from > 0 ? from - 1 : 0, limit));
    }
    return first + "\r\n" + second;
}

} // namespace tidecopy
