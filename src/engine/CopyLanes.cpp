#include "engine/CopyLanes.h"

namespace tidecopy {

CopyLanes::CopyLanes(const CopyDecision& decision, FileCopier& runCopier,
                     const std::atomic<bool>* cancelRequested, RunWorkers workers, bool backup)
    : m_runCopier(runCopier)
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

FileStep CopyLanes::look(unsigned laneNumber, const std::string& source, std::string target) {
    FileStep step;
    if (m_cancelRequested && m_cancelRequested->load(std::memory_order_relaxed))
        return step;
    step.started = true;
    step.target = std::move(target);
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
