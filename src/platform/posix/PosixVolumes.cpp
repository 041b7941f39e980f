#include "platform/posix/PosixVolumes.h"

#include "platform/Errors.h"
#include "platform/PathStyle.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tidecopy {

namespace {

// The mount table writes blanks, tabs, newlines and backslashes as octal escapes.
std::string unescapeMountField(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](std::size_t at) {
            return field[at] >= '0' && field[at] <= '7';
        };
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(i + 1) && isOctal(i + 2) &&
            isOctal(i + 3)) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::string resolvedDevice(const std::string& device) {
    char buffer[PATH_MAX];
    return ::realpath(device.c_str(), buffer) != nullptr ? std::string(buffer) : device;
}

// Labels are the names of the links in /dev/disk/by-label, escaped as udev does (\x20).
std::string unescapeUdev(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            out += static_cast<char>(
                std::strtol(std::string(name.substr(i + 2, 2)).c_str(), nullptr, 16));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

// A partition has no queue of its own: its disk's is one level up.
bool isRotational(const std::string& blockFolder, const std::string& device) {
    const std::string name(PathStyle::posix().fileNameOf(resolvedDevice(device)));
    if (name.empty())
        return false;
    for (const char* queue : {"/queue/rotational", "/../queue/rotational"}) {
        std::ifstream flag(blockFolder + "/" + name + queue);
        char value = 0;
        if (flag >> value)
            return value == '1';
    }
    return false;
}

} // namespace

bool isPseudoFileSystem(std::string_view type) {
    static constexpr std::array<std::string_view, 30> pseudo = {"proc",        "sysfs",
                                                                "devtmpfs",    "devpts",
                                                                "tmpfs",       "securityfs",
                                                                "cgroup",      "cgroup2",
                                                                "pstore",      "bpf",
                                                                "debugfs",     "tracefs",
                                                                "mqueue",      "hugetlbfs",
                                                                "configfs",    "fusectl",
                                                                "autofs",      "binfmt_misc",
                                                                "rpc_pipefs",  "nsfs",
                                                                "efivarfs",    "ramfs",
                                                                "squashfs",    "overlay",
                                                                "selinuxfs",   "fuse.gvfsd-fuse",
                                                                "fuse.portal", "nfsd",
                                                                "sockfs",      "pipefs"};
    return std::find(pseudo.begin(), pseudo.end(), type) != pseudo.end();
}

namespace {

struct MountLine {
    std::string device;
    std::string mountPoint;
    std::string type;
    std::string options;
};

std::vector<MountLine> mountLines(std::string_view text) {
    std::vector<MountLine> mounts;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        MountLine mount;
        if (!(fields >> mount.device >> mount.mountPoint >> mount.type >> mount.options))
            continue;
        mount.device = unescapeMountField(mount.device);
        mount.mountPoint = unescapeMountField(mount.mountPoint);
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

std::string readMountTable(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

std::vector<Volume> parseMountTable(std::string_view text) {
    std::vector<Volume> volumes;
    for (MountLine& mount : mountLines(text)) {
        if (isPseudoFileSystem(mount.type))
            continue;
        Volume volume;
        volume.device = std::move(mount.device);
        volume.mountPoint = std::move(mount.mountPoint);
        volume.fileSystemType = mount.type;
        std::istringstream optionList(mount.options);
        for (std::string option; std::getline(optionList, option, ',');)
            if (option == "ro")
                volume.readOnly = true;
        std::erase_if(volumes, [&](const Volume& v) { return v.mountPoint == volume.mountPoint; });
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

std::vector<std::string> parseMountPoints(std::string_view text) {
    std::vector<std::string> points;
    for (MountLine& mount : mountLines(text))
        points.push_back(std::move(mount.mountPoint));
    return points;
}

PosixVolumes::PosixVolumes(std::string mountTable, std::string labelFolder, std::string blockFolder)
    : m_mountTable(std::move(mountTable))
    , m_labelFolder(std::move(labelFolder))
    , m_blockFolder(std::move(blockFolder)) {}

std::vector<Volume> PosixVolumes::list() {
    std::vector<Volume> volumes = parseMountTable(readMountTable(m_mountTable));
    for (Volume& volume : volumes)
        volume.rotational = isRotational(m_blockFolder, volume.device);

    if (DIR* dir = ::opendir(m_labelFolder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string device = resolvedDevice(m_labelFolder + "/" + entry->d_name);
            for (Volume& volume : volumes)
                if (resolvedDevice(volume.device) == device)
                    volume.label = unescapeUdev(entry->d_name);
        }
        ::closedir(dir);
    }
    return volumes;
}

std::vector<std::string> PosixVolumes::mountPoints() {
    return parseMountPoints(readMountTable(m_mountTable));
}

Result<SpaceInfo> PosixVolumes::space(const std::string& path) {
    struct statvfs st {};
    if (::statvfs(path.c_str(), &st) != 0)
        return lastNativeError();
    return SpaceInfo{static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize,
                     static_cast<std::uint64_t>(st.f_blocks) * st.f_frsize};
}

} // namespace tidecopy
