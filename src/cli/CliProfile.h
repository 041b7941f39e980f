#pragma once

#include "cli/ExitStatus.h"
#include "config/MainState.h"
#include "config/OptionSet.h"
#include "log/ActivityLog.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Platform.h"
#include "platform/Volumes.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace tidecopy::cli {

// The profile file a command line names: a path as given, or a bare name looked up in
// the profiles folder (".prof" added when the name has no extension). A hidden file is a
// profile too. nullopt when there is no such file.
std::optional<std::string> resolveProfilePath(FileSystem& fs, const PathStyle& style,
                                              const Environment& environment,
                                              const std::string& profile);

// Loads a profile as the window's Open Profile does, refusing one that cannot be read
// whole or whose folders do not exist; the run's log gets the profile's length limit. On
// refusal the reason is on err and the result is the exit status to end with.
std::optional<ExitStatus> loadProfileForRun(Platform& platform, const PathStyle& style,
                                            const std::string& path, OptionSet& options,
                                            MainState& state, ActivityLog& log, std::ostream& err);

// The destination folder a profile names, read from its own line, so that a verify works
// also when the source folder is gone. nullopt, with the reason on err, when the profile
// cannot be read that far or the folder does not exist.
std::optional<std::string> profileDestination(FileSystem& fs, const PathStyle& style,
                                              const std::string& path, std::ostream& err);

// Prints every value of a profile as "name = value", in the order of the file: the value
// a run uses, followed by the file's own line where that says something else. A profile
// that cannot be loaded shows its lines as they stand.
ExitStatus showProfile(Platform& platform, const PathStyle& style, const std::string& path,
                       std::ostream& out, std::ostream& err);

} // namespace tidecopy::cli
