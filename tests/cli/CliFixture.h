#pragma once

#include "cli/CliApplication.h"
#include "config/SaveINI.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tidecopy::test {

// A program folder, a source tree and a destination inside a temporary folder, and a
// profile between them that the test adjusts before saving it.
class CliFixture : public testing::Test {
protected:
    CliFixture() {
        volumes.add("/", "", {1'000'000'000, 2'000'000'000});
        temp.makeFolder("program/Profiles");
        temp.makeFolder("program/Logs");
        temp.writeFile("src/a.txt", "alpha");
        temp.writeFile("src/sub/b.txt", "beta");
        temp.makeFolder("dst");
        environment = makeEnvironment(fs, temp / "program", temp / "config");
        resetProfile();
    }

    // The profile of src/ into dst/ that the tests start from.
    void resetProfile() {
        state = MainState{};
        state.Dir1 = temp / "src";
        state.Dir2 = temp / "dst";
        state.chkRelative.checked = true;
        options = OptionSet{};
        options.chkConfirmationBackup = 0;
    }

    std::string saveProfile(const std::string& name = "job.prof") {
        return temp.writeFile("program/Profiles/" + name, settingsFileText(options, state));
    }

    int cli(std::vector<std::string_view> arguments, std::string input = {},
            bool inputIsTerminal = false) {
        std::istringstream in(input);
        out.str({});
        err.str({});
        cli::Terminal terminal{in, out, err, inputIsTerminal, false};
        return cli::runCli(arguments, terminal, fake.platform, flags);
    }

    TempFolder temp;
    FaultyFileSystem fs;
    FakePlatform fake{fs};
    FakeVolumes& volumes = fake.volumes;
    FakePower& power = fake.power;
    FakeClock& clock = fake.clock;
    Environment& environment = fake.environment;
    RunFlags flags;
    OptionSet options;
    MainState state;
    std::ostringstream out;
    std::ostringstream err;
};

} // namespace tidecopy::test
