#pragma once

#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

namespace tidecopy::test {

// What every per-user settings store keeps: values by application, section and key, read
// back by a second store on the same place, one value removed without its neighbours.
inline void expectSettingsStoreRoundTrip(SettingsStore& store, SettingsStore& reopened) {
    EXPECT_EQ(store.get("OrnCaldrix", "Tidecopy", "NoURLupdate", "No"), "No");
    ASSERT_FALSE(store.save("OrnCaldrix", "Tidecopy", "NoURLupdate", "Yes"));
    ASSERT_FALSE(store.save("OrnCaldrix", "Tidecopy", "Path", "/opt/tide copy=1 \xC3\xA9"));
    ASSERT_FALSE(store.save("OrnCaldrix", "Other", "Path", "line\nbreak\\"));

    EXPECT_EQ(reopened.get("OrnCaldrix", "Tidecopy", "NoURLupdate", ""), "Yes");
    EXPECT_EQ(reopened.get("OrnCaldrix", "Tidecopy", "Path", ""), "/opt/tide copy=1 \xC3\xA9");
    EXPECT_EQ(reopened.get("OrnCaldrix", "Other", "Path", ""), "line\nbreak\\");
    EXPECT_EQ(reopened.get("Elsewhere", "Tidecopy", "Path", "none"), "none");

    ASSERT_FALSE(reopened.remove("OrnCaldrix", "Tidecopy", "Path"));
    EXPECT_EQ(store.get("OrnCaldrix", "Tidecopy", "Path", "gone"), "gone");
    EXPECT_EQ(store.get("OrnCaldrix", "Tidecopy", "NoURLupdate", ""), "Yes");
}

} // namespace tidecopy::test
