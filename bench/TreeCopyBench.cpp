// Lists or copies a tree with the core, the way a backup run does (Recurse Folders,
// Relative Path, Copy Files Always), and prints the seconds it took. Driven by
// tree_bench.py, which compares it with find, cp -a and rsync -a.
#include "engine/FileCopier.h"
#include "engine/FolderWalk.h"
#include "platform/posix/PosixFileSystem.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using namespace tidecopy;

int usage() {
    std::fprintf(stderr, "usage: tidecopy-bench list <tree>\n"
                         "       tidecopy-bench copy <tree> <destination>\n");
    return 2;
}

FileList listTree(FileSystem& fs, const std::string& root) {
    FileList list;
    FolderWalk(fs, PathStyle::posix())
        .ListFilesInTree(root, AttributeMask::Folders, AttributeMask::Files, list, "*.*",
                         NameForm::FullPath);
    return list;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return usage();
    const std::string mode = argv[1];
    const std::string root = PathStyle::posix().withTrailingSeparator(argv[2]);
    PosixFileSystem fs;
    const auto start = std::chrono::steady_clock::now();

    const FileList list = listTree(fs, root);
    std::size_t failed = 0;
    if (mode == "copy" && argc == 4) {
        const std::string destination = PathStyle::posix().withTrailingSeparator(argv[3]);
        FileCopier copier(fs, PathStyle::posix(), CopyOptions{true, false, 0, "bak"},
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
