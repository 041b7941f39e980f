#include "platform/IniSettingsStore.h"

#include "SettingsStoreRoundTrip.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(IniSettingsStore, SavesGetsAndRemovesByApplicationSectionAndKey) {
    test::TempFolder temp;
    test::FaultyFileSystem fs;
    IniSettingsStore store(fs, temp / "config");
    IniSettingsStore reopened(fs, temp / "config");
    test::expectSettingsStoreRoundTrip(store, reopened);
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
