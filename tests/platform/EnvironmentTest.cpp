#include "platform/Environment.h"

#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace tidecopy {
namespace {

// Tests run as root, for whom every folder is writable; this one says otherwise.
class ReadOnlyInstallation : public test::FaultyFileSystem {
public:
    explicit ReadOnlyInstallation(std::string folder)
        : m_folder(std::move(folder)) {}
    bool isWritableFolder(const std::string& folder) override {
        return folder != m_folder && NativeFileSystem::isWritableFolder(folder);
    }

private:
    std::string m_folder;
};

// Where the resources and the per-user files of a program in a given folder go. Folders
// are relative to the test's temporary folder; "config" is the per-user config folder.
TEST(Environment, ResourceAndDataFoldersFollowTheInstallation) {
    struct Case {
        const char* name;
        std::vector<const char*> folders; // made before the environment is built
        const char* program;
        bool programWritable;
        const char* resources;
        const char* data;
    };
    const char* const share = "usr/share/tidecopy";
    const char* const config = "config/Tidecopy";
    const char* const tools = "usr/tools";
    const Case cases[] = {
        {"portable", {"program"}, "program", true, "program", "program"},
        {"portable, read-only", {"program"}, "program", false, "program", config},
        {"installed", {"usr/bin", share}, "usr/bin", true, share, config},
        {"bin without resources: portable", {"usr/bin"}, "usr/bin", true, "usr/bin", "usr/bin"},
        {"resources beside no bin", {tools, share}, tools, true, tools, tools},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder temp;
        for (const char* folder : c.folders)
            temp.makeFolder(folder);
        const std::string program = temp / c.program;
        ReadOnlyInstallation readOnly(program);
        test::FaultyFileSystem writable;
        FileSystem& fs = c.programWritable ? static_cast<FileSystem&>(writable) : readOnly;
        const Environment env = makeEnvironment(fs, program + "/", temp / "config");
        EXPECT_EQ(env.programFolder, program);
        EXPECT_EQ(env.resourceFolder, temp / c.resources);
        EXPECT_EQ(env.dataFolder, temp / c.data);
        EXPECT_EQ(env.settingsFilePath(), temp / c.data + "/Tidecopy.ini");
        EXPECT_EQ(env.logsFolder(), temp / c.data + "/Logs");
        EXPECT_TRUE(temp.exists(std::string(c.data) + "/Profiles"));
        EXPECT_TRUE(temp.exists(std::string(c.data) + "/Logs"));
        EXPECT_EQ(temp.exists("config"), std::string_view(c.data).starts_with("config"));
        EXPECT_EQ(temp.exists(std::string(c.program) + "/Logs"), c.data == std::string(c.program));
        EXPECT_EQ(env.windowsFolder, "/usr/");
        EXPECT_EQ(env.systemFolder, "/usr/bin");
    }
}

} // namespace
} // namespace tidecopy
