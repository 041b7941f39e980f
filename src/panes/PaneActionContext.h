#pragma once

#include "engine/LogSink.h"
#include "engine/RunControl.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <string>

namespace tidecopy {

class Prompts;

// What a file or folder action of the panes works with, on whichever thread runs it: the
// file system, the questions and messages, the user's log lines and the Cancel of its job.
struct PaneActionContext {
    FileSystem& fs;
    PathStyle style;
    Prompts& prompts;
    LogSink userLog; // empty while chkLogUser is off: no log lines
    RunControl control = {};

    // Appends the line, ended with CR LF, when the user's actions are logged.
    void logUser(const std::string& line) const {
        if (userLog)
            userLog(line + "\r\n");
    }
    // Anything at all at that name, hidden names and dangling links included: what a
    // question about replacing an entry has to know.
    bool somethingAt(const std::string& path) const { return fs.entryInfo(path).ok(); }
};

} // namespace tidecopy
