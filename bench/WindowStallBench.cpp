// The longest stall of the main window's event loop while it runs a backup: a timer
// meant to fire every 2 ms records the largest gap between its ticks. Two runs: 20,000
// small files in 100 folders, and one 2 GiB file; a third figure for a preview of the
// small files, whose detailed log is the heaviest traffic to the window. Offscreen, no
// confirmation, no sound, no after-backup action. Creates the trees first, under
// <work-folder>, which it leaves behind.
// Usage: tidecopy-window-stall-bench <work-folder> [small-files, default 20000]
//                                    [large-file MiB, default 2048]
#include "BenchServices.h"
#include "app/MainWindow.h"
#include "app/QtDisplayFormats.h"
#include "engine/RunTimeTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace tidecopy;
using namespace tidecopy::bench;
namespace fs = std::filesystem;

void makeSmallFiles(const fs::path& source, long count) {
    const std::string contents(1024, 'x');
    for (long i = 0; i < count; ++i) {
        const fs::path folder = source / ("folder" + std::to_string(i / 200));
        if (i % 200 == 0)
            fs::create_directories(folder);
        std::ofstream(folder / ("file" + std::to_string(i) + ".dat")) << contents;
    }
}

void makeLargeFile(const fs::path& source, long mebibytes) {
    fs::create_directories(source);
    std::vector<char> chunk(1 << 20);
    std::ofstream out(source / "large.bin", std::ios::binary);
    for (long i = 0; i < mebibytes; ++i) {
        for (std::size_t j = 0; j < chunk.size(); j += 4096)
            chunk[j] = static_cast<char>(i + static_cast<long>(j)); // no two chunks alike
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
}

struct Stalls {
    double longestMs = 0;
    double seconds = 0;
    long ticks = 0;
};

// Runs one backup or preview from the window and measures its event loop meanwhile.
Stalls measure(MainWindow& window, RunKind kind, const fs::path& source, const fs::path& target) {
    fs::remove_all(target);
    fs::create_directories(target);
    window.setFolder(Pane::Source, source.string());
    window.setFolder(Pane::Destination, target.string());

    Stalls stalls;
    QElapsedTimer sinceTick;
    QElapsedTimer total;
    QTimer meter;
    meter.setTimerType(Qt::PreciseTimer);
    meter.setInterval(2);
    QObject::connect(&meter, &QTimer::timeout, [&] {
        stalls.longestMs =
            std::max(stalls.longestMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
        ++stalls.ticks;
    });
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::runFinished, &loop, &QEventLoop::quit);
    total.start();
    sinceTick.start();
    meter.start();
    window.findChild<QAbstractButton*>(kind == RunKind::Backup ? "cmdBackItUp" : "cmdPreview")
        ->click();
    loop.exec();
    meter.stop();
    stalls.seconds = static_cast<double>(total.nsecsElapsed()) / 1e9;
    return stalls;
}

void print(const char* what, const Stalls& stalls) {
    std::printf("%-34s run %7.2f s   longest stall %7.1f ms   (%ld ticks)\n", what, stalls.seconds,
                stalls.longestMs, stalls.ticks);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tidecopy-window-stall-bench <work-folder> [small-files] "
                             "[large-file MiB]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const fs::path work = fs::absolute(argv[1]);
    const long smallCount = argc > 2 ? std::stol(argv[2]) : 20000;
    const long largeMiB = argc > 3 ? std::stol(argv[3]) : 2048;

    if (!fs::exists(work / "small/src")) {
        std::printf("creating %ld small files...\n", smallCount);
        makeSmallFiles(work / "small/src", smallCount);
    }
    if (!fs::exists(work / "large/src/large.bin")) {
        std::printf("creating a file of %ld MiB...\n", largeMiB);
        makeLargeFile(work / "large/src", largeMiB);
    }
    fs::create_directories(work / "program/Profiles");
    fs::create_directories(work / "program/Logs");

    BenchPlatform system(work.string());
    SilentPrompts prompts;
    NoWeb web;
    MainWindow window(system.platform,
                      {prompts, systemDisplayFormats(), RunPauses::Real, web.services},
                      work.string());
    window.Form_Load();
    window.options().chkConfirmationBackup = 0;

    print("preview of the small files",
          measure(window, RunKind::Preview, work / "small/src", work / "small/dst"));
    print("backup of the small files",
          measure(window, RunKind::Backup, work / "small/src", work / "small/dst"));
    print("backup of the large file",
          measure(window, RunKind::Backup, work / "large/src", work / "large/dst"));
    fs::remove_all(work / "small/dst");
    fs::remove_all(work / "large/dst");
    window.close();
    return 0;
}
