#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tidecopy::cli {

enum class ScheduleAction { Daily, AtLogin, Remove, List };

// What `tidecopy-cli schedule` is asked to do.
struct ScheduleRequest {
    ScheduleAction action = ScheduleAction::List;
    int hour = 0; // the time of day of a daily run
    int minute = 0;
    bool operator==(const ScheduleRequest&) const = default;
};

// "H:MM" or "HH:MM" on a 24-hour clock, as a daily request.
std::optional<ScheduleRequest> dailyAt(std::string_view text);

// Parses the words after "schedule": a profile and one of --daily HH:MM, --at-login and
// --remove, or --list alone. Answers the reason when they are not understood, else empty.
std::string parseScheduleArguments(std::span<const std::string_view> arguments,
                                   std::string& profile, ScheduleRequest& request);

} // namespace tidecopy::cli
