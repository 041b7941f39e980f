#pragma once

#include "engine/DestinationFolders.h"
#include "engine/LogSink.h"
#include "engine/RunControl.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
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
    // The run's destination folder (Dir2): below it no symbolic link is followed.
    std::string destinationFolder;
};

enum class CopyOutcome { Copied, Failed, Cancelled };

// The destination folders already cleared of a killed run's temporaries, shared by the
// copiers of one run so that each folder is cleared once, by whichever thread meets it first.
class ClearedFolders {
public:
    // True the first time a folder is named.
    bool claim(const std::string& folder);

private:
    std::mutex m_mutex;
    std::set<std::string> m_folders;
};

// Copies the selected files of one run into their destinations, one at a time, so that a
// destination is never missing, destroyed or half-written: the data goes into a temporary
// file beside it, which replaces it only when complete. Preserves an existing destination
// under a new name when asked. One object per run; it counts PreservedCount and remembers
// which destination folders it has cleared of a killed run's temporaries.
class FileCopier {
public:
    FileCopier(FileSystem& fs, const PathStyle& style, CopyOptions options, LogSink log,
               RunControl control = {});

    // A copier for another thread of the same run: the same options and folders cleared
    // once for both; its own log, control and counts.
    FileCopier forAnotherThread(LogSink log, RunControl control) const;

    // Never fails as a call: a failed file is logged and reported in the outcome. source
    // is what a look at strSource just found, when the caller made one.
    CopyOutcome GoAndCopyTheFile(const std::string& strSource, const std::string& strTarget,
                                 const EntryInfo* source = nullptr);
    // One file onto a given target outside a run (the panes' copies): the same fail-safe
    // steps without preservation, the error returned instead of logged.
    std::error_code copyOneFile(const std::string& strSource, const std::string& strTarget);

    // Removes the temporaries a killed run left in the folder of a destination path, once
    // per folder; a real run calls it for every destination it looks at.
    void removeLeftoversBeside(const std::string& strTarget);

    // Creates a destination folder before any file goes into it; errors are ignored, as the
    // files bound for it will report them.
    void prepareFolder(const std::string& folder);

    std::size_t PreservedCount() const { return m_preservedCount; }
    // The name in the same folder that the last copied file's old version took; empty when
    // it kept none.
    const std::string& lastPreservedName() const { return m_lastPreservedName; }

private:
    FileCopier(FileSystem& fs, const PathStyle& style, CopyOptions options, LogSink log,
               RunControl control, std::shared_ptr<ClearedFolders> cleared);

    // The new version under a temporary name, locked while it is a regular file.
    struct Staged {
        std::optional<TemporaryFile> file;
        std::string name;
    };

    std::string PreserveName(const OpenFolder& folder, const std::string& name, std::string& ext);
    std::error_code replaceSafely(const OpenFolder& folder, const std::string& source,
                                  const std::string& name, const std::string& preservedName,
                                  const EntryInfo* known = nullptr);
    std::error_code stageFile(const OpenFolder& folder, const std::string& source,
                              const EntryInfo& info, Staged& staged);
    std::error_code stageLink(const OpenFolder& folder, const std::string& source,
                              const EntryInfo& info, Staged& staged);
    std::error_code commit(const OpenFolder& folder, Staged& staged, const std::string& name,
                           const std::string& preservedName);
    std::error_code moveIntoPlace(const OpenFolder& folder, Staged& staged,
                                  const std::string& name);
    std::error_code flushBeforeReplacing(Staged& staged);
    std::error_code preserveByExchange(const OpenFolder& folder, const std::string& temporary,
                                       const std::string& name, const std::string& preservedName);
    void removeLeftovers(const OpenFolder& folder);
    void logFailure(const std::string& strTarget, std::error_code error,
                    const std::string& failedPath = {});

    FileSystem& m_fs;
    PathStyle m_style;
    CopyOptions m_options;
    LogSink m_log;
    RunControl m_control;
    DestinationFolders m_folders;
    std::size_t m_preservedCount = 0;
    std::string m_lastPreservedName;
    std::shared_ptr<ClearedFolders> m_clearedFolders;
};

} // namespace tidecopy
