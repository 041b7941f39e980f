#include "log/LogCommands.h"

#include "platform/Errors.h"
#include "support/FakeClock.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy::test {
namespace {

// Records what it was given to print and answers as told.
class FakePrinter : public LogPrinter {
public:
    PrintOutcome print(std::string_view text) override {
        printed.emplace_back(text);
        return outcome;
    }
    PrintOutcome outcome = PrintOutcome::Printed;
    std::vector<std::string> printed;
};

const std::string askNew = "The Log has not been saved.\r\n\r\nDo you want to start a New Log?";

// The log commands of a window started on 21 June 2016 whose Logs folder is empty.
class LogCommandsTest : public testing::Test {
protected:
    LogCommandsTest() {
        environment.programFolder = temp / "program";
        environment.dataFolder = temp / "program";
        temp.makeFolder("program/Logs");
    }

    FileDialogRequest logDialog(std::string title, std::string proposedName) const {
        return {std::move(title),
                {{"Files (*.txt;*.log)", "*.txt;*.log"},
                 {"Text Files (*.txt)", "*.txt"},
                 {"Log Files (*.log)", "*.log"},
                 {"All Files (*.*)", "*.*"}},
                environment.logsFolder(),
                std::move(proposedName)};
    }
    std::string logFile(const std::string& name) const { return temp / ("program/Logs/" + name); }
    // The name the dialogs propose: the log's own, or else today's.
    std::string proposedName() const {
        return commands.LogFileName().empty() ? "Log 16-06-21.log" : commands.LogFileName();
    }
    // A log file chosen in the open dialog.
    std::optional<std::string> open(const std::string& name, const std::string& contents) {
        temp.writeFile("program/Logs/" + name, contents);
        prompts.expectOpenFile(logDialog("Open File", proposedName()), logFile(name));
        return commands.openLog();
    }
    // A file chosen in the save dialog; replacing one that exists is agreed to.
    std::optional<std::string> save(const std::string& name) {
        prompts.expectSaveFile(logDialog("Save File", proposedName()), logFile(name));
        if (temp.exists("program/Logs/" + name))
            prompts.expectMessage("File already exists", "Do you want to replace the file?",
                                  PromptButtons::YesNo, PromptAnswer::Yes);
        return commands.saveLog();
    }

    TempFolder temp;
    FaultyFileSystem fs;
    FakeClock clock{{2016, 6, 21, 10, 0, 0}};
    Environment environment;
    ActivityLog log;
    ScriptedPrompts prompts;
    FakePrinter printer;
    LogCommands commands{{log, prompts, fs, clock, environment, printer, PathStyle::native()}};
};

// The opened file names the log and its frame; the text goes in and out byte for byte.
TEST_F(LogCommandsTest, OpeningNamesTheLogAndOpenAndSaveKeepTheTextByteForByte) {
    const std::string text = "*** BACKUP\r\n\r\nFrom-> /a\r\nlone\rcarriage\nfeed \xC3\xA9\r\nend";
    log.append("* a run\r\n");
    EXPECT_EQ(open("Log 16-06-21 01.log", text), "         - Log 16-06-21 01");
    EXPECT_EQ(commands.LogFileName(), "Log 16-06-21 01.log");
    EXPECT_EQ(log.text(), text);
    EXPECT_FALSE(log.LogDirty());
    EXPECT_EQ(logFrameCaption("night.backup.txt"), "         - night.backup");
    EXPECT_EQ(logFrameCaption("README"), "         - README");
    log.append("\r\nmore\r\n");
    EXPECT_TRUE(log.LogDirty());
    // The save dialog proposes the opened name.
    temp.writeFile("program/Logs/copy.log", "old");
    EXPECT_EQ(save("copy.log"), "         - copy");
    EXPECT_EQ(temp.readFile("program/Logs/copy.log"), text + "\r\nmore\r\n");
    EXPECT_EQ(commands.LogFileName(), "copy.log");
    EXPECT_FALSE(log.LogDirty());
}

// What the log holds after opening a file: the file's text made valid, and of a file
// longer than the limit its newest part.
TEST_F(LogCommandsTest, AnOpenedFileBecomesValidLogText) {
    struct Case {
        const char* name;
        std::string contents;
        std::size_t maxLength;
        std::string loaded;
    };
    const Case cases[] = {
        {"plain", "one\r\ntwo\r\n", 0, "one\r\ntwo\r\n"},
        {"NUL bytes dropped", std::string("a\0b\0\r\n", 6), 0, "ab\r\n"},
        {"invalid UTF-8 replaced", "caf\xE9 \xC3\r\n", 0, "caf\xEF\xBF\xBD \xEF\xBF\xBD\r\n"},
        {"the newest lines within the limit", "first\r\nsecond\r\nthird\r\n", 15,
         "second\r\nthird\r\n"},
        {"exactly the limit", "12345\r\n", 7, "12345\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.setMaxLength(c.maxLength);
        open("opened.log", c.contents);
        EXPECT_EQ(log.text(), c.loaded);
        EXPECT_EQ(log.characterCount(), logCharacterCount(c.loaded));
    }
    EXPECT_EQ(logTextOfFile(std::string("\0", 1)), "");
}

// A cancelled dialog, a file the dialog cannot read and a failed save change nothing;
// the failed save says why and leaves the log unsaved, so New Log still asks.
TEST_F(LogCommandsTest, WhatFailsChangesNothing) {
    log.append("* the run's lines\r\n");
    prompts.expectOpenFile(logDialog("Open File", "Log 16-06-21.log"), std::nullopt);
    EXPECT_EQ(commands.openLog(), std::nullopt);
    prompts.expectSaveFile(logDialog("Save File", "Log 16-06-21.log"), std::nullopt);
    EXPECT_EQ(commands.saveLog(), std::nullopt);
    prompts.expectOpenFile(logDialog("Open File", "Log 16-06-21.log"), logFile("missing.log"))
        .expectMessage("Err nr: 2", "Could not read-, open or find file " + logFile("missing.log"),
                       PromptButtons::Ok);
    EXPECT_EQ(commands.openLog(), std::nullopt);

    temp.writeFile("program/Logs/kept.log", "the old log\r\n");
    fs.failOn(FsOperation::WriteWholeFileAtomically, "kept.log",
              std::make_error_code(std::errc::no_space_on_device));
    prompts.expectSaveFile(logDialog("Save File", "Log 16-06-21.log"), logFile("kept.log"))
        .expectMessage("File already exists", "Do you want to replace the file?",
                       PromptButtons::YesNo, PromptAnswer::Yes)
        .expectMessage("Save Log",
                       "The Log could not be saved to " + logFile("kept.log") + ":\r\n" +
                           describeError(std::make_error_code(std::errc::no_space_on_device)),
                       PromptButtons::Ok);
    EXPECT_EQ(commands.saveLog(), std::nullopt);
    EXPECT_EQ(temp.readFile("program/Logs/kept.log"), "the old log\r\n");
    EXPECT_EQ(commands.LogFileName(), "Log 16-06-21.log");
    EXPECT_EQ(log.text(), "* the run's lines\r\n");
    EXPECT_TRUE(log.LogDirty());

    prompts.expectMessage("New Log", askNew, PromptButtons::YesNo, PromptAnswer::No);
    EXPECT_EQ(commands.newLog(), std::nullopt);
    EXPECT_EQ(log.text(), "* the run's lines\r\n");
}

// New Log asks only about an unsaved log, and only Yes clears it.
TEST_F(LogCommandsTest, NewLogAsksOnlyWhenTheLogIsUnsaved) {
    struct Case {
        const char* name;
        bool saveFirst;
        std::optional<PromptAnswer> answer; // nullopt: no question
        bool cleared;
    };
    const Case cases[] = {
        {"after Save", true, std::nullopt, true},
        {"after a run, No", false, PromptAnswer::No, false},
        {"after a run, Yes", false, PromptAnswer::Yes, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.append("*** BACKUP Started\r\n");
        if (c.saveFirst)
            save("saved.log");
        if (c.answer)
            prompts.expectMessage("New Log", askNew, PromptButtons::YesNo, *c.answer);
        clock.setLocal({2016, 6, 22, 0, 0, 1});
        EXPECT_EQ(commands.newLog(),
                  c.cleared ? std::optional<std::string>("        ") : std::nullopt);
        EXPECT_EQ(log.text().empty(), c.cleared);
        EXPECT_EQ(log.LogDirty(), !c.cleared);
        // New names the log for the day it starts; the saved name goes.
        EXPECT_EQ(commands.LogFileName(), "Log 16-06-22.log");
        log.replaceText({});
        clock.setLocal({2016, 6, 21, 10, 0, 0});
    }
}

// Print asks first; a missing printer and a failed job are said.
TEST_F(LogCommandsTest, PrintAsksAndSaysWhatWentWrong) {
    struct Case {
        PromptAnswer answer;
        PrintOutcome outcome;
        const char* complaint; // nullptr: none
    };
    const Case cases[] = {
        {PromptAnswer::No, PrintOutcome::Printed, nullptr},
        {PromptAnswer::Yes, PrintOutcome::Printed, nullptr},
        {PromptAnswer::Yes, PrintOutcome::NoPrinter, "No printer is installed."},
        {PromptAnswer::Yes, PrintOutcome::Failed, "The Log could not be printed."},
    };
    log.append("line one\r\nline two\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.outcome));
        printer.printed.clear();
        printer.outcome = c.outcome;
        prompts.expectMessage("Print Log", "Do you want to print the Log?", PromptButtons::YesNo,
                              c.answer);
        if (c.complaint)
            prompts.expectMessage("Print Log", c.complaint, PromptButtons::Ok);
        commands.printLog();
        EXPECT_EQ(printer.printed, c.answer == PromptAnswer::Yes
                                       ? std::vector<std::string>{"line one\r\nline two\r\n"}
                                       : std::vector<std::string>{});
        EXPECT_TRUE(prompts.done());
    }
    EXPECT_EQ(commands.LogFileName(), "Log 16-06-21.log");
}

} // namespace
} // namespace tidecopy::test
