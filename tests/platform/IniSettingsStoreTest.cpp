#include "platform/IniSettingsStore.h"

#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(IniSettingsStore, SavesGetsAndRemovesByApplicationSectionAndKey) {
    test::TempFolder temp;
    test::FaultyFileSystem fs;
    IniSettingsStore store(fs, temp / "config");

    EXPECT_EQ(store.get("OrnCaldrix", "Tidecopy", "NoURLupdate", "No"), "No");
    ASSERT_FALSE(store.save("OrnCaldrix", "Tidecopy", "NoURLupdate", "Yes"));
    ASSERT_FALSE(store.save("OrnCaldrix", "Tidecopy", "Path", "/opt/tide copy=1"));
    ASSERT_FALSE(store.save("OrnCaldrix", "Other", "Path", "line\nbreak\\"));

    IniSettingsStore reopened(fs, temp / "config");
    EXPECT_EQ(reopened.get("OrnCaldrix", "Tidecopy", "NoURLupdate", ""), "Yes");
    EXPECT_EQ(reopened.get("OrnCaldrix", "Tidecopy", "Path", ""), "/opt/tide copy=1");
    EXPECT_EQ(reopened.get("OrnCaldrix", "Other", "Path", ""), "line\nbreak\\");
    EXPECT_EQ(reopened.get("Elsewhere", "Tidecopy", "Path", "none"), "none");

    ASSERT_FALSE(reopened.remove("OrnCaldrix", "Tidecopy", "Path"));
    EXPECT_EQ(store.get("OrnCaldrix", "Tidecopy", "Path", "gone"), "gone");
    EXPECT_EQ(store.get("OrnCaldrix", "Tidecopy", "NoURLupdate", ""), "Yes");
}

TEST(IniSettingsStore, FailedSaveKeepsEarlierValues) {
    test::TempFolder temp;
    test::FaultyFileSystem fs;
    IniSettingsStore store(fs, temp.path());
    ASSERT_FALSE(store.save("App", "S", "k", "kept"));
    fs.failOn(test::FsOperation::WriteWholeFileAtomically, "App.ini",
              std::make_error_code(std::errc::no_space_on_device));
    EXPECT_EQ(store.save("App", "S", "k", "lost"), std::errc::no_space_on_device);
    EXPECT_EQ(store.get("App", "S", "k", ""), "kept");
}

TEST(IniSettingsStore, ReadsHandWrittenFilesWithCrLfAndComments) {
    test::TempFolder temp;
    test::FaultyFileSystem fs;
    temp.writeFile("App.ini",
                   "; written by hand\r\n[S]\r\n  key = value with blanks\r\n\r\nbroken line\r\n");
    IniSettingsStore store(fs, temp.path());
    EXPECT_EQ(store.get("App", "S", "key", ""), " value with blanks");
}

} // namespace
} // namespace tidecopy
