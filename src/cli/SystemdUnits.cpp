#include "cli/SystemdUnits.h"

#include <cstdio>

namespace tidecopy::cli {

namespace {

constexpr std::string_view unitPrefix = "tidecopy-";
// systemd takes unit names of up to 255 characters; ".service" is the longer suffix.
constexpr std::size_t longestUnitName = 255 - std::string_view(".service").size();
constexpr std::string_view writtenBy = "# Written by tidecopy-cli schedule.\n";
constexpr std::string_view execStartKey = "\nExecStart=";
constexpr std::string_view dailyKey = "\nOnCalendar=*-*-* ";
constexpr std::string_view atLoginKey = "\nOnStartupSec=";

bool isAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// What a word may hold to stand unquoted on a shell command line or in ExecStart=.
bool isPlainWord(std::string_view word) {
    if (word.empty())
        return false;
    for (unsigned char c : word)
        if (!isAsciiAlnum(c) && std::string_view("/_.,+:=@-").find(char(c)) == std::string::npos)
            return false;
    return true;
}

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7f;
}

std::string hexEscape(unsigned char c) {
    char buffer[5];
    std::snprintf(buffer, sizeof buffer, "\\x%02x", c);
    return buffer;
}

// Lower case, as hexEscape and systemd-escape write them.
int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The byte of a "\xNN" escape starting at text[at], if there is one.
std::optional<char> hexEscapeAt(std::string_view text, std::size_t at) {
    if (text.substr(at, 2) != "\\x" || at + 4 > text.size())
        return std::nullopt;
    const int high = hexDigit(text[at + 2]);
    const int low = hexDigit(text[at + 3]);
    if (high < 0 || low < 0)
        return std::nullopt;
    return static_cast<char>(high * 16 + low);
}

// One word of ExecStart=: systemd expands % and $ everywhere, so they are doubled; a word
// with anything else than plain characters is quoted, with C escapes.
std::string execWord(std::string_view word) {
    if (isPlainWord(word))
        return std::string(word);
    std::string quoted = "\"";
    for (unsigned char c : word) {
        if (c == '\\' || c == '"')
            quoted += {'\\', char(c)};
        else if (c == '%' || c == '$')
            quoted += {char(c), char(c)};
        else if (isControl(c))
            quoted += hexEscape(c);
        else
            quoted += char(c);
    }
    return quoted + '"';
}

// The words of an ExecStart= value, read back as execWord wrote them.
std::vector<std::string> execWords(std::string_view value) {
    std::vector<std::string> words;
    std::size_t i = 0;
    for (;;) {
        while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
            ++i;
        if (i == value.size())
            return words;
        std::string word;
        bool quoted = false;
        for (; i < value.size() && (quoted || (value[i] != ' ' && value[i] != '\t')); ++i) {
            const char c = value[i];
            if (c == '"') {
                quoted = !quoted;
            } else if ((c == '%' || c == '$') && i + 1 < value.size() && value[i + 1] == c) {
                word += value[i++];
            } else if (const std::optional<char> byte = hexEscapeAt(value, i)) {
                word += *byte;
                i += 3;
            } else if (c == '\\' && i + 1 < value.size()) {
                word += value[++i];
            } else {
                word += c;
            }
        }
        words.push_back(std::move(word));
    }
}

// The value of the first line starting with key (which starts with a line feed).
std::optional<std::string_view> valueOf(std::string_view text, std::string_view key) {
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = text.substr(at + key.size());
    return rest.substr(0, rest.find('\n'));
}

// The profile name in a Description=: specifiers doubled, control characters blanked, in
// quotes so that a trailing backslash cannot continue the line.
std::string describedProfile(std::string_view profileName) {
    std::string text = "Tidecopy backup with profile '";
    for (unsigned char c : profileName)
        text += c == '%' ? std::string("%%") : std::string(1, isControl(c) ? ' ' : char(c));
    return text + "'";
}

std::string twoDigits(int number) {
    return {char('0' + number / 10), char('0' + number % 10)};
}

} // namespace

std::string whenText(const ScheduleRequest& when) {
    if (when.action == ScheduleAction::Daily)
        return "daily at " + twoDigits(when.hour) + ":" + twoDigits(when.minute);
    return "at login";
}

std::optional<std::string> unitNameOf(std::string_view profileName) {
    if (profileName.empty())
        return std::nullopt;
    std::string name(unitPrefix);
    for (unsigned char c : profileName)
        name += isAsciiAlnum(c) || c == '_' || c == '.' || c == ':' ? std::string(1, char(c))
                                                                    : hexEscape(c);
    if (name.size() > longestUnitName)
        return std::nullopt;
    return name;
}

std::optional<std::string> profileNameOfUnit(std::string_view unitName) {
    if (!unitName.starts_with(unitPrefix) || unitName.size() == unitPrefix.size())
        return std::nullopt;
    std::string name;
    for (std::size_t i = unitPrefix.size(); i < unitName.size(); ++i) {
        if (const std::optional<char> byte = hexEscapeAt(unitName, i)) {
            name += *byte;
            i += 3;
        } else {
            name += unitName[i];
        }
    }
    return name;
}

std::string serviceText(std::string_view profileName, const std::vector<std::string>& command) {
    std::string text(writtenBy);
    text += "[Unit]\nDescription=" + describedProfile(profileName) + "\n\n";
    // A backup in the background gives way to what the user is doing.
    text += "[Service]\nType=oneshot\nNice=10\nIOSchedulingPriority=7\nExecStart=";
    for (std::size_t i = 0; i < command.size(); ++i)
        text += (i == 0 ? "" : " ") + execWord(command[i]);
    return text + "\n";
}

std::vector<std::string> commandOfService(std::string_view text) {
    const std::optional<std::string_view> value = valueOf(text, execStartKey);
    return value ? execWords(*value) : std::vector<std::string>{};
}

std::string timerText(std::string_view profileName, const ScheduleRequest& when) {
    std::string text(writtenBy);
    text += "[Unit]\nDescription=" + describedProfile(profileName) + ", " + whenText(when) +
            "\n\n[Timer]\n";
    if (when.action == ScheduleAction::Daily)
        text += std::string(dailyKey.substr(1)) + twoDigits(when.hour) + ":" +
                twoDigits(when.minute) +
                ":00\n# A run missed while the computer was off follows when it starts again.\n"
                "Persistent=true\n";
    else
        // The user's service manager starts when the user logs in.
        text += std::string(atLoginKey.substr(1)) + "1min\n";
    return text + "\n[Install]\nWantedBy=timers.target\n";
}

std::string whenOfTimer(std::string_view text) {
    if (const std::optional<std::string_view> time = valueOf(text, dailyKey)) {
        if (time->size() == 8 && time->ends_with(":00") && dailyAt(time->substr(0, 5)))
            return "daily at " + std::string(time->substr(0, 5));
    } else if (valueOf(text, atLoginKey)) {
        return "at login";
    }
    return "on a schedule of its own";
}

std::string shellWord(std::string_view text) {
    if (isPlainWord(text))
        return std::string(text);
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace tidecopy::cli
