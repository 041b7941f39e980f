#include "CliFixture.h"

#include <filesystem>

namespace tidecopy::test {
namespace {

class CliApplication : public CliFixture {};

TEST_F(CliApplication, RunBacksUpAndPrintsTheLogWithLineFeeds) {
    saveProfile();
    EXPECT_EQ(cli({"run", "job"}), 0) << err.str();
    EXPECT_EQ(temp.readFile("dst/src/sub/b.txt"), "beta");
    EXPECT_NE(out.str().find("\n*** BACKUP Started at 2026-12-06 10:00:00\n"), std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("\nAll Files Copied (2)\n"), std::string::npos);
    EXPECT_EQ(out.str().find('\r'), std::string::npos);
}

TEST_F(CliApplication, ExitStatusesTellWhatHappened) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::string_view> arguments;
        int status;
        const char* errorText;
    };
    const std::string missing = temp / "gone";
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
        {"missing source folder",
         [&] { state.Dir1 = missing; },
         {"run", "job"},
         2,
         "does not exist"},
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
        {"refused by a check",
         [this] { state.Dir2 = state.Dir1; },
         {"run", "job"},
         3,
         "Tidecopy: Source and Target folder can not be the same!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(temp / "dst");
        temp.makeFolder("dst");
        fs.clearFaults();
        resetProfile();
        if (c.arrange)
            c.arrange();
        saveProfile();
        EXPECT_EQ(cli(c.arguments), c.status) << err.str();
        EXPECT_NE(err.str().find(c.errorText), std::string::npos) << err.str();
    }
}

TEST_F(CliApplication, MissingDestinationIsRefusedWithItsName) {
    state.Dir2 = temp / "unplugged/backup";
    saveProfile();
    EXPECT_EQ(cli({"run", "job"}), 2);
    EXPECT_EQ(err.str(), "tidecopy-cli: the destination folder '" + temp / "unplugged/backup" +
                             "' of profile '" + temp / "program/Profiles/job.prof" +
                             "' does not exist\n");
    EXPECT_FALSE(temp.exists("unplugged"));
}

TEST_F(CliApplication, DamagedProfileIsRefused) {
    temp.writeFile("program/Profiles/job.prof", ";Orn-Tidecopy v1.0\r\n-1 \r\n");
    EXPECT_EQ(cli({"run", "job"}), 2);
    EXPECT_NE(err.str().find("could not be read completely"), std::string::npos) << err.str();
    EXPECT_TRUE(std::filesystem::is_empty(temp / "dst"));
}

TEST_F(CliApplication, PreviewCopiesNothing) {
    saveProfile();
    EXPECT_EQ(cli({"preview", "job"}), 0);
    EXPECT_NE(out.str().find("\n2 Files will be copied.\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(temp / "dst"));
}

TEST_F(CliApplication, AfterActionsRunUnlessSuppressed) {
    options.ShutdownMode = 2;
    options.chkLog = 1;
    saveProfile();
    EXPECT_EQ(cli({"run", "job", "--no-after-actions"}), 0);
    EXPECT_TRUE(power.requests.empty());
    EXPECT_NE(err.str().find("not done (--no-after-actions)"), std::string::npos);

    bool logSavedFirst = false;
    power.onRequest = [&](PowerAction) {
        logSavedFirst = !std::filesystem::is_empty(temp / "program/Logs");
    };
    std::filesystem::remove_all(temp / "program/Logs");
    std::filesystem::remove_all(temp / "dst/src");
    temp.makeFolder("program/Logs");
    EXPECT_EQ(cli({"run", "job"}), 0);
    EXPECT_EQ(power.requests, std::vector<PowerAction>{PowerAction::ShutDown});
    EXPECT_TRUE(logSavedFirst);
    EXPECT_NE(out.str().find("\nShutdown PC Enabled: executing command...\n"), std::string::npos);
}

TEST_F(CliApplication, ShowPrintsEveryValueInFileOrder) {
    state.cmbSourceHistory.items = {"/a", "/b"};
    state.cmbSourceHistory.selected = 1;
    options.LogLimit = "5000";
    saveProfile();
    EXPECT_EQ(cli({"show", "job"}), 0);
    const std::string text = out.str();
    for (const std::string& line : std::vector<std::string>{
             "optAllCopy = 0\n", "optSelectiveCopy = -1\n", "chkSubFolders = 1\n",
             "PreserveExtension = bak\n", "LogLimit = 5000\n", "PaneColors[0] = -2147483643\n",
             "cmbSourceHistory.selected = 1\n", "Dir1 = " + temp / "src" + "\n",
             "cmbSourceHistory[1] = /b\n", "cmbPattern.text = *.* [All Files]\n"})
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
