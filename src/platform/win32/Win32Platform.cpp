#include "platform/DisplayFormats.h"
#include "platform/SystemPlatform.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Folders.h"
#include "platform/win32/Win32Power.h"
#include "platform/win32/Win32RegistryStore.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Volumes.h"

#include <windows.h>

namespace tidecopy {

namespace {

// A console, not a pipe or a file.
bool isConsole(DWORD stream) {
    DWORD mode = 0;
    const HANDLE handle = ::GetStdHandle(stream);
    return ::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &mode);
}

// The Windows system: its services, and the folders found from the executable's place and
// the user's known folders. There is no sound here; the window brings its own.
class Win32Platform final : public SystemPlatform {
public:
    Win32Platform()
        : m_environment(makeEnvironment(m_fs, executableFolder(), userConfigHome()))
        , m_platform{m_fs,
                     m_volumes,
                     m_clock,
                     m_power,
                     m_shell,
                     m_sound,
                     m_settingsStore,
                     m_environment,
                     knownUserFolder,
                     {isConsole(STD_INPUT_HANDLE), isConsole(STD_ERROR_HANDLE)},
                     localeDisplayFormats()} {
        // The program's text is UTF-8: a console shows it, and gives typed text, as such.
        ::SetConsoleOutputCP(CP_UTF8);
        ::SetConsoleCP(CP_UTF8);
    }

    Platform& platform() override { return m_platform; }

private:
    Win32FileSystem m_fs;
    Win32Volumes m_volumes;
    SystemClock m_clock;
    Win32Power m_power;
    Win32Shell m_shell;
    NoSound m_sound;
    Win32RegistryStore m_settingsStore;
    Environment m_environment;
    Platform m_platform;
};

} // namespace

std::unique_ptr<SystemPlatform> makeSystemPlatform() {
    return std::make_unique<Win32Platform>();
}

} // namespace tidecopy
