#include "cli/CliProfile.h"

#include "cli/CliSettingsView.h"
#include "config/LoadINI.h"
#include "config/SettingsFormat.h"
#include "config/SettingsLineNames.h"
#include "config/SettingsReader.h"
#include "platform/Errors.h"
#include "platform/Existence.h"

#include <ostream>
#include <vector>

namespace tidecopy::cli {

namespace {

constexpr int sourceFolderLine = 37;
constexpr int destinationFolderLine = 51;

std::string trimmedBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The lines of a profile as the loader decodes them; fewer than 71 when it ends early.
Result<std::vector<std::string>> profileLines(FileSystem& fs, const std::string& path) {
    Result<std::string> text = fs.readWholeFile(path);
    if (!text)
        return text.error();
    SettingsReader reader(std::move(text).value());
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < SettingsFormat::lineCount) {
        Result<std::string> line = reader.readLine();
        if (!line)
            break;
        lines.push_back(std::move(line).value());
    }
    return lines;
}

void refuse(std::ostream& err, const std::string& reason) {
    err << "tidecopy-cli: " << reason << '\n';
}

// Why a profile whose loading ended early cannot be run.
std::string recoveryReason(FileSystem& fs, const PathStyle& style, const std::string& path) {
    const Result<std::vector<std::string>> lines = profileLines(fs, path);
    if (!lines)
        return "cannot read profile '" + path + "': " + describeError(lines.error());
    const std::pair<int, const char*> folders[] = {{sourceFolderLine, "source"},
                                                   {destinationFolderLine, "destination"}};
    for (const auto& [line, role] : folders) {
        if (static_cast<int>(lines->size()) < line)
            break;
        const std::string& folder = (*lines)[static_cast<std::size_t>(line - 1)];
        if (!folder.empty() && !FileOrDirExists(fs, style, folder))
            return std::string("the ") + role + " folder '" + folder + "' of profile '" + path +
                   "' does not exist";
    }
    return "profile '" + path +
           "' could not be read completely: it is damaged or not a Tidecopy profile";
}

} // namespace

std::optional<std::string> resolveProfilePath(FileSystem& fs, const PathStyle& style,
                                              const Environment& environment,
                                              const std::string& profile) {
    if (FileExists(fs, style, profile))
        return profile;
    if (profile.find(style.separator()) != std::string::npos)
        return std::nullopt;
    std::vector<std::string> candidates = {style.join(environment.profilesFolder(), profile)};
    if (profile.find('.') == std::string::npos)
        candidates.push_back(candidates.front() + ".prof");
    for (const std::string& candidate : candidates)
        if (FileExists(fs, style, candidate))
            return candidate;
    return std::nullopt;
}

std::optional<ExitStatus> loadProfileForRun(FileSystem& fs, Volumes& volumes,
                                            const PathStyle& style, const Environment& environment,
                                            const std::string& path, OptionSet& options,
                                            MainState& state, std::ostream& err) {
    CliSettingsView view;
    SettingsContext context{fs, volumes, environment, options, state, view, style};
    switch (LoadINI(context, path)) {
    case LoadOutcome::Loaded:
        break;
    case LoadOutcome::NoFile:
        refuse(err, "cannot read profile '" + path + "': no such file");
        return ExitStatus::BadInput;
    case LoadOutcome::Recovered:
        refuse(err, recoveryReason(fs, style, path));
        return ExitStatus::BadInput;
    }
    // Never fall back to some other folder: a run goes where the profile says or nowhere.
    const std::pair<const std::string*, const char*> folders[] = {{&state.Dir1, "source"},
                                                                  {&state.Dir2, "destination"}};
    for (const auto& [folder, role] : folders) {
        if (folder->empty() || !FileOrDirExists(fs, style, *folder)) {
            refuse(err, std::string("the ") + role + " folder '" + *folder + "' of profile '" +
                            path + "' does not exist");
            return ExitStatus::BadInput;
        }
    }
    return std::nullopt;
}

ExitStatus showProfile(FileSystem& fs, const std::string& path, std::ostream& out,
                       std::ostream& err) {
    const Result<std::vector<std::string>> lines = profileLines(fs, path);
    if (!lines) {
        refuse(err, "cannot read profile '" + path + "': " + describeError(lines.error()));
        return ExitStatus::BadInput;
    }
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const std::string name = settingsLineName(line);
        const std::string value =
            settingsLineIsNumber(line) ? trimmedBlanks((*lines)[i]) : (*lines)[i];
        // Empty places of the lists hold nothing.
        const bool emptyListPlace =
            value.empty() && name.ends_with(']') && !name.starts_with("PaneColors");
        if (!name.empty() && !emptyListPlace)
            out << name << " = " << value << '\n';
    }
    if (static_cast<int>(lines->size()) < SettingsFormat::lineCount) {
        refuse(err, "profile '" + path + "' ends after line " + std::to_string(lines->size()) +
                        " of " + std::to_string(SettingsFormat::lineCount));
        return ExitStatus::BadInput;
    }
    return ExitStatus::Success;
}

} // namespace tidecopy::cli
