#include "platform/Environment.h"

#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tidecopy {
namespace {

// Tests run as root, for whom every folder is writable; this one says otherwise.
class ReadOnlyInstallation : public test::FaultyFileSystem {
public:
    explicit ReadOnlyInstallation(std::string folder)
        : m_folder(std::move(folder)) {}
    bool isWritableFolder(const std::string& folder) override {
        return folder != m_folder && PosixFileSystem::isWritableFolder(folder);
    }

private:
    std::string m_folder;
};

TEST(Environment, WritableProgramFolderKeepsTheFilesBesideTheProgram) {
    test::TempFolder temp;
    temp.makeFolder("program");
    test::FaultyFileSystem fs;
    const Environment env = makeEnvironment(fs, temp / "program/", temp / "config");
    EXPECT_EQ(env.programFolder, temp / "program");
    EXPECT_EQ(env.dataFolder, temp / "program");
    EXPECT_EQ(env.settingsFilePath(), temp / "program/Tidecopy.ini");
    EXPECT_TRUE(temp.exists("program/Profiles"));
    EXPECT_TRUE(temp.exists("program/Logs"));
    EXPECT_FALSE(temp.exists("config"));
    EXPECT_EQ(env.windowsFolder, "/usr/");
    EXPECT_EQ(env.systemFolder, "/usr/bin");
}

TEST(Environment, ReadOnlyInstallationMovesPerUserFilesToTheConfigFolder) {
    test::TempFolder temp;
    temp.makeFolder("program");
    ReadOnlyInstallation fs(temp / "program");
    const Environment env = makeEnvironment(fs, temp / "program", temp / "config");
    EXPECT_EQ(env.programFolder, temp / "program");
    EXPECT_EQ(env.dataFolder, temp / "config/Tidecopy");
    EXPECT_EQ(env.logsFolder(), temp / "config/Tidecopy/Logs");
    EXPECT_TRUE(temp.exists("config/Tidecopy/Profiles"));
    EXPECT_TRUE(temp.exists("config/Tidecopy/Logs"));
    EXPECT_FALSE(temp.exists("program/Logs"));
}

} // namespace
} // namespace tidecopy
