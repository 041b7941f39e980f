#pragma once

#include "engine/LogSink.h"
#include "engine/RunControl.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstddef>
#include <set>
#include <string>
#include <system_error>

namespace tidecopy {

// The options the copy step reads, filled by the run from the main window and the option
// set.
struct CopyOptions {
    bool chkSubFolders = false;
    // chkPreserveFiles both enabled (Copy Files Conditionally) and set.
    bool preserveFiles = false;
    // 0 ".bak", 1 the file's own extension, 2 PreserveExtension.
    int PreserveNaming = 0;
    std::string PreserveExtension;
};

enum class CopyOutcome { Copied, Failed, Cancelled };

// Copies the selected files of one run into their destinations, one at a time, so that a
// destination is never missing, destroyed or half-written: the data goes into a temporary
// file beside it, which replaces it only when complete. Preserves an existing destination
// under a new name when asked. One object per run; it counts PreservedCount and remembers
// which destination folders it has cleared of a crashed run's temporaries.
class FileCopier {
public:
    FileCopier(FileSystem& fs, const PathStyle& style, CopyOptions options, LogSink log,
               RunControl control = {});

    // Never fails as a call: a failed file is logged and reported in the outcome.
    CopyOutcome GoAndCopyTheFile(const std::string& strSource, const std::string& strTarget);
    // One file onto a given target outside a run (the panes' copies): the same fail-safe
    // steps without preservation, the error returned instead of logged.
    std::error_code copyOneFile(const std::string& strSource, const std::string& strTarget);

    // The name an existing target is preserved under (empty when the target does not
    // exist); ext becomes the extension actually used.
    std::string PreserveName(const std::string& target, std::string& ext);

    std::size_t PreservedCount() const { return m_preservedCount; }

private:
    enum class Preservation { None, Linked, Renamed };

    std::error_code replaceSafely(const std::string& source, const std::string& target,
                                  const std::string& preservedName);
    std::error_code createTemporary(const std::string& source, const EntryInfo& info,
                                    const std::string& folder, std::string& temporary);
    std::error_code preserveExisting(const std::string& target, const std::string& preservedName,
                                     Preservation& done);
    void undoPreservation(const std::string& target, const std::string& preservedName,
                          Preservation done);
    void removeLeftoverTemporaries(const std::string& folder);
    bool exists(const std::string& path);

    FileSystem& m_fs;
    PathStyle m_style;
    CopyOptions m_options;
    LogSink m_log;
    RunControl m_control;
    std::size_t m_preservedCount = 0;
    std::set<std::string> m_clearedFolders;
};

} // namespace tidecopy
