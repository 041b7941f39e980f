#pragma once

#include "engine/FolderLookup.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace tidecopy {

// The options the copy decision reads, filled by the run from the main window and the
// option set.
struct CopyDecisionOptions {
    bool optSelectiveCopy = false;
    bool chkOnlyNewFiles = false;
    bool chkChangedFiles = false;
    // 0 no date rule, 1 any difference, 2 source newer, 3 source older.
    int DateCondition = 0;
    bool chkSizeFiles = false;
    // Replaces the resolution detected per destination volume (tests, special volumes).
    std::optional<std::int64_t> timestampResolutionNs;
};

// The date rule on two modification times. Times are compared in whole seconds, as a date
// difference in seconds counts them; on a volume that keeps coarser times (FAT: two
// seconds) a difference smaller than its resolution is no difference.
bool dateRuleHolds(int dateCondition, std::int64_t sourceNs, std::int64_t targetNs,
                   std::int64_t targetResolutionNs);

// Decides, file by file, whether a run copies a listed file to its destination. One
// object per run: it counts ExistingCount and remembers each destination folder's
// timestamp resolution.
class CopyDecision {
public:
    CopyDecision(FileSystem& fs, const PathStyle& style, CopyDecisionOptions options);

    // sourceSeen, when given, receives what a look at the source found, if one was needed.
    bool shouldCopy(const std::string& sourceFile, const std::string& targetFile,
                    std::optional<EntryInfo>* sourceSeen = nullptr);
    // A look at a source file the way the decision looks, for a copy that needs one.
    Result<EntryInfo> sourceInfo(const std::string& sourceFile);
    std::size_t ExistingCount() const { return m_existingCount; }

    // Any error, a missing file in particular, answers false.
    bool CheckTimeAndDate(const std::string& sourceFile, const std::string& targetFile);
    bool CheckFileSize(const std::string& sourceFile, const std::string& targetFile);

private:
    bool isExistingFile(const std::string& path, const Result<EntryInfo>& info);
    std::int64_t resolutionOfFolderOf(const std::string& path);

    FileSystem& m_fs;
    PathStyle m_style;
    CopyDecisionOptions m_options;
    FolderLookup m_sources;
    FolderLookup m_targets;
    std::size_t m_existingCount = 0;
    std::map<std::string, std::int64_t, std::less<>> m_resolutions;
    std::optional<std::pair<std::string, std::int64_t>> m_lastFolder;
};

} // namespace tidecopy
