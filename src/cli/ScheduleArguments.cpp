#include "cli/ScheduleArguments.h"

namespace tidecopy::cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<ScheduleRequest> dailyAt(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon < 1 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != colon && !isDigit(text[i]))
            return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const ScheduleRequest request{ScheduleAction::Daily, number(0, colon), number(colon + 1, 2)};
    if (request.hour > 23 || request.minute > 59)
        return std::nullopt;
    return request;
}

std::string parseScheduleArguments(std::span<const std::string_view> arguments,
                                   std::string& profile, ScheduleRequest& request) {
    std::optional<ScheduleRequest> chosen;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        std::optional<ScheduleRequest> form;
        if (argument == "--daily") {
            if (i + 1 == arguments.size())
                return "'--daily' needs a time of day (HH:MM)";
            form = dailyAt(arguments[++i]);
            if (!form)
                return "'" + std::string(arguments[i]) + "' is not a time of day (HH:MM)";
        } else if (argument == "--at-login") {
            form = ScheduleRequest{ScheduleAction::AtLogin};
        } else if (argument == "--remove") {
            form = ScheduleRequest{ScheduleAction::Remove};
        } else if (argument == "--list") {
            form = ScheduleRequest{ScheduleAction::List};
        } else if (argument.starts_with("--")) {
            return "'" + std::string(argument) + "' is not an option of 'schedule'";
        } else if (!profile.empty()) {
            return "only one profile can be given";
        } else {
            profile = argument;
            continue;
        }
        if (chosen)
            return "only one of --daily, --at-login, --remove and --list can be given";
        chosen = form;
    }
    if (!chosen)
        return "'schedule' needs one of --daily HH:MM, --at-login, --remove and --list";
    if (chosen->action == ScheduleAction::List && !profile.empty())
        return "'--list' takes no profile";
    if (chosen->action != ScheduleAction::List && profile.empty())
        return "'schedule' needs a profile";
    request = *chosen;
    return {};
}

} // namespace tidecopy::cli
