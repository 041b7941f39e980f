#pragma once

#include "engine/BackupRun.h"
#include "support/CaseName.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/RecordingRunHost.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy::test {

// A backup run between temp/src and temp/dst with every service faked or recorded.
// The run starts without a confirmation question and in the relative form, so
// destinations read dst/src/...
class RunFixture : public testing::Test {
protected:
    RunFixture();

    RunOutcome run(RunKind kind = RunKind::Backup);
    std::string logText() const { return std::string(log.text()); }
    std::string source(std::string_view relative) const {
        return temp / ("src/" + std::string(relative));
    }
    std::string destination(std::string_view relative) const {
        return temp / ("dst/" + std::string(relative));
    }
    // The one volume, holding the temporary folder: "/" on POSIX, a drive on Windows.
    std::string volumeRoot() const { return PathStyle::native().rootOf(temp.path()); }
    // That volume as the free-space text names it: a drive by its letter and colon.
    std::string driveText() const {
        const std::string root = volumeRoot();
        return PathStyle::native().flavor() == PathStyle::Flavor::Windows ? root.substr(0, 2)
                                                                          : root;
    }

    TempFolder temp;
    FaultyFileSystem fs;
    FakePlatform fake{fs};
    FakeVolumes& volumes = fake.volumes;
    FakePower& power = fake.power;
    FakeClock& clock = fake.clock;
    Environment& environment = fake.environment;
    ScriptedPrompts prompts;
    RecordingRunHost host;
    OptionSet options;
    MainState state;
    ActivityLog log;
    ActivityRunLog runLog{log};
    RunFlags flags;
    RunContext context;
};

} // namespace tidecopy::test
