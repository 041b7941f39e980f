#include "engine/CopyDecision.h"

#include "platform/Existence.h"

namespace tidecopy {

namespace {

constexpr std::int64_t nsPerSecond = 1'000'000'000;

std::int64_t wholeSeconds(std::int64_t ns) {
    return ns / nsPerSecond - (ns % nsPerSecond < 0 ? 1 : 0);
}

} // namespace

bool dateRuleHolds(int DateCondition, std::int64_t sourceNs, std::int64_t targetNs,
                   std::int64_t targetResolutionNs) {
    std::int64_t d = wholeSeconds(targetNs) - wholeSeconds(sourceNs);
    const std::int64_t exact = targetNs - sourceNs;
    if (targetResolutionNs > nsPerSecond && exact < targetResolutionNs &&
        exact > -targetResolutionNs)
        d = 0;
    switch (DateCondition) {
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
    , m_options(options) {}

bool CopyDecision::shouldCopy(const std::string& source, const std::string& TargetFile) {
    if (!m_options.optSelectiveCopy)
        return true;
    if (m_options.chkOnlyNewFiles) {
        if (!FileExists(m_fs, m_style, TargetFile))
            return true;
        ++m_existingCount;
    }
    if (!m_options.chkChangedFiles)
        return false;
    if (m_options.DateCondition != 0 && CheckTimeAndDate(source, TargetFile))
        return true;
    return m_options.chkSizeFiles && CheckFileSize(source, TargetFile);
}

bool CopyDecision::CheckTimeAndDate(const std::string& TheSourceFile,
                                    const std::string& TheTargetFile) {
    const auto source = m_fs.entryInfo(TheSourceFile);
    if (!source)
        return false;
    const auto target = m_fs.entryInfo(TheTargetFile);
    if (!target)
        return false;
    return dateRuleHolds(m_options.DateCondition, source->modifiedNs, target->modifiedNs,
                         resolutionOfFolderOf(TheTargetFile));
}

bool CopyDecision::CheckFileSize(const std::string& TheSourceFile,
                                 const std::string& TheTargetFile) {
    const auto target = m_fs.entryInfo(TheTargetFile);
    if (!target)
        return false;
    const auto source = m_fs.entryInfo(TheSourceFile);
    if (!source)
        return false;
    return target->size != source->size;
}

std::int64_t CopyDecision::resolutionOfFolderOf(const std::string& path) {
    if (m_options.timestampResolutionNs)
        return *m_options.timestampResolutionNs;
    const std::string_view folder = m_style.folderPartOf(path);
    if (const auto known = m_resolutions.find(folder); known != m_resolutions.end())
        return known->second;
    // Unknown counts as fine-grained: the plain whole-second rule then applies.
    const auto detected = m_fs.timestampResolutionNs(folder.empty() ? "." : std::string(folder));
    const std::int64_t resolution = detected ? *detected : 1;
    m_resolutions.emplace(std::string(folder), resolution);
    return resolution;
}

} // namespace tidecopy
