#include "CliFixture.h"

#include <algorithm>
#include <filesystem>

namespace tidecopy::test {
namespace {

class CliApplication : public CliFixture {};

TEST_F(CliApplication, ExitStatusesTellWhatHappened) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::string_view> arguments;
        int status;
        std::string errorText;
        bool printsNothing = false; // no log: the run never started
    };
    const std::string missing = temp / "unplugged/backup";
    const auto backUpWithList = [this] {
        options.chkChecksumList = 1;
        saveProfile();
        ASSERT_EQ(cli({"run", "job"}), 0) << err.str();
    };
    const Case cases[] = {
        {"nothing to copy is still success",
         [this] { state.Dir1 = temp.makeFolder("empty"); },
         {"run", "job.prof"},
         0,
         ""},
        {"a failed file",
         [this] { temp.makeFolder("dst/src/a.txt/in-the-way"); },
         {"run", "job"},
         1,
         ""},
        {"no such profile",
         nullptr,
         {"run", "nobody"},
         2,
         "tidecopy-cli: cannot read profile 'nobody': no such file"},
        {"missing destination folder",
         [&] { state.Dir2 = missing; },
         {"run", "job"},
         2,
         "tidecopy-cli: the destination folder '" + missing + "' of profile '" +
             temp / "program/Profiles/job.prof" + "' does not exist\n"},
        {"bad usage", nullptr, {"run"}, 2, "tidecopy-cli: 'run' needs a profile"},
        {"confirmation without a terminal",
         [this] { options.chkConfirmationBackup = 1; },
         {"run", "job"},
         3,
         "use --yes"},
        {"confirmation answered by --yes",
         [this] { options.chkConfirmationBackup = 1; },
         {"run", "job", "--yes"},
         0,
         "(answered yes: --yes)"},
        {"the destination could not be flushed",
         [this] {
             fs.failOn(FsOperation::FlushVolume, "dst", std::make_error_code(std::errc::io_error));
         },
         {"run", "job"},
         1,
         ""},
        {"a preview", nullptr, {"preview", "job"}, 0, ""},
        {"refused by a check",
         [this] { state.Dir2 = state.Dir1; },
         {"run", "job"},
         3,
         "Tidecopy: Source and Target folder can not be the same!",
         true},
        // Ctrl+C, or SIGTERM from a systemd timer, while the folders are read.
        {"cancelled before the first file",
         [this] { flags.CancelRequested = true; },
         {"run", "job"},
         3,
         ""},
        // ~/.config can be backed up, by a profile that is itself hidden.
        {"hidden folders and profile",
         [this] {
             temp.writeFile(".config/app.conf", "x");
             state.Dir1 = temp / ".config";
             state.Dir2 = temp.makeFolder(".backup");
             saveProfile(".nightly.prof");
         },
         {"run", ".nightly"},
         0,
         ""},
        {"verify: every listed file intact", [&] { backUpWithList(); }, {"verify", "job"}, 0, ""},
        {"verify: a file changed",
         [&] {
             backUpWithList();
             temp.writeFile("dst/src/a.txt", "ALPHA");
         },
         {"verify", "job"},
         1,
         ""},
        {"verify: no checksum list", nullptr, {"verify", "job"}, 2, ""},
        {"verify: no destination folder",
         [&] { state.Dir2 = missing; },
         {"verify", "job"},
         2,
         "tidecopy-cli: the destination folder '" + missing + "' of profile"},
        {"verify: cancelled",
         [&] {
             backUpWithList();
             flags.CancelRequested = true;
         },
         {"verify", "job"},
         3,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(temp / "dst");
        temp.makeFolder("dst");
        fs.clearFaults();
        resetProfile();
        flags.CancelRequested = false;
        if (c.arrange)
            c.arrange();
        saveProfile();
        EXPECT_EQ(cli(c.arguments), c.status) << err.str();
        EXPECT_NE(err.str().find(c.errorText), std::string::npos) << err.str();
        if (c.printsNothing) {
            EXPECT_EQ(out.str(), "");
        }
    }
}

// One daily log file per text, within the profile's limit, ending its last line as the
// output does.
TEST_F(CliApplication, DailyLogFiles) {
    struct Case {
        const char* name;
        std::int16_t chkCloseProg, ShutdownMode;
        const char* source;
        const char* LogLimit;
        std::size_t files;
        const char* ending; // of the newest file
    };
    const auto logFiles = [this] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp / "program/Logs"))
            names.push_back(entry.path().filename().string());
        return names;
    };
    for (int i = 0; i < 20; ++i)
        temp.writeFile("many/file" + std::to_string(i), "x");
    temp.makeFolder("empty");
    const Case cases[] = {
        {"closing the program", 1, 0, "src", "", 1,
         "\r\nClose Program Enabled: Closing Tidecopy...\r\n"},
        {"shutting down, then closing", 1, 2, "src", "", 2,
         "\r\nClose Program Enabled: Closing Tidecopy...\r\n"},
        {"nothing to copy, closing on", 1, 0, "empty", "", 1, "errors/problems during backup.\r\n"},
        {"a log limit", 0, 0, "many", "1000", 1, "make this backup was-> 00:00:01\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* folder : {"program/Logs", "dst"}) {
            std::filesystem::remove_all(temp / folder);
            temp.makeFolder(folder);
        }
        resetProfile();
        options.chkLog = options.chkLogDetails = 1;
        options.chkCloseProg = c.chkCloseProg;
        options.ShutdownMode = c.ShutdownMode;
        options.LogLimit = c.LogLimit;
        state.Dir1 = temp / c.source;
        saveProfile();
        std::size_t logsAtShutdown = 0;
        power.onRequest = [&](PowerAction) {
            logsAtShutdown = logFiles().size();
        };
        EXPECT_EQ(cli({"run", "job"}), 0) << err.str();
        // The log is saved before the computer goes down.
        EXPECT_EQ(logsAtShutdown, c.ShutdownMode != 0 ? 1u : 0u);
        // Line feeds for a terminal; all of the log, and its last line ended.
        EXPECT_TRUE(out.str().starts_with("\n*** BACKUP Started at ")) << out.str();
        EXPECT_TRUE(out.str().ends_with('\n')) << out.str();
        EXPECT_EQ(out.str().find('\r'), std::string::npos);
        const std::vector<std::string> logs = logFiles();
        ASSERT_EQ(logs.size(), c.files);
        const std::string newest =
            temp.readFile("program/Logs/" + *std::max_element(logs.begin(), logs.end()));
        EXPECT_TRUE(newest.ends_with(c.ending)) << newest;
        if (*c.LogLimit != '\0') {
            EXPECT_LE(newest.size(), 1000u);
        }
    }
}

TEST_F(CliApplication, DamagedProfileIsRefused) {
    // A profile that ends right after a source folder that is not there names the folder.
    state.Dir1 = temp / "gone";
    const std::string full = settingsFileText(options, state);
    std::size_t end = 0;
    for (int line = 0; line < 37; ++line)
        end = full.find("\r\n", end) + 2;
    const std::pair<std::string, std::string> cases[] = {
        {";Orn-Tidecopy v1.0\r\n-1 \r\n", "could not be read completely"},
        {full.substr(0, end), "the source folder '" + temp / "gone" + "' of profile"}};
    for (const auto& [text, reason] : cases) {
        temp.writeFile("program/Profiles/job.prof", text);
        EXPECT_EQ(cli({"run", "job"}), 2);
        EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
        EXPECT_TRUE(std::filesystem::is_empty(temp / "dst"));
    }
}

TEST_F(CliApplication, NoAfterActionsSuppressesThePowerActions) {
    options.ShutdownMode = 2;
    saveProfile();
    for (bool filesToCopy : {true, false}) {
        EXPECT_EQ(cli({"run", "job", "--no-after-actions"}), 0);
        // Without files to copy there was nothing to do after the run.
        EXPECT_EQ(err.str().find("not done (--no-after-actions)") != std::string::npos,
                  filesToCopy);
    }
    EXPECT_TRUE(power.requests.empty());
}

TEST_F(CliApplication, ShowPrintsEveryValueInFileOrderAsARunTakesIt) {
    state.cmbSourceHistory.items = {"/a", "/b"};
    state.cmbSourceHistory.selected = 1;
    options.LogLimit = "5000";
    std::string profile = settingsFileText(options, state);
    // A field ends at its first comma: the run reads "o", too short, and keeps "bak".
    const std::string saved = "\r\nbak\r\n";
    profile.replace(profile.find(saved), saved.size(), "\r\no,ld\r\n");
    temp.writeFile("program/Profiles/job.prof", profile);
    EXPECT_EQ(cli({"show", "job"}), 0);
    const std::string text = out.str();
    for (const std::string& line : std::vector<std::string>{
             "optAllCopy = 0\n", "optSelectiveCopy = -1\n", "chkSubFolders = 1\n",
             "PreserveExtension = bak   (in the file: \"o,ld\")\n",
             "chkeditLog = 1   (in the file: \" 0 \")\n", "LogLimit = 5000\n",
             "PaneColors[0] = -2147483643\n", "cmbSourceHistory.selected = 1\n",
             "Dir1 = " + temp / "src" + "\n", "cmbSourceHistory[1] = /b\n",
             "cmbPattern.text = *.* [All Files]\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_LT(text.find("chkOnlyNewFiles"), text.find("chkLogUser"));
    EXPECT_EQ(text.find("cmbSourceHistory[2]"), std::string::npos);
    EXPECT_EQ(text.find("[Start"), std::string::npos);
}

TEST_F(CliApplication, ShowReportsAProfileThatEndsEarly) {
    const std::string cut = temp.writeFile("cut.prof", ";Orn-Tidecopy v1.0\r\n-1 \r\n 0 \r\n");
    EXPECT_EQ(cli({"show", cut}), 2);
    EXPECT_EQ(out.str(), "optAllCopy = -1\noptSelectiveCopy = 0\n");
    EXPECT_NE(err.str().find("ends after line 3 of 71"), std::string::npos);
}

} // namespace
} // namespace tidecopy::test
