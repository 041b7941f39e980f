// Lists or copies a tree with the core, the way a backup run does (Recurse Folders,
// Relative Path, Copy Files Always), and prints the seconds it took; hashes a file as the
// checksum list does; and writes the profiles the run benchmark hands to tidecopy-cli.
// Driven by tree_bench.py, run_bench.py and checksum_bench.py, which compare it with find,
// cp -a, rsync -a and sha256sum.
#include "config/MainState.h"
#include "config/OptionSet.h"
#include "config/SaveINI.h"
#include "engine/FileCopier.h"
#include "engine/FolderWalk.h"
#include "engine/Sha256.h"
#include "platform/Errors.h"
#include "platform/NativeFileSystem.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace tidecopy;

int usage() {
    std::fprintf(stderr, "usage: tidecopy-bench list <tree>\n"
                         "       tidecopy-bench copy <tree> <destination>\n"
                         "       tidecopy-bench sha256 <file>\n"
                         "       tidecopy-bench profile <out.prof> <source> <destination>"
                         " --always|--conditional [--details] [--checksums] [--integrity]\n");
    return 2;
}

FileList listTree(FileSystem& fs, const std::string& root) {
    FileList list;
    FolderWalk(fs, PathStyle::posix())
        .ListFilesInTree(root, AttributeMask::Folders, AttributeMask::Files, list, "*.*",
                         NameForm::FullPath);
    return list;
}

int listOrCopy(const std::string& mode, int argc, char** argv) {
    const std::string root = PathStyle::posix().withTrailingSeparator(argv[2]);
    NativeFileSystem fs;
    const auto start = std::chrono::steady_clock::now();

    const FileList list = listTree(fs, root);
    std::size_t failed = 0;
    if (mode == "copy" && argc == 4) {
        const std::string destination = PathStyle::posix().withTrailingSeparator(argv[3]);
        FileCopier copier(fs, PathStyle::posix(), CopyOptions{true, false, 0, "bak", destination},
                          [&failed](std::string_view text) {
                              ++failed;
                              std::fwrite(text.data(), 1, text.size(), stderr);
                          });
        for (const std::string& source : list.Items)
            copier.GoAndCopyTheFile(source, destination + source.substr(root.size()));
    } else if (mode != "list") {
        return usage();
    }

    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%s files=%zu failed=%zu seconds=%.3f\n", mode.c_str(), list.Count, failed,
                elapsed.count());
    return failed == 0 ? 0 : 1;
}

// The digest of one file and the speed of the hashing, the file read from the cache.
int hashFile(const std::string& path) {
    NativeFileSystem fs;
    const auto size = fs.entryInfo(path);
    const auto start = std::chrono::steady_clock::now();
    const Result<Sha256Digest> digest = digestOfFile(fs, path, {});
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!digest || !size) {
        std::fprintf(stderr, "tidecopy-bench: cannot hash %s\n", path.c_str());
        return 1;
    }
    std::printf("sha256 %s bytes=%llu seconds=%.3f MBps=%.0f\n", hexOf(*digest).c_str(),
                static_cast<unsigned long long>(size->size), elapsed.count(),
                static_cast<double>(size->size) / 1e6 / elapsed.count());
    return 0;
}

// A profile that runs unattended and never acts on the machine: no confirmation, no
// closing, no shutdown, no automation, no daily log file.
int writeProfile(int argc, char** argv) {
    if (argc < 6)
        return usage();
    OptionSet options;
    options.chkConfirmationBackup = 0;
    options.ShutdownMode = 0;
    options.chkCloseProg = 0;
    options.chkLog = 0;
    options.chkExecute = 0;
    MainState state;
    state.chkSubFolders.checked = true;
    state.chkRelative.checked = true;
    state.Dir1 = argv[3];
    state.Dir2 = argv[4];
    bool modeGiven = false;
    for (int i = 5; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (flag == "--always") {
            state.selectCopyMode(CopyMode::AllCopy);
            modeGiven = true;
        } else if (flag == "--conditional") {
            state.selectCopyMode(CopyMode::SelectiveCopy);
            state.chkOnlyNewFiles.checked = true;
            state.chkChangedFiles.checked = true;
            options.DateCondition = 1;
            options.chkSizeFiles = 1;
            modeGiven = true;
        } else if (flag == "--details") {
            options.chkLogDetails = 1;
        } else if (flag == "--checksums") {
            options.chkChecksumList = 1;
        } else if (flag == "--integrity") {
            options.chkIntegrity = 1;
        } else {
            return usage();
        }
    }
    if (!modeGiven)
        return usage();
    NativeFileSystem fs;
    if (const std::error_code error =
            fs.writeWholeFileAtomically(argv[2], settingsFileText(options, state))) {
        std::fprintf(stderr, "tidecopy-bench: cannot write %s: %s\n", argv[2],
                     describeError(error).c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return usage();
    const std::string mode = argv[1];
    if (mode == "profile")
        return writeProfile(argc, argv);
    if (mode == "sha256")
        return hashFile(argv[2]);
    return listOrCopy(mode, argc, argv);
}
