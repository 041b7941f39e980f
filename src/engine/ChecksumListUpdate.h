#pragma once

#include "engine/ChecksumList.h"
#include "engine/LogSink.h"
#include "engine/RunControl.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tidecopy {

// How the copies of a run were read back before the list is written.
enum class CopiesRead {
    ByIntegrityCheck, // a copy without a digest failed the check: it keeps its old entry
    NotYet,           // each copy is read once here
};

struct ChecksumListOutcome {
    std::size_t listed = 0; // files the list names
    std::size_t hashed = 0; // digests new in it
    std::size_t failed = 0; // files that could not be read, a list not written
};

// The checksum list of one real run's destination folder, brought up to date at the end
// of the run: the files the run copied get the digests of their copies, a preserved file
// takes its old entry to its preserved name, and every other entry stays. A file the run
// listed but did not copy is hashed as it is when the list lacks it, or when it has changed
// since the list was written and now matches its source (a run without the list copied
// it); a changed file that does not match its source keeps its entry, so that a verify
// names it. The list is written in one step: an update that fails or never ends leaves the
// old list, never a mix of both.
class ChecksumListUpdate {
public:
    ChecksumListUpdate(FileSystem& fs, const PathStyle& style, std::string destinationFolder);

    // The run's files, as they were handled. preservedName is the name the old version
    // took in the same folder, empty when none was preserved.
    void copied(const std::string& target, const std::string& preservedName);
    void notCopied(const std::string& source, const std::string& target);
    // The bytes of a copy as the integrity check read them from the disk, matching its source.
    void readBack(const std::string& target, const Sha256Digest& digest);

    // Reads the list there is, brings it up to date and writes it. A list that is there but
    // cannot be read is left as it is, as is the list when the update is cancelled. Each
    // problem has its log line.
    ChecksumListOutcome write(CopiesRead copiesRead, const LogSink& log, const RunControl& control);

    std::string listPath() const { return m_destination + checksumListName; }

private:
    struct Copy {
        std::string target;
        std::string preservedName;
    };

    std::optional<ChecksumList> readOldList(const LogSink& log);
    void applyCopies(ChecksumList& list, CopiesRead copiesRead, ChecksumListOutcome& outcome,
                     const LogSink& log, const RunControl& control);
    void applyOthers(ChecksumList& list, ChecksumListOutcome& outcome, const LogSink& log,
                     const RunControl& control);
    // The file as it is now; nullopt (with a log line unless cancelled) when it cannot be
    // read.
    std::optional<ChecksumEntry> hashNow(const std::string& file, const FileStamp& stamp,
                                         ChecksumListOutcome& outcome, const LogSink& log,
                                         const RunControl& control);
    bool matchesSource(const std::string& source, const FileStamp& copy);

    FileSystem& m_fs;
    PathStyle m_style;
    std::string m_destination; // with a trailing separator
    std::vector<Copy> m_copies;
    std::vector<std::pair<std::string, std::string>> m_others; // source, target
    std::map<std::string, Sha256Digest> m_readBack;
    std::optional<std::int64_t> m_timeStep; // of the destination's volume
};

} // namespace tidecopy
