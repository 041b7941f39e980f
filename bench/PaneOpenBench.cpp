// Opens a folder of many files in a pane, the way a click in the folder list does, and
// prints the seconds until its lists and labels are drawn; beside it the bare listing
// (the order of `ls -f | wc -l`) and the listing with the status queries the folder
// size needs. Creates the folder first when it does not exist.
// Usage: tidecopy-pane-bench <folder> [file-count, default 100000]
#include "BenchServices.h"
#include "app/QtDisplayFormats.h"
#include "config/MainState.h"
#include "config/OptionSet.h"
#include "log/ActivityLog.h"
#include "panes/FolderContents.h"
#include "panes/Panes.h"
#include "panes/ui/PaneActions.h"
#include "panes/ui/PaneWidget.h"
#include "platform/NativeFileSystem.h"
#include "platform/Prompts.h"
#include "widgets/jobs/JobRunner.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace tidecopy;
using namespace tidecopy::bench;
using Stopwatch = std::chrono::steady_clock;

void makeFolder(const std::string& folder, long count) {
    std::filesystem::create_directories(folder);
    for (long i = 0; i < count; ++i)
        std::ofstream(folder + "/file" + std::to_string(i) + ".dat") << i;
}

double secondsSince(Stopwatch::time_point start) {
    return std::chrono::duration<double>(Stopwatch::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tidecopy-pane-bench <folder> [file-count]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string folder = argv[1];
    const long count = argc > 2 ? std::stol(argv[2]) : 100'000;
    if (!std::filesystem::exists(folder))
        makeFolder(folder, count);

    BenchPlatform system(folder);
    NativeFileSystem& fs = system.fs;
    system.platform.formats = systemDisplayFormats();
    SilentPrompts prompts;
    MainState state;

    auto start = Stopwatch::now();
    std::vector<FolderEntry> entries;
    fs.listFolder(folder, entries);
    std::printf("listing only:                %.3f s (%zu entries)\n", secondsSince(start),
                entries.size());

    start = Stopwatch::now();
    const auto contents = readFolderContents(fs, PathStyle::native(), folder);
    std::printf("listing, sizes, sorting:     %.3f s\n", secondsSince(start));

    Panes panes(system.platform, prompts, state);
    OptionSet options;
    ActivityLog log;
    JobRunner jobs(prompts, log, [] {});
    PaneActions actions({panes, system.platform, prompts, options, jobs, system.disks}, nullptr);
    PaneWidget pane(Pane::Source, panes, state, actions);
    panes.setListener([&](const PaneChange& change) { pane.apply(change.what); });
    pane.resize(900, 700);
    pane.show();
    QApplication::processEvents();

    start = Stopwatch::now();
    panes.setFolder(Pane::Source, folder);
    QApplication::processEvents();
    std::printf("pane open, lists and labels: %.3f s (%zu files)\n", secondsSince(start),
                panes.pane(Pane::Source).contents.files.size());
    return 0;
}
