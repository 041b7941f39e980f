#include "engine/NestedDestination.h"

namespace tidecopy {

std::optional<std::string> destinationInsideSource(FileSystem& fs, const PathStyle& style,
                                                   const std::string& strSource,
                                                   const std::string& strTarget) {
    const Result<std::string> source = fs.canonicalPath(strSource);
    const Result<std::string> target = fs.canonicalPath(strTarget);
    if (!source || !target)
        return std::nullopt;
    const std::string sourceFolder = style.withTrailingSeparator(*source);
    if (target->size() <= sourceFolder.size() || !target->starts_with(sourceFolder))
        return std::nullopt;
    // The walk never follows a link below its root, so it meets the destination only
    // through real folders: by the same names as the resolved path.
    return style.withTrailingSeparator(strSource) + target->substr(sourceFolder.size());
}

} // namespace tidecopy
