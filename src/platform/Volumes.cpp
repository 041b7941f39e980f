#include "platform/Volumes.h"

#include "platform/PathStyle.h"

namespace tidecopy {

const Volume* volumeHolding(const std::vector<Volume>& volumes, const std::string& path) {
    const PathStyle style = PathStyle::native();
    const std::string target = style.withTrailingSeparator(path);
    const Volume* best = nullptr;
    for (const Volume& volume : volumes) {
        const std::string root = style.withTrailingSeparator(volume.mountPoint);
        if (target.starts_with(root) &&
            (best == nullptr || root.size() > best->mountPoint.size() + 1))
            best = &volume;
    }
    return best;
}

} // namespace tidecopy
