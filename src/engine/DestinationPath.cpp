#include "engine/DestinationPath.h"

namespace tidecopy {

namespace {

// Stands for any file directly in the source folder.
constexpr std::string_view anyFileName = "x";

// The text from position on; empty when the text is shorter.
std::string_view tailFrom(std::string_view text, std::size_t position) {
    return position <= text.size() ? text.substr(position) : std::string_view{};
}

} // namespace

DestinationPath::DestinationPath(const PathStyle& style, const DestinationPathInputs& inputs)
    : m_style(style)
    , m_inputs(inputs)
    , m_strSource(style.withTrailingSeparator(style.withoutTrailingSeparator(inputs.sourceFolder)))
    , m_strTarget(
          style.withTrailingSeparator(style.withoutTrailingSeparator(inputs.destinationFolder))) {
    const std::string dir1 = style.withoutTrailingSeparator(inputs.sourceFolder);
    const std::string dir2 = style.withoutTrailingSeparator(inputs.destinationFolder);
    std::size_t kept = 0; // how much of the source folder's path the relative form keeps
    if (!style.isRoot(dir1) && dir1.find(style.separator()) != std::string::npos) {
        // A destination of the source folder's own name already is its counterpart.
        const std::string_view sourceName = style.fileNameOf(dir1);
        if (!inputs.chkOnlySubs && !style.sameName(style.fileNameOf(dir2), sourceName))
            kept = sourceName.size() + 1;
    }
    m_relativeStart = m_strSource.size() - kept;
}

std::string DestinationPath::TargetFile(std::string_view sourceFile) const {
    std::string_view below;
    if (!m_inputs.chkSubFolders)
        below = m_style.fileNameOf(sourceFile);
    else if (m_inputs.chkRelative)
        below = tailFrom(sourceFile, m_relativeStart);
    else
        below = sourceFile.substr(m_style.rootOf(sourceFile).size());
    // Built in place: this runs once for every listed file.
    std::string target;
    target.reserve(m_strTarget.size() + below.size());
    target.append(m_strTarget).append(below);
    return target;
}

std::optional<std::string> DestinationPath::destinationFolderToConfirm() const {
    if (m_style.isRoot(m_strSource))
        return std::nullopt;
    const std::string anyFile = TargetFile(m_strSource + std::string(anyFileName));
    return m_style.withoutTrailingSeparator(m_style.folderPartOf(anyFile));
}

} // namespace tidecopy
