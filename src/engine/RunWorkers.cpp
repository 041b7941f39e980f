#include "engine/RunWorkers.h"

#include "platform/PathStyle.h"

#include <algorithm>
#include <thread>

namespace tidecopy {

namespace {

constexpr unsigned threadsPerCore = 2;
constexpr unsigned fewestThreads = 2;
constexpr unsigned mostThreads = 8;

} // namespace

bool onSpinningDisk(Volumes& volumes, const std::string& path) {
    const std::vector<Volume> all = volumes.list();
    const Volume* volume = volumeHolding(all, path);
    if (!volume || !volume->rotational)
        return false;
    // The list leaves out memory and pseudo file systems: one mounted inside that volume
    // that holds the path is what the path is on.
    const PathStyle style = PathStyle::native();
    const std::string target = style.withTrailingSeparator(path);
    const std::string root = style.withTrailingSeparator(volume->mountPoint);
    for (const std::string& point : volumes.mountPoints()) {
        const std::string inner = style.withTrailingSeparator(point);
        if (inner.size() > root.size() && target.starts_with(inner))
            return false;
    }
    return true;
}

RunWorkers runWorkersFor(Volumes& volumes, const std::string& destination) {
    const unsigned cores = std::max(std::thread::hardware_concurrency(), 1u);
    return {std::clamp(cores * threadsPerCore, fewestThreads, mostThreads),
            !onSpinningDisk(volumes, destination)};
}

} // namespace tidecopy
