#include "platform/posix/PosixFolders.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tidecopy {
namespace {

// Sets an environment variable for as long as it lives (nullopt: unset), then puts back
// what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<std::string> value)
        : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(value);
    }
    ~ScopedVariable() { set(m_old); }

private:
    void set(const std::optional<std::string>& value) {
        if (value)
            ::setenv(m_name, value->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(PosixFolders, TheUsersFoldersComeFromHomeAndXdgConfigHome) {
    struct Case {
        std::optional<std::string> home;
        std::optional<std::string> xdgConfigHome;
        const char* homeFolder;
        const char* configHome;
    };
    const Case cases[] = {
        {"/home/ann", std::nullopt, "/home/ann", "/home/ann/.config"},
        {"/home/ann", "/etc/ann", "/home/ann", "/etc/ann"},
        // Only an absolute XDG_CONFIG_HOME counts.
        {"/home/ann", "relative", "/home/ann", "/home/ann/.config"},
        {std::nullopt, std::nullopt, "", "/tmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.home.value_or("no HOME"));
        const ScopedVariable home("HOME", c.home);
        const ScopedVariable config("XDG_CONFIG_HOME", c.xdgConfigHome);
        EXPECT_EQ(userHomeFolder(), c.homeFolder);
        EXPECT_EQ(userConfigHome(), c.configHome);
    }
}

} // namespace
} // namespace tidecopy
