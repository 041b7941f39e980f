#pragma once

#include "cli/ExitStatus.h"
#include "config/MainState.h"
#include "config/OptionSet.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Volumes.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace tidecopy::cli {

// The profile file a command line names: a path as given, or a bare name looked up in
// the profiles folder (".prof" added when the name has no extension). nullopt when
// there is no such file.
std::optional<std::string> resolveProfilePath(FileSystem& fs, const PathStyle& style,
                                              const Environment& environment,
                                              const std::string& profile);

// Loads a profile as the window's Open Profile does, refusing one that cannot be read
// whole or whose folders do not exist. On refusal the reason is on err and the result is
// the exit status to end with.
std::optional<ExitStatus> loadProfileForRun(FileSystem& fs, Volumes& volumes,
                                            const PathStyle& style, const Environment& environment,
                                            const std::string& path, OptionSet& options,
                                            MainState& state, std::ostream& err);

// Prints every value of a profile as "name = value", in the order of the file.
ExitStatus showProfile(FileSystem& fs, const std::string& path, std::ostream& out,
                       std::ostream& err);

} // namespace tidecopy::cli
