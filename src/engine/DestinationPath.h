#pragma once

#include "platform/PathStyle.h"

#include <optional>
#include <string>
#include <string_view>

namespace tidecopy {

// What the destination paths of a run depend on; taken from the panes and the copy
// options when the run starts.
struct DestinationPathInputs {
    std::string sourceFolder;      // the Dir1 folder, with or without a trailing separator
    std::string destinationFolder; // the Dir2 folder, likewise
    bool chkSubFolders = false;
    bool chkRelative = false;
    bool chkOnlySubs = false;
};

// The destination path (TargetFile) of every listed source file of one run. Pure path
// arithmetic, computed once per run: no file is looked at.
//
// Recurse off: the file's name in the destination folder. Recurse on, Relative off (the
// absolute form): the whole source path below its root, under the destination folder.
// Recurse and Relative on (the relative form): the path below the source folder, preceded
// by the source folder's own name unless Only Subdirectories is on or the destination
// folder has that name itself (the same-name rule; case counts as the path style says).
class DestinationPath {
public:
    DestinationPath(const PathStyle& style, const DestinationPathInputs& inputs);

    // sourceFile is a full path below the source folder; a folder below it works the
    // same way, which is how the run's folders are prepared.
    std::string TargetFile(std::string_view sourceFile) const;

    // The folder that receives the source folder's own files, which the destination-folder
    // question tests for existence; none when the source folder is a root.
    std::optional<std::string> destinationFolderToConfirm() const;

    // The two folders with a trailing separator.
    const std::string& strSource() const { return m_strSource; }
    const std::string& strTarget() const { return m_strTarget; }

private:
    PathStyle m_style;
    DestinationPathInputs m_inputs;
    std::string m_strSource;
    std::string m_strTarget;
    // Where the relative form's part of a source path begins.
    std::size_t m_relativeStart = 0;
};

} // namespace tidecopy
