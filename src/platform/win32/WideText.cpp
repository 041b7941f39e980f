#include "platform/win32/WideText.h"

#include <windows.h>

namespace tidecopy {

namespace {

constexpr char32_t replacement = 0xFFFD;

// The code point starting at text[i] (advancing i); invalid bytes give U+FFFD.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) {
        return static_cast<unsigned char>(text[at]);
    };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + static_cast<std::size_t>(length - 1) > text.size())
        return replacement;
    char32_t value = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i) & 0xC0) != 0x80)
            return replacement;
        value = (value << 6) | (byte(i++) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return value < smallest[length] || value > 0x10FFFF ? replacement : value;
}

void encodeUtf8(char32_t value, std::string& out) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::wstring fullPathOf(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return path; // the call that uses it reports the error
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

} // namespace

std::wstring widened(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t value = decodeUtf8(utf8, i);
        if (value >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((value - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((value - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(value);
        }
    }
    return out;
}

std::string narrowed(std::wstring_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t value = static_cast<char16_t>(utf16[i]);
        if (isHighSurrogate(value) && i + 1 < utf16.size() &&
            isLowSurrogate(static_cast<char16_t>(utf16[i + 1])))
            value =
                0x10000 + ((value - 0xD800) << 10) + (static_cast<char16_t>(utf16[++i]) - 0xDC00);
        encodeUtf8(value, out);
    }
    return out;
}

std::wstring extendedPath(const std::string& path) {
    std::wstring wide = widened(path);
    if (wide.starts_with(LR"(\\?\)") || wide.starts_with(LR"(\\.\)") || wide.empty())
        return wide;
    const std::wstring full = fullPathOf(wide);
    if (full.starts_with(LR"(\\)"))
        return LR"(\\?\UNC\)" + full.substr(2);
    return LR"(\\?\)" + full;
}

std::string ordinaryPath(std::wstring_view path) {
    if (path.starts_with(LR"(\\?\UNC\)"))
        return "\\\\" + narrowed(path.substr(8));
    if (path.starts_with(LR"(\\?\)"))
        return narrowed(path.substr(4));
    return narrowed(path);
}

} // namespace tidecopy
