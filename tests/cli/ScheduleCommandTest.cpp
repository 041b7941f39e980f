#include "CliFixture.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>

namespace tidecopy::test {
namespace {

// Schedules are written into config/systemd/user of the test's folder; nothing here
// starts systemd.
class Schedule : public CliFixture {
protected:
    std::string units(std::string_view relative = {}) const {
        return temp / ("config/systemd/user/" + std::string(relative));
    }
    std::string unitText(std::string_view name) const {
        return temp.readFile("config/systemd/user/" + std::string(name));
    }
    // Every file below the systemd user folder, links included, folders left out.
    std::vector<std::string> unitFiles() const {
        std::vector<std::string> files;
        if (!std::filesystem::exists(units()))
            return files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(units()))
            if (!entry.is_directory() || entry.is_symlink())
                files.push_back(std::filesystem::relative(entry.path(), units()).string());
        std::sort(files.begin(), files.end());
        return files;
    }
    // What `systemctl --user enable` would add.
    void enable(const std::string& unit) {
        std::filesystem::create_directories(units("timers.target.wants"));
        std::filesystem::create_symlink("../" + unit, units("timers.target.wants/" + unit));
    }
};

TEST_F(Schedule, EachFormWritesItsTimerAndTheServiceThatRunsTheProfile) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::string timer;
        std::string output;
    };
    const std::string header = "# Written by tidecopy-cli schedule.\n[Unit]\n";
    const Case cases[] = {
        {{"schedule", "job", "--daily", "2:05"},
         header + "Description=Tidecopy backup with profile 'job', daily at 02:05\n\n"
                  "[Timer]\nOnCalendar=*-*-* 02:05:00\n"
                  "# A run missed while the computer was off follows when it starts again.\n"
                  "Persistent=true\n\n[Install]\nWantedBy=timers.target\n",
         "Wrote " + units("tidecopy-job.timer") + "\nWrote " + units("tidecopy-job.service") +
             "\njob runs daily at 02:05 once its timer is enabled:\n"
             "  systemctl --user daemon-reload\n"
             "  systemctl --user enable --now tidecopy-job.timer\n"
             "Timers of a user run while the user is logged in; to run it at other times too:\n"
             "  loginctl enable-linger\n"},
        {{"schedule", "--at-login", "job.prof"},
         header + "Description=Tidecopy backup with profile 'job', at login\n\n"
                  "[Timer]\nOnStartupSec=1min\n\n[Install]\nWantedBy=timers.target\n",
         "Wrote " + units("tidecopy-job.timer") + "\nWrote " + units("tidecopy-job.service") +
             "\njob runs at login once its timer is enabled:\n"
             "  systemctl --user daemon-reload\n"
             "  systemctl --user enable tidecopy-job.timer\n"},
    };
    saveProfile();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.timer);
        std::filesystem::remove_all(temp / "config");
        ASSERT_EQ(cli(c.arguments), 0) << err.str();
        EXPECT_EQ(out.str(), c.output);
        EXPECT_EQ(unitText("tidecopy-job.timer"), c.timer);
        EXPECT_EQ(unitText("tidecopy-job.service"),
                  header +
                      "Description=Tidecopy backup with profile 'job'\n\n[Service]\n"
                      "Type=oneshot\nNice=10\nIOSchedulingPriority=7\nExecStart=" +
                      temp / "program/tidecopy-cli" + " run " + temp / "program/Profiles/job.prof" +
                      " --yes\n");
        EXPECT_EQ(unitFiles(),
                  (std::vector<std::string>{"tidecopy-job.service", "tidecopy-job.timer"}));
    }
}

// Profile names that systemd and a shell read in their own ways: each survives as a unit
// name, in ExecStart= and in the list, and --remove takes all of it away again.
TEST_F(Schedule, AnyProfileNameIsWrittenListedAndRemoved) {
    struct Case {
        std::string file;
        const char* unit;
        const char* execProfileWord; // in ExecStart=, after the temporary folder's path
    };
    const Case cases[] = {
        {"night ly.prof", "tidecopy-night\\x20ly.timer", "/program/Profiles/night ly.prof\""},
        {"100%-$HOME.prof", "tidecopy-100\\x25\\x2d\\x24HOME.timer",
         "/program/Profiles/100%%-$$HOME.prof\""},
        {"say \"hi\" \\o.prof", "tidecopy-say\\x20\\x22hi\\x22\\x20\\x5co.timer",
         "/program/Profiles/say \\\"hi\\\" \\\\o.prof\""},
        {"it's.v9.prof", "tidecopy-it\\x27s.v9.timer", "/program/Profiles/it's.v9.prof\""},
        {"Sauvegarde été.prof", "tidecopy-Sauvegarde\\x20\\xc3\\xa9t\\xc3\\xa9.timer",
         "/program/Profiles/Sauvegarde été.prof\""},
        {"line\nbreak.prof", "tidecopy-line\\x0abreak.timer",
         "/program/Profiles/line\\x0abreak.prof\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::filesystem::remove_all(temp / "config");
        const std::string profile = saveProfile(c.file);
        const std::string name = std::filesystem::path(profile).stem().string();
        ASSERT_EQ(cli({"schedule", profile, "--daily", "23:59"}), 0) << err.str();
        EXPECT_TRUE(std::filesystem::exists(units(c.unit))) << out.str();
        const std::string service = std::string(c.unit, std::strlen(c.unit) - 6) + ".service";
        EXPECT_NE(unitText(service).find(" \"" + temp.path() + c.execProfileWord + " --yes\n"),
                  std::string::npos)
            << unitText(service);
        ASSERT_EQ(cli({"schedule", "--list"}), 0);
        EXPECT_EQ(out.str(), name + ": daily at 23:59, runs " + profile + " (not enabled)\n");
        enable(c.unit);
        ASSERT_EQ(cli({"schedule", "--list"}), 0);
        EXPECT_EQ(out.str(), name + ": daily at 23:59, runs " + profile + " (enabled)\n");
        ASSERT_EQ(cli({"schedule", profile, "--remove"}), 0) << err.str();
        EXPECT_EQ(unitFiles(), std::vector<std::string>{});
        ASSERT_EQ(cli({"schedule", "--list"}), 0);
        EXPECT_EQ(out.str(), "No schedules.\n");
    }
}

TEST_F(Schedule, RemoveTakesTheEnabledLinkAndTellsHowToStopTheTimer) {
    saveProfile();
    ASSERT_EQ(cli({"schedule", "job", "--at-login"}), 0);
    enable("tidecopy-job.timer");
    temp.writeFile("config/systemd/user/other.service", "[Service]\n");
    ASSERT_EQ(cli({"schedule", "job", "--remove"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Removed " + units("timers.target.wants/tidecopy-job.timer") +
                             "\nRemoved " + units("tidecopy-job.timer") + "\nRemoved " +
                             units("tidecopy-job.service") +
                             "\nA timer that is still running stops with:\n"
                             "  systemctl --user stop tidecopy-job.timer\n"
                             "  systemctl --user daemon-reload\n");
    EXPECT_EQ(unitFiles(), std::vector<std::string>{"other.service"});
    // The profile may be gone by now; the name alone finds the schedule.
    std::filesystem::remove(temp / "program/Profiles/job.prof");
    ASSERT_EQ(cli({"schedule", "job", "--at-login"}), 2);
    EXPECT_EQ(cli({"schedule", "job", "--remove"}), 2);
    EXPECT_EQ(err.str(), "tidecopy-cli: there is no schedule for 'job'\n");
}

TEST_F(Schedule, ASecondProfileOfTheSameNameIsRefusedAndTheSameOneRescheduled) {
    saveProfile();
    const std::string other = temp.writeFile("elsewhere/job.prof", "x");
    ASSERT_EQ(cli({"schedule", "job", "--daily", "01:00"}), 0);
    const std::string service = unitText("tidecopy-job.service");

    EXPECT_EQ(cli({"schedule", other, "--at-login"}), 3);
    EXPECT_EQ(err.str(), "tidecopy-cli: the schedule 'job' runs the profile '" +
                             temp / "program/Profiles/job.prof" +
                             "'; remove it first: tidecopy-cli schedule " + other + " --remove\n");
    EXPECT_NE(unitText("tidecopy-job.timer").find("OnCalendar=*-*-* 01:00:00"), std::string::npos);

    ASSERT_EQ(cli({"schedule", temp / "program/Profiles/../Profiles/job.prof", "--at-login"}), 0)
        << err.str();
    EXPECT_NE(unitText("tidecopy-job.timer").find("OnStartupSec=1min"), std::string::npos);
    EXPECT_EQ(unitText("tidecopy-job.service"), service);
}

TEST_F(Schedule, RefusalsAndFailuresNameTheirCauseAndLeaveNoHalfSchedule) {
    saveProfile();
    const std::string longest(238, 'n');
    saveProfile(longest + ".prof");
    const std::string tooLong = longest + "n";
    saveProfile(tooLong + ".prof");
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::string_view> arguments;
        int status;
        std::string error;
        std::vector<std::string> filesLeft;
    };
    const std::error_code full = std::make_error_code(std::errc::no_space_on_device);
    const std::error_code busy = std::make_error_code(std::errc::device_or_resource_busy);
    const Case cases[] = {
        {"no such profile",
         nullptr,
         {"schedule", "nobody", "--daily", "1:00"},
         2,
         "tidecopy-cli: cannot read profile 'nobody': no such file\n",
         {}},
        {"the longest name",
         nullptr,
         {"schedule", longest, "--daily", "1:00"},
         0,
         "",
         {"tidecopy-" + longest + ".service", "tidecopy-" + longest + ".timer"}},
        {"a name too long",
         nullptr,
         {"schedule", tooLong, "--daily", "1:00"},
         2,
         "tidecopy-cli: the name '" + tooLong + "' is too long for a schedule\n",
         {}},
        {"no name",
         nullptr,
         {"schedule", "/", "--remove"},
         2,
         "tidecopy-cli: '/' does not name a profile\n",
         {}},
        {"the timer cannot be written",
         [&] { fs.failOn(test::FsOperation::WriteWholeFileAtomically, ".timer", full); },
         {"schedule", "job", "--daily", "1:00"},
         2,
         "tidecopy-cli: cannot write '" + units("tidecopy-job.timer") +
             "': No space left on device\n",
         {}},
        {"the service cannot be written",
         [&] { fs.failOn(test::FsOperation::WriteWholeFileAtomically, ".service", full); },
         {"schedule", "job", "--daily", "1:00"},
         2,
         "tidecopy-cli: cannot write '" + units("tidecopy-job.service") +
             "': No space left on device\n",
         {}},
        {"the folder cannot be made",
         [&] { fs.failOn(test::FsOperation::CreateFolder, "systemd", full); },
         {"schedule", "job", "--daily", "1:00"},
         2,
         "tidecopy-cli: cannot create '" + temp / "config/systemd" + "': No space left on device\n",
         {}},
        {"nothing can be removed",
         [&] {
             ASSERT_EQ(cli({"schedule", "job", "--at-login"}), 0);
             fs.failOn(test::FsOperation::RemoveFile, "user/tidecopy-job.", busy);
         },
         {"schedule", "job", "--remove"},
         2,
         "tidecopy-cli: cannot remove '" + units("tidecopy-job.timer") +
             "': Device or resource busy\ntidecopy-cli: cannot remove '" +
             units("tidecopy-job.service") + "': Device or resource busy\n",
         {"tidecopy-job.service", "tidecopy-job.timer"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(temp / "config");
        fs.clearFaults();
        if (c.arrange)
            c.arrange();
        EXPECT_EQ(cli(c.arguments), c.status) << err.str();
        EXPECT_EQ(err.str(), c.error);
        EXPECT_EQ(unitFiles(), c.filesLeft);
    }
}

} // namespace
} // namespace tidecopy::test
