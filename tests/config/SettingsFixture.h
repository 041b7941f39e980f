#pragma once

#include "RecordingSettingsView.h"
#include "config/LoadINI.h"
#include "config/SaveINI.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tidecopy::test {

// A program folder, two pane folders and two spare volumes inside a temporary folder,
// with the state a freshly started window has.
class SettingsFixture : public ::testing::Test {
protected:
    SettingsFixture() {
        environment.programFolder = tmp.makeFolder("prog");
        environment.dataFolder = environment.programFolder;
        volumes.add(tmp.path());
        volumes.add(tmp.makeFolder("usb"));
        volumes.add(tmp.makeFolder("backup"));
        sourceFolder = tmp.makeFolder("src");
        destinationFolder = tmp.makeFolder("dst");
    }

    std::string settingsFile() const { return environment.settingsFilePath(); }

    // Lines joined as SaveINI ends them.
    static std::string joinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
        std::string text;
        for (const std::string& line : lines)
            text += line + end;
        return text;
    }

    // A settings file as a user might have edited it, every value unlike the first start.
    // Each row starts with the line number that tests name.
    std::vector<std::string> handWrittenLines() const {
        // clang-format off
        return {
            /*  1 */ ";Orn-Tidecopy v1.4 written by hand",
            /*  2 */ " 0 ", "-1 ", " 0 ", " 1 ", " 1 ", " 0 ", " 1 ", " 2 ", "old",
            /* 11 */ " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 3 ", " 0 ", " 1 ", "Nightly.prof",
            /* 21 */ " 0 ", " 2 ", " 1500 ", " 3000 ", " 1 ", " 1 ", " 1 ", "5000", " 1 ", " 1 ",
            /* 31 */ " 16711680 ", " 65280 ", " 1 ", " 0 ", "[Start source folders]", " 1 ",
            /* 37 */ sourceFolder, tmp / "old-src", sourceFolder, "", "", "", "", "",
            /* 45 */ "", "", "", "[End source folders]", "[Start target folders]", " 0 ",
            /* 51 */ destinationFolder, destinationFolder, "", "", "", "", "", "",
            /* 59 */ "", "", "", "[End target folders]", "[Start patterns]",
            /* 64 */ "*.TXT [Texts]", "*.TXT [Texts]", "*.* [All Files]", "", "", "", "",
            /* 71 */ "[End patterns]"};
        // clang-format on
    }

    LoadOutcome load(const std::string& path = {}) { return LoadINI(context, path); }

    TempFolder tmp;
    FaultyFileSystem fs;
    FakePlatform fake{fs};
    FakeVolumes& volumes = fake.volumes;
    FakeClock& clock = fake.clock;
    Environment& environment = fake.environment;
    OptionSet options;
    MainState state;
    RecordingSettingsView view;
    SettingsContext context{fake.platform, options, state, view, PathStyle::native()};
    std::string sourceFolder;
    std::string destinationFolder;
};

} // namespace tidecopy::test
