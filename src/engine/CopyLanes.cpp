#include "engine/CopyLanes.h"

namespace tidecopy {

std::vector<std::size_t> fileBatches(const std::vector<std::string>& files,
                                     const PathStyle& style) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 1; i < files.size(); ++i)
        if (i - starts.back() == CopyLanes::filesPerBatch ||
            style.folderPartOf(files[i]) != style.folderPartOf(files[i - 1]))
            starts.push_back(i);
    if (!files.empty())
        starts.push_back(files.size());
    return starts;
}

CopyLanes::CopyLanes(const CopyDecision& decision, FileCopier& runCopier,
                     const DestinationPath& paths, const std::atomic<bool>* cancelRequested,
                     RunWorkers workers, bool backup)
    : m_runCopier(runCopier)
    , m_paths(paths)
    , m_cancelRequested(cancelRequested)
    , m_workers(workers)
    , m_backup(backup) {
    m_workers.threads = std::max(m_workers.threads, 1u);
    const unsigned lanes = m_workers.threads > 1 ? m_workers.threads + 1 : 1;
    for (unsigned i = 0; i < lanes; ++i) {
        Lane& lane = *m_lanes.emplace_back(std::make_unique<Lane>(decision));
        // A worker's copy neither draws progress nor lets events run: the run's own thread
        // does both as it reports the file.
        if (i > 0)
            lane.ownCopier.emplace(
                runCopier.forAnotherThread([&lane](std::string_view text) { lane.pending += text; },
                                           RunControl{cancelRequested, {}}));
    }
}

FileCopier& CopyLanes::copierOf(unsigned lane) {
    return lane == 0 ? m_runCopier : *m_lanes[lane]->ownCopier;
}

std::vector<FileStep> CopyLanes::look(unsigned lane, std::span<const std::string> sources) {
    std::vector<FileStep> steps;
    steps.reserve(sources.size());
    for (const std::string& source : sources)
        steps.push_back(lookAt(lane, source));
    return steps;
}

FileStep CopyLanes::lookAt(unsigned laneNumber, const std::string& source) {
    FileStep step;
    if (m_cancelRequested && m_cancelRequested->load(std::memory_order_relaxed))
        return step;
    step.started = true;
    step.target = m_paths.TargetFile(source);
    Lane& lane = *m_lanes[laneNumber];
    if (m_backup)
        copierOf(laneNumber).removeLeftoversBeside(step.target);
    step.selected = lane.decision.shouldCopy(source, step.target, &step.source);
    if (!step.selected || !m_backup)
        return step;
    if (laneNumber == 0 || !m_workers.copySmallFiles) {
        step.copyLater = true;
        return step;
    }
    copySmallFile(lane, source, step);
    return step;
}

// A source that cannot be looked at is left to the run's thread, which names the error.
void CopyLanes::copySmallFile(Lane& lane, const std::string& source, FileStep& step) {
    if (!step.source)
        if (const Result<EntryInfo> info = lane.decision.sourceInfo(source))
            step.source = *info;
    if (!step.source || step.source->size > smallFileLimit) {
        step.copyLater = true;
        return;
    }
    step.copy = lane.ownCopier->GoAndCopyTheFile(source, step.target, &*step.source);
    step.log = std::move(lane.pending);
    lane.pending.clear();
    step.preservedName = lane.ownCopier->lastPreservedName();
}

std::size_t CopyLanes::existingCount() const {
    std::size_t count = 0;
    for (const auto& lane : m_lanes)
        count += lane->decision.ExistingCount();
    return count;
}

std::size_t CopyLanes::preservedCount() const {
    std::size_t count = m_runCopier.PreservedCount();
    for (const auto& lane : m_lanes)
        if (lane->ownCopier)
            count += lane->ownCopier->PreservedCount();
    return count;
}

} // namespace tidecopy
