#include "widgets/button/ButtonCaption.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(ButtonCaption, TheLastSingleAmpersandMarksTheAccessKey) {
    struct Row {
        const char* caption;
        char key; // 0: none
        const char* spoken;
        const char* drawn;
    };
    const Row rows[] = {
        {"Copy &The Files && more||now", 'T', "Copy The Files & more now",
         "Copy &The Files && more\nnow"},
        {"Save && Load", 0, "Save & Load", "Save && Load"},
        {"E&xit && leave", 'x', "Exit & leave", "E&xit && leave"},
        {"&a&b", 'b', "ab", "a&b"},
        {"&&&x", 'x', "&x", "&&&x"},
        {"Last&", 0, "Last", "Last"},
        {"", 0, "", ""},
    };
    for (const Row& row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        EXPECT_EQ(accessKeyOf(caption), row.key ? QChar(row.key) : QChar()) << row.caption;
        EXPECT_EQ(spokenCaption(caption), QString::fromUtf8(row.spoken)) << row.caption;
        EXPECT_EQ(drawnCaption(caption), QString::fromUtf8(row.drawn)) << row.caption;
    }
}

} // namespace
} // namespace tidecopy
