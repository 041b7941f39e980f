#include "update/UpdateCheck.h"

#include "support/FakePlatform.h"
#include "support/FakeWeb.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

constexpr const char* page = "https://tidecopy.example.org/";
constexpr const char* versionUrl = "https://tidecopy.example.org/dversion.ver";
const char* const upToDate = "Your version is the most recent.\r\nNo need to download an update.";

std::string newVersionText(const std::string& dotted) {
    return "A new version " + dotted +
           " is available!\r\n\r\nDo you want to download the new version?";
}

// The values the tables below are made of.
constexpr auto automatic = CheckMode::Automatic;
constexpr auto manual = CheckMode::Manual;
constexpr auto connected = Reachability::Connected;
constexpr auto disconnected = Reachability::Disconnected;
constexpr auto yes = PromptAnswer::Yes;
constexpr auto no = PromptAnswer::No;
constexpr auto notDue = UpdateCheckEnd::NotDue;
constexpr auto current = UpdateCheckEnd::UpToDate;
constexpr auto asked = UpdateCheckEnd::Asked;
constexpr auto noAnswer = UpdateCheckEnd::NoAnswer;

// A check of version 3.2.0 with its store, its web and the version file in a temporary
// folder.
class UpdateCheckTest : public testing::Test {
protected:
    UpdateCheckEnd check(CheckMode mode) {
        std::optional<UpdateCheckEnd> end;
        updates.CheckForUpdate(mode, [&end](UpdateCheckEnd ended) { end = ended; });
        EXPECT_TRUE(end.has_value());
        return end.value_or(UpdateCheckEnd::Busy);
    }
    void keep(const char* key, const char* value) {
        if (value != nullptr)
            store.save("OrnCaldrix", "Tidecopy", key, value);
    }
    std::string stored(const char* key) { return store.get("OrnCaldrix", "Tidecopy", key, "-"); }
    void expectUpToDateBox() {
        prompts.expectMessage("Version is already up-to-date!", upToDate, PromptButtons::Ok);
    }

    test::TempFolder temp;
    test::FaultyFileSystem fs;
    test::FakeSettingsStore store;
    test::ScriptedPrompts prompts;
    test::FakeWeb web;
    UpdateCheck updates{{store, fs, prompts, web.services},
                        {page, versionUrl, temp / "dversion.ver", 320}};
};

// The counter and the gates of an automatic check; a manual check only counts.
TEST_F(UpdateCheckTest, AutomaticChecksWaitForTheSixthCallAndObeyTheGates) {
    struct Case {
        const char* name;
        const char* counter; // nullptr: never stored
        const char* noUrlUpdate;
        Reachability reachability;
        CheckMode mode;
        UpdateCheckEnd end;
        const char* counterAfter;
    };
    const Case cases[] = {
        {"first call", nullptr, nullptr, connected, automatic, notDue, "2"},
        {"fifth call", "5", nullptr, connected, automatic, notDue, "6"},
        {"sixth call", "6", "No", connected, automatic, current, "7"},
        {"a leading blank", " 9x", nullptr, connected, automatic, current, "10"},
        {"damaged counter", "abc", nullptr, connected, automatic, notDue, "1"},
        {"beyond 32 bits", "9999999999", nullptr, connected, automatic, notDue, "1"},
        {"turned off", "6", "Yes", connected, automatic, UpdateCheckEnd::TurnedOff, "7"},
        {"offline", "6", nullptr, disconnected, automatic, UpdateCheckEnd::Offline, "7"},
        {"cannot tell", "6", nullptr, Reachability::Unknown, automatic, current, "7"},
        {"manual first call", nullptr, nullptr, connected, manual, current, "2"},
        {"manual, turned off, offline", "1", "Yes", disconnected, manual, current, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.values.clear();
        web.fetched.clear();
        keep("UseCounter", c.counter);
        keep("NoURLupdate", c.noUrlUpdate);
        web.state = c.reachability;
        web.reply = "320\r\nTidecopy 3.2.0\r\n";
        const bool downloads = c.end == UpdateCheckEnd::UpToDate;
        if (downloads && c.mode == manual)
            expectUpToDateBox();
        EXPECT_EQ(check(c.mode), c.end);
        EXPECT_EQ(web.fetched,
                  downloads ? std::vector<std::string>{versionUrl} : std::vector<std::string>{});
        EXPECT_EQ(stored("UseCounter"), c.counterAfter);
        EXPECT_TRUE(prompts.done());
    }
}

// What a due check makes of the version file, and of the user's answer; only a manual
// check says that there is nothing newer.
TEST_F(UpdateCheckTest, ANewerVersionIsOfferedOnceAndTheFileIsKept) {
    struct Case {
        const char* name;
        const char* file;
        const char* declined; // "Download" before, nullptr: never stored
        CheckMode mode;
        const char* title;  // of the question; nullptr: no question
        const char* dotted; // the version it names
        PromptAnswer answer;
        UpdateCheckEnd end;
        const char* declinedAfter;
    };
    const Case cases[] = {
        {"declined", "321\r\nTidecopy 3.2.1 is out\r\n", nullptr, automatic,
         "Tidecopy 3.2.1 is out", "3.2.1", no, asked, "321"},
        {"accepted", "321\nTidecopy 3.2.1", nullptr, automatic, "Tidecopy 3.2.1", "3.2.1", yes,
         asked, "-"},
        {"cancelled", "321\nNews", "0", manual, "News", "3.2.1", PromptAnswer::Cancel, asked, "0"},
        {"declined before", "321\nNews", "321", manual, nullptr, "", no, UpdateCheckEnd::Declined,
         "321"},
        {"above the declined", " 322 ,News\r\nnext line", "321", automatic, "News", "3.2.2", no,
         asked, "322"},
        {"empty title", "321\r\n\r\nsecond", nullptr, automatic, "New version available", "3.2.1",
         no, asked, "321"},
        {"one-letter title", "321\nX", nullptr, automatic, "New version available", "3.2.1", no,
         asked, "321"},
        {"no title", "321", nullptr, automatic, "New version available", "3.2.1", no, asked, "321"},
        {"Windows text", "400\r\nCaf\xe9", nullptr, automatic, "Caf\xc3\xa9", "4.0.0", no, asked,
         "400"},
        {"two-digit minor", "3101\nT2", nullptr, automatic, "T2", "3.1.1", no, asked, "3101"},
        {"100 is a version", "100\nT", nullptr, automatic, nullptr, "", no, current, "-"},
        {"99 is no version", "99\r\nOld", nullptr, manual, nullptr, "", no, noAnswer, "-"},
        {"not a number", "<html>", nullptr, manual, nullptr, "", no, noAnswer, "-"},
        {"beyond 16 bits", "40000\nBig", nullptr, manual, nullptr, "", no, noAnswer, "-"},
        {"same version", "320\nT", nullptr, automatic, nullptr, "", no, current, "-"},
        {"older, manual", "310\nT", nullptr, manual, nullptr, "", no, current, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.values.clear();
        web.opened.clear();
        keep("UseCounter", "6");
        keep("Download", c.declined);
        web.reply = c.file;
        if (c.title != nullptr)
            prompts.expectMessage(c.title, newVersionText(c.dotted), PromptButtons::YesNoCancel,
                                  c.answer);
        if (c.end == UpdateCheckEnd::UpToDate && c.mode == manual)
            expectUpToDateBox();
        EXPECT_EQ(check(c.mode), c.end);
        EXPECT_EQ(stored("Download"), c.declinedAfter);
        EXPECT_EQ(web.opened,
                  c.answer == yes ? std::vector<std::string>{page} : std::vector<std::string>{});
        EXPECT_EQ(temp.readFile("dversion.ver"), c.file);
        EXPECT_TRUE(prompts.done());
    }
}

// A failed download, or one that cannot be kept, ends the check silently and leaves the
// previous version file as it was.
TEST_F(UpdateCheckTest, AFailedDownloadKeepsThePreviousFile) {
    keep("UseCounter", "6");
    temp.writeFile("dversion.ver", "310\r\nEarlier\r\n");
    web.reply = std::nullopt;
    EXPECT_EQ(check(CheckMode::Manual), UpdateCheckEnd::NoAnswer);
    web.reply = "321\r\nNews\r\n";
    fs.failOn(test::FsOperation::WriteWholeFileAtomically, "dversion.ver",
              std::make_error_code(std::errc::no_space_on_device));
    EXPECT_EQ(check(CheckMode::Manual), UpdateCheckEnd::NoAnswer);
    EXPECT_EQ(temp.readFile("dversion.ver"), "310\r\nEarlier\r\n");
}

// A check waiting for the web site refuses a second one without counting it, and closing
// the window drops it: it never ends, and the next one starts afresh.
TEST_F(UpdateCheckTest, OneCheckAtATimeAndAbortDropsTheWaitingOne) {
    web.holdReplies = true;
    web.reply = "320\r\n";
    int ended = 0;
    updates.CheckForUpdate(CheckMode::Manual, [&ended](UpdateCheckEnd) { ++ended; });
    EXPECT_TRUE(updates.running());
    EXPECT_EQ(check(CheckMode::Manual), UpdateCheckEnd::Busy);
    EXPECT_EQ(stored("UseCounter"), "2");
    updates.abort();
    EXPECT_FALSE(updates.running());
    web.deliver();
    EXPECT_EQ(ended, 0);
    web.holdReplies = false;
    expectUpToDateBox();
    EXPECT_EQ(check(CheckMode::Manual), UpdateCheckEnd::UpToDate);
    EXPECT_FALSE(updates.running());
}

// Without an answer from the web site, the about box's check opens the web page; the
// options dialog's "Check Now" too, unless the machine is known to be offline: then it
// says so. A newer version the user declines opens nothing.
TEST_F(UpdateCheckTest, ManualChecksWithoutAnAnswerOpenTheWebPageOrSayWhy) {
    struct Case {
        const char* name;
        bool fromAboutBox;
        std::optional<std::string> file;
        Reachability reachability;
        UpdateCheckEnd end;
        std::vector<std::string> opened;
    };
    const char* const offline = "No internet connection detected to perform an update check.";
    const Case cases[] = {
        {"about box, no answer", true, std::nullopt, disconnected, noAnswer, {page}},
        {"about box, up to date", true, "320", connected, current, {}},
        {"Check Now, no answer", false, std::nullopt, connected, noAnswer, {page}},
        {"Check Now, offline", false, std::nullopt, disconnected, noAnswer, {}},
        {"Check Now, up to date", false, "320", disconnected, current, {}},
        {"Check Now, newer declined", false, "330\nNews", connected, asked, {}},
        {"Check Now, newer wanted: opened once", false, "330\nNews", connected, asked, {page}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        web.reply = c.file;
        web.state = c.reachability;
        web.opened.clear();
        store.save("OrnCaldrix", "Tidecopy", "Download", "0");
        if (c.end == UpdateCheckEnd::UpToDate)
            expectUpToDateBox();
        if (c.end == UpdateCheckEnd::Asked)
            prompts.expectMessage("News", newVersionText("3.3.0"), PromptButtons::YesNoCancel,
                                  c.opened.empty() ? PromptAnswer::No : PromptAnswer::Yes);
        if (c.opened.empty() && c.end == UpdateCheckEnd::NoAnswer)
            prompts.expectMessage("Check for updates", offline, PromptButtons::Ok);
        std::optional<UpdateCheckEnd> end;
        const auto finished = [&end](UpdateCheckEnd ended) {
            end = ended;
        };
        if (c.fromAboutBox)
            updates.checkOrOpenWebPage(finished);
        else
            updates.checkNow(finished);
        EXPECT_EQ(end, c.end);
        EXPECT_EQ(web.opened, c.opened);
        EXPECT_TRUE(prompts.done());
    }
}

} // namespace
} // namespace tidecopy
