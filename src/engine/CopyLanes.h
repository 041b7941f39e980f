#pragma once

#include "engine/CopyDecision.h"
#include "engine/DestinationPath.h"
#include "engine/FileCopier.h"
#include "engine/RunWorkers.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tidecopy {

// What became of one listed file on whichever thread looked at it, for the run's own thread
// to report in list order.
struct FileStep {
    bool started = false; // false when Cancel came before the file's turn
    std::string target;
    bool selected = false;
    // Selected for a copy that is left to the run's own thread: a large file, whose progress
    // shows as it is copied, or any file when the threads only look.
    bool copyLater = false;
    std::optional<EntryInfo> source; // what a look at the source found, when one was made
    std::optional<CopyOutcome> copy;
    std::string log; // what the copy logged
    std::string preservedName;
};

// Where each batch of a run's list starts, and the list's end last. A batch is up to
// filesPerBatch consecutive files of one folder: threads then seldom wait for each other or
// write into one folder at once.
std::vector<std::size_t> fileBatches(const std::vector<std::string>& files, const PathStyle& style);

// The decisions and copies of one run, one lane per thread: lane 0 is the run's own thread,
// with the run's copier; lanes 1 to threads are the workers', each with a decision and a
// copier of its own that share the run's record of cleared folders.
class CopyLanes {
public:
    // Files up to this size are copied by the workers, when they copy.
    static constexpr std::uint64_t smallFileLimit = 1 << 20;
    static constexpr std::size_t filesPerBatch = 64;

    CopyLanes(const CopyDecision& decision, FileCopier& runCopier, const DestinationPath& paths,
              const std::atomic<bool>* cancelRequested, RunWorkers workers, bool backup);

    unsigned threads() const { return m_workers.threads; }
    // The files of one batch, on the thread of the given lane.
    std::vector<FileStep> look(unsigned lane, std::span<const std::string> sources);

    std::size_t existingCount() const;
    std::size_t preservedCount() const;

private:
    struct Lane {
        explicit Lane(const CopyDecision& prototype)
            : decision(prototype) {}
        CopyDecision decision;
        std::optional<FileCopier> ownCopier;
        std::string pending; // what ownCopier logged for the file in hand
    };
    FileCopier& copierOf(unsigned lane);
    FileStep lookAt(unsigned lane, const std::string& source);
    void copySmallFile(Lane& lane, const std::string& source, FileStep& step);

    FileCopier& m_runCopier;
    const DestinationPath& m_paths;
    const std::atomic<bool>* m_cancelRequested;
    RunWorkers m_workers;
    bool m_backup;
    std::vector<std::unique_ptr<Lane>> m_lanes;
};

} // namespace tidecopy
