#include "platform/posix/PosixShell.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// The file manager takes a URI: every byte that is not plain text is percent-encoded,
// a comma too, so that no path splits the list it is sent in.
TEST(FileUri, EncodesEveryByteButPlainNameCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/user/a.txt", "file:///home/user/a.txt"},
        {"/a b/c,d#e%f?g", "file:///a%20b/c%2Cd%23e%25f%3Fg"},
        {"/Übung/~x_y-z", "file:///%C3%9Cbung/~x_y-z"},
        {"/AZaz09", "file:///AZaz09"},
    };
    for (const auto& [path, uri] : cases)
        EXPECT_EQ(fileUri(path), uri) << path;
}

} // namespace
} // namespace tidecopy
