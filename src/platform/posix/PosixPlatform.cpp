#include "platform/IniSettingsStore.h"
#include "platform/SystemPlatform.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixFolders.h"
#include "platform/posix/PosixPower.h"
#include "platform/posix/PosixShell.h"
#include "platform/posix/PosixVolumes.h"
#include "platform/posix/XdgUserDirs.h"

#include <unistd.h>

namespace tidecopy {

namespace {

// The POSIX system: its services, and the folders found from the executable's place and
// the XDG variables. There is no sound here; the window brings its own.
class PosixPlatform final : public SystemPlatform {
public:
    PosixPlatform()
        : m_configHome(userConfigHome())
        , m_home(userHomeFolder())
        , m_environment(makeEnvironment(m_fs, executableFolder(), m_configHome))
        , m_settingsStore(m_fs, m_configHome)
        , m_platform{m_fs,
                     m_volumes,
                     m_clock,
                     m_power,
                     m_shell,
                     m_sound,
                     m_settingsStore,
                     m_environment,
                     [this](UserFolder folder) {
                         return lookUpUserFolder(m_fs, m_configHome, m_home, folder);
                     },
                     {::isatty(STDIN_FILENO) == 1, ::isatty(STDERR_FILENO) == 1},
                     localeDisplayFormats()} {}

    Platform& platform() override { return m_platform; }

private:
    PosixFileSystem m_fs;
    PosixVolumes m_volumes;
    SystemClock m_clock;
    PosixPower m_power;
    PosixShell m_shell;
    NoSound m_sound;
    std::string m_configHome;
    std::string m_home;
    Environment m_environment;
    IniSettingsStore m_settingsStore;
    Platform m_platform;
};

} // namespace

std::unique_ptr<SystemPlatform> makeSystemPlatform() {
    return std::make_unique<PosixPlatform>();
}

} // namespace tidecopy
