#pragma once

#include <gtest/gtest.h>
#include <string>

namespace tidecopy::test {

// Names parameterised cases after their `name` member, so failures and CTest entries say
// which case they are.
template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

} // namespace tidecopy::test
