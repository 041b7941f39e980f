#include "CliFixture.h"
#include "CliProcess.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

// The built tidecopy-cli, copied into the temporary program folder so that everything it
// writes (Profiles/, Logs/) stays inside the test's own folder. Its source tree holds
// three files: sub/b.txt, a.txt and c.txt, copied in that order.
class CliBinary : public CliFixture {
protected:
    CliBinary() {
        std::filesystem::copy_file(TIDECOPY_CLI_BINARY, program());
        temp.writeFile("src/c.txt", "gamma");
        // Never a power action from a test.
        options.ShutdownMode = 0;
    }
    std::string program() const { return temp / "program/tidecopy-cli"; }
};

TEST_F(CliBinary, VersionAndUsage) {
    CliProcess version(program(), {"--version"});
    const CliProcess::Result shown = version.finish();
    EXPECT_EQ(shown.exitStatus, 0);
    EXPECT_EQ(shown.out, "tidecopy-cli 1.0.0\n");

    CliProcess bad(program(), {});
    const CliProcess::Result refused = bad.finish();
    EXPECT_EQ(refused.exitStatus, 2);
    EXPECT_NE(refused.err.find("Usage:"), std::string::npos);
}

TEST_F(CliBinary, RunAnswersOnTheTerminalAndCopies) {
    options.chkConfirmationBackup = 1;
    saveProfile();
    CliProcess run(program(), {"run", "job"});
    ASSERT_TRUE(run.waitForError("[y/n]"));
    run.type("y\n");
    const CliProcess::Result result = run.finish();
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("\nAll Files Copied (3)\n"), std::string::npos) << result.out;
    EXPECT_EQ(temp.readFile("dst/src/c.txt"), "gamma");
    // The error stream is a pipe here: no progress line is drawn on it.
    EXPECT_EQ(result.err.find("% - Estimated Time Remaining"), std::string::npos) << result.err;
}

TEST_F(CliBinary, InterruptCancelsTheRunAsTheCancelButtonDoes) {
    // The destination-folder question comes after the listing, so Ctrl+C pressed while it
    // waits cancels the copying itself: the first file's copy stops before its first byte.
    options.chkFolderExist = 1;
    temp.makeFolder("dst/src");
    saveProfile();
    CliProcess run(program(), {"run", "job"});
    ASSERT_TRUE(run.waitForError("Do you want to continue?", std::chrono::seconds(30)))
        << run.finish().err;
    run.signal(SIGINT);
    run.type("y\n");
    const CliProcess::Result result = run.finish();
    EXPECT_EQ(result.exitStatus, 3) << result.err;
    EXPECT_NE(result.out.find("\n* Backup Canceled - 0 of the 3 Files Copied.\n"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(result.out.find("Error Occured"), std::string::npos) << result.out;
    EXPECT_FALSE(temp.exists("dst/src/sub/b.txt"));
    EXPECT_FALSE(temp.exists("dst/src/a.txt"));
}

} // namespace
} // namespace tidecopy::test
