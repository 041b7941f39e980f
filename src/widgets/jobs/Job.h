#pragma once

namespace tidecopy {

class JobMailbox;
class Prompts;
class RunLog;

// What a job reaches the window through from its worker thread. Calls posted to the
// mailbox run on the window's thread in order; the prompts ask there while the job
// waits for the answer; the log's appends reach the window's activity log.
struct JobChannel {
    JobMailbox& mailbox;
    Prompts& prompts;
    RunLog& log;
};

// A long operation the window hands to its JobRunner (a backup run, a copy or a delete in
// the panes). It runs on a worker thread, never touches a widget and reaches the window
// only through its channel.
class Job {
public:
    virtual ~Job() = default;
    // On the worker thread.
    virtual void run(JobChannel& channel) = 0;
    // On the window's thread, at any moment: the job stops at its next step.
    virtual void cancel() = 0;
};

} // namespace tidecopy
