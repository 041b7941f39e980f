#include "update/SystemInformation.h"

#include "support/FakeShell.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <set>

namespace tidecopy {
namespace {

// The first installed tool is started; none, or a failed start, says so.
TEST(SystemInformation, StartsTheFirstInstalledToolOrSaysItIsUnavailable) {
    struct Case {
        const char* name;
        std::set<std::string> installed;
        bool startFails;
        std::vector<std::string> started;
        bool unavailable;
    };
    const Case cases[] = {
        {"none", {}, false, {}, true},
        {"the second", {"gnome-system-monitor"}, false, {"/bin/gnome-system-monitor"}, false},
        {"first and last", {"kinfocenter", "hardinfo"}, false, {"/bin/kinfocenter"}, false},
        {"the last", {"hardinfo"}, false, {"/bin/hardinfo"}, false},
        {"fails to start", {"hardinfo"}, true, {"/bin/hardinfo"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeShell shell;
        if (c.startFails)
            shell.startError = std::make_error_code(std::errc::permission_denied);
        test::ScriptedPrompts prompts;
        if (c.unavailable)
            prompts.expectMessage("", "System Information Is Unavailable At This Time",
                                  PromptButtons::Ok);
        StartSystemInformation(
            [&c](const std::string& name) {
                return c.installed.contains(name) ? "/bin/" + name : std::string();
            },
            shell, prompts);
        EXPECT_EQ(shell.started, c.started);
    }
}

} // namespace
} // namespace tidecopy
