#include "platform/posix/XdgUserDirs.h"

#include "platform/posix/PosixFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

constexpr const char* userDirs = "# written by xdg-user-dirs-update\n"
                                 "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                                 "XDG_DOCUMENTS_DIR=\"$HOME/\"\n"
                                 "XDG_PICTURES_DIR=\"/data/My Pictures\"\n"
                                 "  XDG_MUSIC_DIR = \"$HOME/Mu\\\"sic\"  \r\n"
                                 "XDG_VIDEOS_DIR=Videos\n";

struct UserDirsCase {
    UserFolder folder;
    const char* text;
    const char* expected;
};

class UserDirs : public testing::TestWithParam<UserDirsCase> {};

TEST_P(UserDirs, NameTheFoldersOfTheUser) {
    const UserDirsCase& c = GetParam();
    EXPECT_EQ(userFolderFromUserDirs(c.text, "/home/ann", c.folder), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UserDirs,
    testing::Values(UserDirsCase{UserFolder::Desktop, userDirs, "/home/ann/Bureau"},
                    // The home folder itself switches an entry off.
                    UserDirsCase{UserFolder::Documents, userDirs, ""},
                    UserDirsCase{UserFolder::Pictures, userDirs, "/data/My Pictures"},
                    UserDirsCase{UserFolder::Music, userDirs, "/home/ann/Mu\"sic"},
                    // Neither under $HOME nor absolute: not a folder.
                    UserDirsCase{UserFolder::Videos, userDirs, ""},
                    // Without an entry only the desktop has a default.
                    UserDirsCase{UserFolder::Desktop, "", "/home/ann/Desktop"},
                    UserDirsCase{UserFolder::Music, "", ""},
                    UserDirsCase{UserFolder::Music,
                                 "XDG_MUSIC_DIR=\"$HOME/a\"\nXDG_MUSIC_DIR=\"$HOME/b\"\n",
                                 "/home/ann/b"},
                    UserDirsCase{UserFolder::Music, "XDG_MUSIC_DIR=\"$HOMEx\"\n", ""}));

TEST(LookUpUserFolder, ReadsUserDirsFromTheConfigFolder) {
    test::TempFolder temp;
    temp.writeFile("config/user-dirs.dirs", "XDG_MUSIC_DIR=\"$HOME/Tunes\"\n");
    PosixFileSystem fs;
    EXPECT_EQ(lookUpUserFolder(fs, temp / "config", temp / "home", UserFolder::Music),
              temp / "home/Tunes");
    EXPECT_EQ(lookUpUserFolder(fs, temp / "none", temp / "home", UserFolder::Desktop),
              temp / "home/Desktop");
}

} // namespace
} // namespace tidecopy
