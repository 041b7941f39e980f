#include "engine/RunWorkers.h"

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
    return volume && volume->rotational;
}

RunWorkers runWorkersFor(Volumes& volumes, const std::string& destination) {
    const unsigned cores = std::max(std::thread::hardware_concurrency(), 1u);
    return {std::clamp(cores * threadsPerCore, fewestThreads, mostThreads),
            !onSpinningDisk(volumes, destination)};
}

} // namespace tidecopy
