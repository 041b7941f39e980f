#pragma once

#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace tidecopy {

class FolderWalk;

// The text up to and including the first delimiter, removed from startStrg; the whole
// text when there is no delimiter.
std::string GetPart(std::string& startStrg, char delimiter);

// The text up to and including the last separator (empty when there is none).
std::string ExtractPath(const PathStyle& style, std::string_view strPathFile);

// Creates every missing level of a folder path. An existing level is no failure; the
// first real one is returned, as it is the cause of whatever fails next.
std::error_code CreateFolderPath(FileSystem& fs, const PathStyle& style, std::string_view path);

// The run's destination path of a source path below the source folder.
using DestinationPathFunction = std::function<std::string(std::string_view sourcePath)>;

// Creates one destination folder with its missing levels; errors are ignored.
using FolderMaker = std::function<void(const std::string& folder)>;

// Prepares, before a run copies, the destination folder of every folder below the source
// folder, at every depth, or of the source folder itself when it has none. The walk
// decides what is a folder to prepare (never a hidden one, never through a link); the
// destinations come from the run's own path rule, so the prepared folders are the ones
// its files will use; makeFolder creates each one.
void MakeAllFolders(FileSystem& fs, const PathStyle& style, FolderWalk& walk,
                    const std::string& strSourcePath, const DestinationPathFunction& destinationOf,
                    const FolderMaker& makeFolder);

} // namespace tidecopy
