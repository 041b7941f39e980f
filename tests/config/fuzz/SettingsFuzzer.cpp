#include "SettingsFuzzEntry.h"

#include <cstdio>
#include <cstdlib>

// libFuzzer entry: a broken loading rule is a finding, like a crash.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = tidecopy::fuzz::loadSettingsBytes(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "settings rule broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
