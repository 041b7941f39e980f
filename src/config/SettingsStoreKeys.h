#pragma once

namespace tidecopy::SettingsStoreKeys {

// Where the program's values live in the per-user settings store.
inline constexpr const char* application = "OrnCaldrix";
inline constexpr const char* section = "Tidecopy";

// "Yes" turns the automatic update check off; anything else, or nothing, leaves it on.
inline constexpr const char* NoURLupdate = "NoURLupdate";
// The update check's calls so far (it checks from the sixth on) and the newest version
// the user declined.
inline constexpr const char* UseCounter = "UseCounter";
inline constexpr const char* Download = "Download";

} // namespace tidecopy::SettingsStoreKeys
