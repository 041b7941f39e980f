#include "engine/FolderWalk.h"

#include "support/FaultyFileSystem.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#ifndef _WIN32
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tidecopy::test {
namespace {

using Names = std::vector<std::string>;

class FolderWalkTest : public ::testing::Test {
protected:
    // Paths below the temporary folder, for comparing whole lists.
    Names relative(const FileList& list) const {
        Names names;
        for (const std::string& item : list.Items)
            names.push_back(m_temp.relative(item));
        return names;
    }
    FileList tree(FolderWalk& walk, std::string_view pattern = "*.*") {
        FileList list;
        walk.ListFilesInTree(m_temp / "src", AttributeMask::Folders, AttributeMask::Files, list,
                             pattern, NameForm::FullPath);
        return list;
    }

    TempFolder m_temp;
    FaultyFileSystem m_fs;
    FolderWalk m_walk{m_fs, PathStyle::native()};
};

TEST_F(FolderWalkTest, FoldersDepthFirstThenTheRootsOwnFilesLastAndListsAccumulate) {
    for (const char* file : {"src/r.txt", "src/B/b.txt", "src/A/A1/a1.txt", "src/A/a.txt"})
        m_temp.writeFile(file, "x");

    FileList list = tree(m_walk);
    EXPECT_EQ(relative(list),
              (Names{"src/A/a.txt", "src/A/A1/a1.txt", "src/B/b.txt", "src/r.txt"}));
    EXPECT_EQ(list.Count, 4u);
    // A second listing adds to the first.
    m_walk.ListFilesInTree(m_temp / "src", AttributeMask::Folders, AttributeMask::Files, list,
                           "*.*", NameForm::NameOnly);
    EXPECT_EQ(list.Count, 8u);
    ASSERT_EQ(list.Items.size(), 8u);
    EXPECT_EQ(Names(list.Items.begin() + 4, list.Items.end()),
              (Names{"a.txt", "a1.txt", "b.txt", "r.txt"}));

    FileList folders;
    m_walk.ListAllSubFolders(m_temp / "src", AttributeMask::Folders, folders);
    EXPECT_EQ(relative(folders), (Names{"src/A", "src/A/A1", "src/B"}));
}

TEST_F(FolderWalkTest, NamesComeInByteOrderAndUnusualNamesUnchanged) {
    Names names = unusualNames();
    names.insert(names.end(), {"B", "Z", "a", "c"});
    for (const std::string& name : names)
        m_temp.writeFile("src/" + name, "x");

    FileList list;
    m_walk.ListFilesInFolder(m_temp / "src", AttributeMask::Files, list, "*.*", NameForm::NameOnly);

    Names expected = names;
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    EXPECT_EQ(list.Items, expected);
}

TEST_F(FolderWalkTest, HiddenSystemAndOwnTemporariesNeverListedReadOnlyIs) {
    makeHidden(m_temp.writeFile("src/.hidden", "x"));
    m_temp.writeFile("src/.git/inside.txt", "x");
    makeHidden(m_temp / "src/.git");
    m_temp.writeFile("src/.tidecopy-0123456789abcdef.tmp", "x");
    makeReadOnly(m_temp.writeFile("src/readonly.txt", "x"));
    makeSystemEntry(m_temp / "src/pipe");

    EXPECT_EQ(relative(tree(m_walk)), (Names{"src/readonly.txt"}));
}

TEST_F(FolderWalkTest, LinksAreListedAsFilesAndNeverWalkedSoALoopEnds) {
    m_temp.writeFile("src/A/a.txt", "x");
    if (!makeSymlink("..", m_temp / "src/A/loop") || !makeSymlink("A", m_temp / "src/toA") ||
        !makeSymlink("nowhere", m_temp / "src/dangling"))
        GTEST_SKIP() << "this system makes no symbolic link for a test";

    EXPECT_EQ(relative(tree(m_walk)),
              (Names{"src/A/a.txt", "src/A/loop", "src/dangling", "src/toA"}));
}

TEST_F(FolderWalkTest, CancelledFolderListingAppendsNothingAndKeepsCount) {
    m_temp.writeFile("src/r.txt", "x");
    std::atomic<bool> cancel{true};
    FolderWalk walk(m_fs, PathStyle::native(), RunControl{&cancel, {}});
    FileList list{7, {}};
    walk.ListFilesInFolder(m_temp / "src", AttributeMask::Files, list, "*.*", NameForm::FullPath);
    EXPECT_TRUE(list.Items.empty());
    EXPECT_EQ(list.Count, 7u);
}

TEST_F(FolderWalkTest, UnreadableFoldersAreSkippedAndNamed) {
    for (const char* file : {"src/r.txt", "src/B/b.txt", "src/A/a.txt", "src/C/c.txt"})
        m_temp.writeFile(file, "x");
    m_fs.failOn(FsOperation::ListFolder, m_temp / "src/A",
                std::make_error_code(std::errc::io_error));
    m_fs.failOn(FsOperation::ListFolder, m_temp / "src/C",
                std::make_error_code(std::errc::permission_denied));

    for (const unsigned readers : {1u, 3u}) {
        SCOPED_TRACE(readers);
        m_walk.readAhead(readers);
        FileList list;
        const std::vector<FolderError> errors =
            m_walk.ListFilesInTree(m_temp / "src", AttributeMask::Folders, AttributeMask::Files,
                                   list, "*.*", NameForm::FullPath);
        ASSERT_EQ(errors.size(), 2u);
        EXPECT_EQ(errors[0].folder, m_temp / "src/A/");
        EXPECT_EQ(errors[0].error, std::errc::io_error);
        EXPECT_EQ(errors[1].folder, m_temp / "src/C/");
        EXPECT_EQ(errors[1].error, std::errc::permission_denied);
        EXPECT_EQ(relative(list), (Names{"src/B/b.txt", "src/r.txt"}));
    }
}

// Folders read ahead on several threads make the same list as one thread reading each in
// turn; a cancel among them ends the walk with a part of that list.
TEST_F(FolderWalkTest, ReadingAheadMakesTheSameListAndStopsOnCancel) {
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 5; ++b)
            for (const char* leaf : {"x", "y/z"})
                m_temp.writeFile("src/" + std::to_string(a) + "/" + std::to_string(b) + "/" + leaf,
                                 "x");
    m_temp.writeFile("src/r.txt", "x");
    const FileList alone = tree(m_walk);
    ASSERT_EQ(alone.Count, 61u);
    // The walk waits at its first subfolder until another thread has read one.
    const std::thread::id walker = std::this_thread::get_id();
    std::atomic<int> readElsewhere{0};
    m_fs.onCall(FsOperation::ListFolder, [&](const std::string& folder) {
        if (std::this_thread::get_id() != walker)
            ++readElsewhere;
        else if (folder == m_temp / "src/0/")
            for (int wait = 0; wait < 2000 && readElsewhere == 0; ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    for (const unsigned readers : {2u, 5u}) {
        readElsewhere = 0;
        m_walk.readAhead(readers);
        EXPECT_EQ(tree(m_walk).Items, alone.Items) << readers;
        EXPECT_GT(readElsewhere, 0) << readers;
    }

    std::atomic<bool> cancel{false};
    FolderWalk walk(m_fs, PathStyle::native(), RunControl{&cancel, {}});
    walk.readAhead(4);
    m_fs.onCall(FsOperation::ListFolder, [&](const std::string& folder) {
        if (folder == m_temp / "src/3/")
            cancel = true;
    });
    const FileList part = tree(walk);
    EXPECT_LT(part.Count, alone.Count);
    EXPECT_TRUE(std::equal(part.Items.begin(), part.Items.end(), alone.Items.begin()));
}

#ifndef _WIN32
// Deeper than a path may be long: the folder out of reach is the one named, not the root.
// (Windows has no such limit for the long paths the backend uses.)
TEST_F(FolderWalkTest, FolderBeyondThePathLengthLimitIsNamed) {
    const std::string level(NAME_MAX, 'd');
    std::vector<int> folders{::open(m_temp.makeFolder("src").c_str(), O_DIRECTORY)};
    std::string deepest = m_temp / "src/";
    while (deepest.size() < PATH_MAX) {
        ASSERT_EQ(::mkdirat(folders.back(), level.c_str(), 0700), 0);
        folders.push_back(::openat(folders.back(), level.c_str(), O_DIRECTORY));
        deepest += level + "/";
    }

    FileList list;
    const std::vector<FolderError> errors =
        m_walk.ListFilesInTree(m_temp / "src", AttributeMask::Folders, AttributeMask::Files, list,
                               "*.*", NameForm::FullPath);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].folder, deepest);
    EXPECT_EQ(errors[0].error, std::errc::filename_too_long);

    // The temporary folder's own clean-up goes by paths: this part is removed by handles.
    for (std::size_t i = folders.size() - 1; i > 0; --i) {
        ::close(folders[i]);
        ::unlinkat(folders[i - 1], level.c_str(), AT_REMOVEDIR);
    }
    ::close(folders.front());
}
#endif

} // namespace
} // namespace tidecopy::test
