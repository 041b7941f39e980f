#include "config/SettingsReader.h"

#include "config/SettingsError.h"

#include <gtest/gtest.h>

using namespace tidecopy;

namespace {

struct NumberCase {
    std::string line;
    bool wide; // 32-bit field
    std::int64_t value;
    SettingsError error; // the error, when value does not matter
    bool fails;
};

// One number line followed by another line.
class ReaderNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReaderNumberTest, ReadsOrRefuses) {
    const NumberCase& c = GetParam();
    SettingsReader reader(c.line + "\r\nnext\r\n");
    std::error_code error;
    std::int64_t value = 0;
    const auto take = [&](const auto& number) {
        error = number.error();
        value = number ? *number : 0;
    };
    if (c.wide)
        take(reader.readNumber32());
    else
        take(reader.readNumber16());
    if (c.fails) {
        EXPECT_EQ(error, c.error);
    } else {
        EXPECT_FALSE(error) << error.message();
        EXPECT_EQ(value, c.value);
    }
    // The rest of a line never spills into the next value.
    EXPECT_EQ(reader.readLine().value(), "next");
}

constexpr auto none = SettingsError::EndOfFile;

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReaderNumberTest,
    ::testing::Values(
        NumberCase{" 1 ", false, 1, none, false}, NumberCase{"-1 ", false, -1, none, false},
        NumberCase{" 0 ", false, 0, none, false}, NumberCase{"\t  42", false, 42, none, false},
        NumberCase{"7,8", false, 7, none, false}, NumberCase{"7 8", false, 7, none, false},
        NumberCase{"0032767", false, 32767, none, false},
        NumberCase{"-2147483648", true, -2147483648LL, none, false},
        NumberCase{"32768", false, 0, SettingsError::NumberOutOfRange, true},
        NumberCase{"-32769", false, 0, SettingsError::NumberOutOfRange, true},
        NumberCase{"40000", true, 40000, none, false},
        NumberCase{"2147483648", true, 0, SettingsError::NumberOutOfRange, true},
        NumberCase{"99999999999999999999999", true, 0, SettingsError::NumberOutOfRange, true},
        NumberCase{"", false, 0, SettingsError::NotANumber, true},
        NumberCase{"   ", false, 0, SettingsError::NotANumber, true},
        NumberCase{",5", false, 0, SettingsError::NotANumber, true},
        NumberCase{"abc", false, 0, SettingsError::NotANumber, true},
        NumberCase{"-", false, 0, SettingsError::NotANumber, true},
        NumberCase{"+-5", false, 0, SettingsError::NotANumber, true},
        NumberCase{"--5", false, 0, SettingsError::NotANumber, true},
        NumberCase{"&H10", false, 0, SettingsError::NotANumber, true},
        NumberCase{"1e3", false, 0, SettingsError::NotANumber, true}));

TEST(SettingsReader, FieldsAndLines) {
    struct Case {
        std::string line;
        std::string field;
    };
    for (const Case& c :
         {Case{"bak", "bak"}, Case{"   bak ", "bak "}, Case{"a,b", "a"}, Case{" \"a,b\",c", "a,b"},
          Case{"\"a\"b", "a"}, Case{"\"", ""}, Case{"", ""}, Case{",", ""}}) {
        SCOPED_TRACE(c.line);
        SettingsReader reader(c.line + "\r\n" + c.line + "\r\n");
        EXPECT_EQ(reader.readField().value(), c.field);
        EXPECT_EQ(reader.readLine().value(), c.line);
    }
}

TEST(SettingsReader, LineEnds) {
    SettingsReader reader("crlf\r\nlf\ninner\rcr\r\n\r\nlast");
    for (const char* expected : {"crlf", "lf", "inner\rcr", "", "last"})
        EXPECT_EQ(reader.readLine().value(), expected);
    EXPECT_EQ(reader.linesRead(), 5);
    EXPECT_EQ(reader.readLine().error(), SettingsError::EndOfFile);
    EXPECT_EQ(reader.readNumber16().error(), SettingsError::EndOfFile);
    EXPECT_EQ(reader.readField().error(), SettingsError::EndOfFile);
}

// Text lines in the Windows code page when they are not UTF-8; folder lines as the file
// system's bytes on POSIX, and never with a NUL.
TEST(SettingsReader, NonUtf8TextIsWindows1252FolderLinesAsTheirFormSays) {
    SettingsReader reader("C:\\Caf\xE9\\\x80 \x81 \x9F\r\nC:\\Caf\xC3\xA9\r\n\xC3(\r\n");
    EXPECT_EQ(reader.readLine().value(), "C:\\Caf\xC3\xA9\\\xE2\x82\xAC \xC2\x81 \xC5\xB8");
    EXPECT_EQ(reader.readLine().value(), "C:\\Caf\xC3\xA9");
    EXPECT_EQ(reader.readLine().value(), "\xC3\x83(");
    for (const FolderText form : {FolderText::FileSystemBytes, FolderText::CodePage}) {
        SettingsReader folders("/Caf\xE9\r\n" + std::string("/a\0b\r\n", 6));
        EXPECT_EQ(folders.readFolderLine(form).value(),
                  form == FolderText::FileSystemBytes ? "/Caf\xE9" : "/Caf\xC3\xA9");
        EXPECT_EQ(folders.readFolderLine(form).error(), SettingsError::BadFolderName);
    }
}

} // namespace
