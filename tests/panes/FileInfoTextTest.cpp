#include "panes/FileInfoText.h"
#include "panes/FileProperties.h"

#include "platform/NativeFileSystem.h"
#include "support/FakeClock.h"
#include "support/SystemFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

struct FileInfoCase {
    const char* name;
    int limit;
    std::uint64_t size;
    const char* text;
};

class FileInfoTexts : public testing::TestWithParam<FileInfoCase> {};

TEST_P(FileInfoTexts, NameDateAndKilobytesPlusOne) {
    const FileInfoCase& c = GetParam();
    EXPECT_EQ(fileInfoText(c.name, c.limit, "21/06/2016 14:03:07", c.size), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileInfoTexts,
    testing::Values(
        FileInfoCase{"report.txt", 40, 12'900, "report.txt 21/06/2016 14:03:07 - 13kB"},
        FileInfoCase{"empty", 40, 0, "empty 21/06/2016 14:03:07 - 1kB"},
        FileInfoCase{"k", 40, 1'023, "k 21/06/2016 14:03:07 - 1kB"},
        FileInfoCase{"k", 40, 1'024, "k 21/06/2016 14:03:07 - 2kB"},
        // 41 characters with the limit 40: the first 37 and "...".
        FileInfoCase{"abcdefghijklmnopqrstuvwxyz0123456789ABCDE", 40, 1,
                     "abcdefghijklmnopqrstuvwxyz0123456789A... 21/06/2016 14:03:07 - 1kB"},
        FileInfoCase{"abcdefghijklmnopqrstuvwxyz0123456789ABCD", 40, 1,
                     "abcdefghijklmnopqrstuvwxyz0123456789ABCD 21/06/2016 14:03:07 - 1kB"},
        // A limit of 3 or less never cuts.
        FileInfoCase{"abcdef", 3, 1, "abcdef 21/06/2016 14:03:07 - 1kB"},
        // Characters, not bytes: five two-byte letters fit a limit of 5.
        FileInfoCase{"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 5, 1,
                     "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 21/06/2016 14:03:07 - 1kB"},
        FileInfoCase{"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 5, 1,
                     "\xC3\xA9\xC3\xA9... 21/06/2016 14:03:07 - 1kB"}));

TEST(GetFileSizeDateTime, ReadsTheFileOfTheFolder) {
    test::TempFolder temp;
    const std::string file = temp.writeFile("f/report.txt", std::string(12'900, 'x'));
    NativeFileSystem fs;
    test::setModifiedNs(file, 1'466'517'787'000'000'000);
    const test::FakeClock utc;
    for (const std::string& folder : {temp / "f", temp / "f/"})
        EXPECT_EQ(GetFileSizeDateTime(fs, PathStyle::native(), folder, "report.txt", 40, utc, {}),
                  "report.txt 2016-06-21 14:03:07 - 13kB");
}

TEST(GetFileSizeDateTime, AFileGoneSinceTheListingShowsItsNameAlone) {
    test::TempFolder temp;
    NativeFileSystem fs;
    EXPECT_EQ(GetFileSizeDateTime(fs, PathStyle::native(), temp.path(), "gone.txt", 40,
                                  test::FakeClock(), {}),
              "gone.txt");
}

TEST(PermissionText, SpecialBitsShowInTheExecutePlacesInCapitalsWithoutExecute) {
    const struct {
        std::uint32_t permissions;
        const char* text;
    } rows[] = {
        {0644, "rw-r--r--"}, {0755, "rwxr-xr-x"}, {04755, "rwsr-xr-x"}, {04644, "rwSr--r--"},
        {02750, "rwxr-s---"}, {02740, "rwxr-S---"}, {01777, "rwxrwxrwt"}, {01776, "rwxrwxrwT"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(permissionText(row.permissions), row.text) << std::oct << row.permissions;
}

} // namespace
} // namespace tidecopy
