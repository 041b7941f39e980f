#include "platform/DisplayFormats.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

TEST(DisplayFormats, LogAndFileDatesFollowTheNamedLocale) {
    struct Case {
        const char* name;
        DisplayFormats formats;
        const char* text;
    };
    const LocalDateTime moment{2026, 12, 6, 20, 46, 31};
    const Case cases[] = {
        {"no locale", DisplayFormats{}, "2026-12-06 20:46:31"},
        {"the C locale's short date and time", localeDisplayFormats("C"), "12/06/26 20:46:31"},
        {"a locale that is not installed", localeDisplayFormats("xx_NOWHERE.UTF-8"),
         "2026-12-06 20:46:31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.formats.generalDate(moment), c.text);
        // The C locale groups no digits; the product's size texts always do.
        EXPECT_EQ(c.formats.thousandsSeparator, ",");
    }
}

} // namespace
} // namespace tidecopy
