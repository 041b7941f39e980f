#include "fuzz/SettingsFuzzEntry.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

// Every seed of the settings fuzzer, loaded through the fuzzer's own entry.
TEST(SettingsCorpus, EverySeedLoadsWithinTheRules) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TIDECOPY_SETTINGS_CORPUS)) {
        if (!entry.is_regular_file() || entry.path().filename().string().starts_with("."))
            continue;
        ++seeds;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        try {
            EXPECT_EQ(tidecopy::fuzz::loadSettingsBytes(
                          reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                      "");
        } catch (const std::exception& e) {
            ADD_FAILURE() << "exception escaped: " << e.what();
        }
    }
    EXPECT_GE(seeds, 5);
}

} // namespace
