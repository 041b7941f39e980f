#pragma once

#include "platform/Platform.h"
#include "support/FakeClock.h"
#include "support/FakePower.h"
#include "support/FakeShell.h"
#include "support/FakeSound.h"
#include "support/FakeVolumes.h"

#include <map>
#include <string>

namespace tidecopy::test {

// No user folder is known.
inline std::string noUserFolder(UserFolder) {
    return {};
}

// A settings store that keeps its values in memory.
class FakeSettingsStore : public SettingsStore {
public:
    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue) override {
        const auto found = values.find(application + "/" + section + "/" + key);
        return found == values.end() ? defaultValue : found->second;
    }
    std::error_code save(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& value) override {
        values[application + "/" + section + "/" + key] = value;
        return {};
    }
    std::error_code remove(const std::string& application, const std::string& section,
                           const std::string& key) override {
        values.erase(application + "/" + section + "/" + key);
        return {};
    }
    std::map<std::string, std::string> values;
};

// A platform for a test: the file system the test gives, fakes for every other service,
// and an environment the test points into its own temporary folder. No user folder is
// known until the test says so.
struct FakePlatform {
    explicit FakePlatform(FileSystem& fs)
        : platform{fs,          volumes,      clock, power, shell, sound, settingsStore,
                   environment, noUserFolder, {},    {}} {}

    FakeVolumes volumes;
    FakeClock clock;
    FakePower power;
    FakeShell shell;
    FakeSound sound;
    FakeSettingsStore settingsStore;
    Environment environment;
    Platform platform;
};

} // namespace tidecopy::test
