#include "config/CheckWriteDrives.h"

#include <vector>

namespace tidecopy {

namespace {

constexpr int candidateCount = 2;
constexpr const char* probeName = "tmp.tmp";

std::vector<std::string> candidateDrives(Volumes& volumes, const std::string& programFolder) {
    const std::vector<Volume> all = volumes.list();
    const Volume* programVolume = volumeHolding(all, programFolder);
    std::vector<std::string> candidates;
    for (const Volume& volume : all) {
        if (static_cast<int>(candidates.size()) == candidateCount)
            break;
        if (volume.readOnly || (programVolume && volume.mountPoint == programVolume->mountPoint))
            continue;
        candidates.push_back(volume.mountPoint);
    }
    return candidates;
}

} // namespace

std::string CheckWriteDrives(FileSystem& fs, Volumes& volumes, const std::string& programFolder,
                             const PathStyle& style) {
    for (const std::string& candidate : candidateDrives(volumes, programFolder)) {
        const std::string probe = style.join(candidate, probeName);
        if (fs.createNewFile(probe, {}))
            continue;
        fs.removeFile(probe);
        return candidate;
    }
    return {};
}

} // namespace tidecopy
