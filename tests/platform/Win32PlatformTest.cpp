#include "SettingsStoreRoundTrip.h"
#include "platform/Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Folders.h"
#include "platform/win32/Win32RegistryStore.h"
#include "platform/win32/Win32SystemInformation.h"
#include "platform/win32/Win32Volumes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <random>
#include <windows.h>

namespace tidecopy {
namespace {

// A key of the current user's own for one test, removed with everything below it.
class ScratchKey {
public:
    ScratchKey()
        : m_path(L"Software\\TidecopyTests\\" + std::to_wstring(std::random_device{}())) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &m_key, nullptr);
    }
    ~ScratchKey() {
        ::RegCloseKey(m_key);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, m_path.c_str());
    }
    HKEY key() const { return m_key; }
    const std::wstring& path() const { return m_path; }

    void setText(const std::wstring& subkey, const std::wstring& name, const std::wstring& text) {
        ::RegSetKeyValueW(m_key, subkey.c_str(), name.c_str(), REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

private:
    std::wstring m_path;
    HKEY m_key = nullptr;
};

TEST(Win32RegistryStore, SavesGetsAndRemovesByApplicationSectionAndKey) {
    ScratchKey scratch;
    ASSERT_NE(scratch.key(), nullptr);
    Win32RegistryStore store(HKEY_CURRENT_USER, scratch.path());
    Win32RegistryStore reopened(HKEY_CURRENT_USER, scratch.path());
    test::expectSettingsStoreRoundTrip(store, reopened);
}

TEST(Win32SystemInformation, TheRegisteredToolOrTheOneInItsRegisteredFolder) {
    test::TempFolder temp;
    Win32FileSystem fs;
    const std::wstring msinfo = LR"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
    const std::wstring location = LR"(SOFTWARE\Microsoft\Shared Tools Location)";
    const std::wstring folder(temp.path().begin(), temp.path().end());
    struct Case {
        const char* name;
        std::wstring key, value, text;
        bool toolExists;
        std::string expected;
    };
    const Case cases[] = {
        {"nothing registered", L"", L"", L"", true, ""},
        {"the folder, its tool missing", location, L"MSINFO", folder, false, ""},
        {"the folder, its tool there", location, L"MSINFO", folder, true,
         temp.path() + "\\MSINFO32.EXE"},
        {"the tool itself first", msinfo, L"PATH", L"D:\\Tools\\info.exe", true,
         "D:\\Tools\\info.exe"},
    };
    ScratchKey scratch;
    for (const Case& c : cases) {
        if (!c.key.empty())
            scratch.setText(c.key, c.value, c.text);
        if (c.toolExists)
            temp.writeFile("MSINFO32.EXE", "");
        else
            std::remove((temp / "MSINFO32.EXE").c_str());
        EXPECT_EQ(systemInformationToolBelow(scratch.key(), fs), c.expected) << c.name;
    }
}

// Wine gives every prefix a drive C: holding the Windows folder.
TEST(Win32Volumes, DriveLettersWithTheirSpace) {
    Win32Volumes volumes;
    const std::vector<Volume> drives = volumes.list();
    ASSERT_FALSE(drives.empty());
    bool hasC = false;
    for (const Volume& drive : drives) {
        ASSERT_EQ(drive.mountPoint.size(), 3u) << drive.mountPoint;
        EXPECT_EQ(drive.mountPoint.substr(1), ":\\");
        hasC = hasC || drive.mountPoint == "C:\\";
    }
    EXPECT_TRUE(hasC);
    const Result<SpaceInfo> space = volumes.space("C:\\Windows");
    ASSERT_TRUE(space);
    EXPECT_GT(space->totalBytes, 0u);
    EXPECT_LE(space->freeBytes, space->totalBytes);
    EXPECT_FALSE(volumes.space("Q:\\nowhere"));
}

TEST(Win32Folders, TheProgramsTheUsersAndTheWindowsFolder) {
    test::TempFolder temp;
    Win32FileSystem fs;
    EXPECT_EQ(executableFolder().find('/'), std::string::npos) << executableFolder();
    EXPECT_TRUE(fs.entryInfo(executableFolder() + "\\tidecopy_platform_tests.exe"));
    EXPECT_TRUE(fs.entryInfo(userConfigHome()));
    for (const UserFolder folder : {UserFolder::Desktop, UserFolder::Documents,
                                    UserFolder::Pictures, UserFolder::Music, UserFolder::Videos})
        EXPECT_EQ(knownUserFolder(folder).rfind("C:\\", 0), 0u) << knownUserFolder(folder);

    const Environment environment = makeEnvironment(fs, temp.path(), temp / "config");
    EXPECT_EQ(_stricmp(environment.windowsFolder.c_str(), "C:\\Windows\\"), 0)
        << environment.windowsFolder;
    EXPECT_EQ(environment.dataFolder, temp.path());
}

} // namespace
} // namespace tidecopy
