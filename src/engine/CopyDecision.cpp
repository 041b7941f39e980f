#include "engine/CopyDecision.h"

#include "platform/Enumeration.h"

namespace tidecopy {

namespace {

constexpr std::int64_t nsPerSecond = 1'000'000'000;

std::int64_t wholeSeconds(std::int64_t ns) {
    return ns / nsPerSecond - (ns % nsPerSecond < 0 ? 1 : 0);
}

} // namespace

bool dateRuleHolds(int dateCondition, std::int64_t sourceNs, std::int64_t targetNs,
                   std::int64_t targetResolutionNs) {
    std::int64_t d = wholeSeconds(targetNs) - wholeSeconds(sourceNs);
    const std::int64_t exact = targetNs - sourceNs;
    if (targetResolutionNs > nsPerSecond && exact < targetResolutionNs &&
        exact > -targetResolutionNs)
        d = 0;
    switch (dateCondition) {
    case 1:
        return d != 0;
    case 2:
        return d < 0;
    case 3:
        return d > 0;
    default:
        return false;
    }
}

CopyDecision::CopyDecision(FileSystem& fs, const PathStyle& style, CopyDecisionOptions options)
    : m_fs(fs)
    , m_style(style)
    , m_options(options)
    , m_sources(fs, style)
    , m_targets(fs, style) {}

Result<EntryInfo> CopyDecision::sourceInfo(const std::string& sourceFile) {
    return m_sources.entryInfo(sourceFile);
}

// One look at the target and at most one at the source serve all three rules, in their
// order: a run with nothing to copy costs two lookups per file, not five.
bool CopyDecision::shouldCopy(const std::string& sourceFile, const std::string& targetFile,
                              std::optional<EntryInfo>* sourceSeen) {
    if (!m_options.optSelectiveCopy)
        return true;
    const bool dateRule = m_options.chkChangedFiles && m_options.DateCondition != 0;
    const bool sizeRule = m_options.chkChangedFiles && m_options.chkSizeFiles;
    if (!m_options.chkOnlyNewFiles && !dateRule && !sizeRule)
        return false;
    const Result<EntryInfo> target = m_targets.entryInfo(targetFile);
    if (m_options.chkOnlyNewFiles) {
        if (!isExistingFile(targetFile, target))
            return true;
        ++m_existingCount;
    }
    if ((!dateRule && !sizeRule) || !target)
        return false;
    const Result<EntryInfo> sourceInfo = m_sources.entryInfo(sourceFile);
    if (!sourceInfo)
        return false;
    if (sourceSeen)
        *sourceSeen = *sourceInfo;
    if (dateRule && dateRuleHolds(m_options.DateCondition, sourceInfo->modifiedNs,
                                  target->modifiedNs, resolutionOfFolderOf(targetFile)))
        return true;
    return sizeRule && target->size != sourceInfo->size;
}

// FileExists answered from the lookup already made.
bool CopyDecision::isExistingFile(const std::string& path, const Result<EntryInfo>& info) {
    if (path.empty() || m_style.endsWithSeparator(path))
        return false;
    return info && passesAttributeMask(info->attributes, AttributeMask::OrdinaryFilesOnly);
}

bool CopyDecision::CheckTimeAndDate(const std::string& sourceFile, const std::string& targetFile) {
    const auto source = m_fs.entryInfo(sourceFile);
    if (!source)
        return false;
    const auto target = m_fs.entryInfo(targetFile);
    if (!target)
        return false;
    return dateRuleHolds(m_options.DateCondition, source->modifiedNs, target->modifiedNs,
                         resolutionOfFolderOf(targetFile));
}

bool CopyDecision::CheckFileSize(const std::string& sourceFile, const std::string& targetFile) {
    const auto target = m_fs.entryInfo(targetFile);
    if (!target)
        return false;
    const auto source = m_fs.entryInfo(sourceFile);
    if (!source)
        return false;
    return target->size != source->size;
}

std::int64_t CopyDecision::resolutionOfFolderOf(const std::string& path) {
    if (m_options.timestampResolutionNs)
        return *m_options.timestampResolutionNs;
    const std::string_view folder = m_style.folderPartOf(path);
    // Files come folder by folder: the last folder answers most questions.
    if (m_lastFolder && folder == m_lastFolder->first)
        return m_lastFolder->second;
    auto known = m_resolutions.find(folder);
    if (known == m_resolutions.end()) {
        // Unknown counts as fine-grained: the plain whole-second rule then applies.
        const auto detected =
            m_fs.timestampResolutionNs(folder.empty() ? "." : std::string(folder));
        known = m_resolutions.emplace(std::string(folder), detected ? *detected : 1).first;
    }
    m_lastFolder = *known;
    return known->second;
}

} // namespace tidecopy
