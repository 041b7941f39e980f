#pragma once

#include "engine/FileList.h"
#include "engine/RunControl.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tidecopy {

enum class NameForm { FullPath, NameOnly };

// A folder the walk could not read, as the walk named it, and why.
struct FolderError {
    std::string folder;
    std::error_code error;
};

// Lists what a run works on: the folders below a folder, depth first, and their files
// that match a pattern. Names within one folder come in byte order of their UTF-8 text,
// so runs and logs are the same on every file system. Symbolic links are listed as
// files and never walked into; our own temporary files are never listed.
class FolderWalk {
public:
    FolderWalk(FileSystem& fs, const PathStyle& style, RunControl control = {});

    // A folder below the walked one that is neither listed nor walked into (the
    // destination of a run when it lies inside the source), named as the walk meets it.
    void leaveOut(const std::string& folder);
    // Threads that read the folders of a tree ahead of the walk; with 1 the walk reads each
    // folder itself when it comes to it. The list is the same either way.
    void readAhead(unsigned threads) { m_readAhead = threads; }

    // Immediate subfolders. Errors are ignored: an unreadable folder has no subfolders.
    void ListSubFolders(const std::string& folder, std::uint32_t mask, FileList& list);
    // Every folder below, each followed by everything below it before its next sibling.
    void ListAllSubFolders(const std::string& folder, std::uint32_t mask, FileList& list);
    // Matching files of one folder; nothing is appended when the folder cannot be read
    // or Cancel is set.
    std::error_code ListFilesInFolder(const std::string& folder, std::uint32_t mask, FileList& list,
                                      std::string_view pattern, NameForm form);
    // The files of every folder below the root in the order of ListAllSubFolders, then
    // the root's own. An unreadable folder is skipped and returned among the errors.
    std::vector<FolderError> ListFilesInTree(const std::string& root, std::uint32_t folderMask,
                                             std::uint32_t fileMask, FileList& list,
                                             std::string_view pattern, NameForm form);

private:
    struct FolderContents;
    struct TreeRequest;

    std::error_code readFolder(const std::string& folder, FolderContents& contents) const;
    void appendFiles(const std::string& folder, const FolderContents& contents, std::uint32_t mask,
                     std::string_view pattern, NameForm form, FileList& list) const;
    void walkFilesBelow(const std::string& folder, const FolderContents& contents,
                        const TreeRequest& request, std::vector<FolderError>& errors);

    bool isLeftOut(std::string_view folder) const;

    FileSystem& m_fs;
    PathStyle m_style;
    RunControl m_control;
    std::string m_leftOut;
    unsigned m_readAhead = 1;
};

} // namespace tidecopy
