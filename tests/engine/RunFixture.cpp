#include "RunFixture.h"

namespace tidecopy::test {

RunFixture::RunFixture()
    : context{fake.platform, prompts, host, options, state, runLog, flags} {
    volumes.add(volumeRoot(), "", {37'000'000'000, 120'000'000'000});
    temp.makeFolder("src");
    temp.makeFolder("dst");
    temp.makeFolder("program/Logs");
    environment.programFolder = temp / "program";
    environment.dataFolder = temp / "program";
    environment.configHome = temp / "config";
    environment.windowsFolder = temp / "windows/";
    environment.systemFolder = temp / "windows/system";
    state.Dir1 = temp / "src";
    state.Dir2 = temp / "dst";
    state.chkRelative.checked = true;
    options.chkConfirmationBackup = 0;
    // Runs share their files among workers, as on a machine with a few cores; a test of one
    // moment between two files asks for one.
    context.workers = RunWorkers{3, true};
}

RunOutcome RunFixture::run(RunKind kind) {
    BackupRun backup(context);
    return backup.BackUpEngine(kind);
}

} // namespace tidecopy::test
