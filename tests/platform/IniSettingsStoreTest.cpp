#include "platform/IniSettingsStore.h"

#include "SettingsStoreRoundTrip.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// The store makes its folder; it reads files written by hand, with CR LF and comments,
// and a failed save keeps the earlier values.
TEST(IniSettingsStore, SavesGetsAndRemovesByApplicationSectionAndKey) {
    test::TempFolder temp;
    test::FaultyFileSystem fs;
    IniSettingsStore store(fs, temp / "config");
    IniSettingsStore reopened(fs, temp / "config");
    test::expectSettingsStoreRoundTrip(store, reopened);

    temp.writeFile("config/App.ini",
                   "; written by hand\r\n[S]\r\n  key = value with blanks\r\n\r\nbroken line\r\n");
    EXPECT_EQ(store.get("App", "S", "key", ""), " value with blanks");
    ASSERT_FALSE(store.save("App", "S", "k", "kept"));
    fs.failOn(test::FsOperation::WriteWholeFileAtomically, "App.ini",
              std::make_error_code(std::errc::no_space_on_device));
    EXPECT_EQ(store.save("App", "S", "k", "lost"), std::errc::no_space_on_device);
    EXPECT_EQ(store.get("App", "S", "k", ""), "kept");
}

} // namespace
} // namespace tidecopy
