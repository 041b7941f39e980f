#include "cli/CliProfile.h"

#include "cli/CliSettingsView.h"
#include "config/LoadINI.h"
#include "config/SaveINI.h"
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

// The lines of a profile's text as the loader decodes them; fewer than 71 when it ends early,
// 71 when it was written before the lines added after them.
std::vector<std::string> linesOf(std::string text) {
    SettingsReader reader(std::move(text));
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < SettingsFormat::writtenLineCount) {
        Result<std::string> line = reader.readLine();
        if (!line)
            break;
        lines.push_back(std::move(line).value());
    }
    return lines;
}

Result<std::vector<std::string>> profileLines(FileSystem& fs, const std::string& path) {
    Result<std::string> text = fs.readWholeFile(path);
    if (!text)
        return text.error();
    return linesOf(std::move(text).value());
}

// A line as show prints it: a number without its blanks, anything else as it stands.
std::string shownText(int line, const std::string& text) {
    return settingsLineIsNumber(line) ? trimmedBlanks(text) : text;
}

// The value a loaded line holds: a field without its quotes.
std::string loadedValue(int line, const std::string& text) {
    if (!settingsLineIsField(line))
        return shownText(line, text);
    Result<std::string> value = SettingsReader(text).readField();
    return value ? std::move(value).value() : std::string();
}

// The profile's lines as a run takes them: loaded, then written out again. Empty when the
// profile cannot be loaded as a whole; its own lines are all there is to show then.
std::vector<std::string> loadedLines(Platform& platform, const PathStyle& style,
                                     const std::string& path) {
    OptionSet options;
    MainState state;
    CliSettingsView view;
    SettingsContext context{platform, options, state, view, style};
    if (LoadINI(context, path) != LoadOutcome::Loaded)
        return {};
    return linesOf(settingsFileText(options, state));
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
        if (!folder.empty() && !NamedFolderExists(fs, style, folder))
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
    if (NamedFileExists(fs, profile))
        return profile;
    if (profile.find(style.separator()) != std::string::npos)
        return std::nullopt;
    std::vector<std::string> candidates = {style.join(environment.profilesFolder(), profile)};
    // The dot that starts a hidden name is no extension.
    if (profile.find('.', 1) == std::string::npos)
        candidates.push_back(candidates.front() + ".prof");
    for (const std::string& candidate : candidates)
        if (NamedFileExists(fs, candidate))
            return candidate;
    return std::nullopt;
}

std::optional<ExitStatus> loadProfileForRun(Platform& platform, const PathStyle& style,
                                            const std::string& path, OptionSet& options,
                                            MainState& state, ActivityLog& log, std::ostream& err) {
    FileSystem& fs = platform.fs;
    CliSettingsView view(&log);
    SettingsContext context{platform, options, state, view, style};
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
        if (!NamedFolderExists(fs, style, *folder)) {
            refuse(err, std::string("the ") + role + " folder '" + *folder + "' of profile '" +
                            path + "' does not exist");
            return ExitStatus::BadInput;
        }
    }
    return std::nullopt;
}

std::optional<std::string> profileDestination(FileSystem& fs, const PathStyle& style,
                                              const std::string& path, std::ostream& err) {
    Result<std::string> text = fs.readWholeFile(path);
    if (!text) {
        refuse(err, "cannot read profile '" + path + "': " + describeError(text.error()));
        return std::nullopt;
    }
    SettingsReader reader(std::move(text).value());
    while (reader.linesRead() < destinationFolderLine - 1 && reader.readLine()) {
    }
    const Result<std::string> folder = reader.readFolderLine(
        style.flavor() == PathStyle::Flavor::Posix ? FolderText::FileSystemBytes
                                                   : FolderText::CodePage);
    if (!folder || folder->empty()) {
        refuse(err, "profile '" + path + "' names no destination folder");
        return std::nullopt;
    }
    if (!NamedFolderExists(fs, style, *folder)) {
        refuse(err,
               "the destination folder '" + *folder + "' of profile '" + path + "' does not exist");
        return std::nullopt;
    }
    return *folder;
}

ExitStatus showProfile(Platform& platform, const PathStyle& style, const std::string& path,
                       std::ostream& out, std::ostream& err) {
    const Result<std::vector<std::string>> lines = profileLines(platform.fs, path);
    if (!lines) {
        refuse(err, "cannot read profile '" + path + "': " + describeError(lines.error()));
        return ExitStatus::BadInput;
    }
    const std::vector<std::string> loaded = loadedLines(platform, style, path);
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const std::string name = settingsLineName(line);
        const std::string inFile = shownText(line, (*lines)[i]);
        const bool wasLoaded = i < loaded.size();
        const std::string value = wasLoaded ? loadedValue(line, loaded[i]) : inFile;
        // Empty places of the lists hold nothing.
        const bool emptyListPlace = value.empty() && inFile.empty() && name.ends_with(']') &&
                                    !name.starts_with("PaneColors");
        if (name.empty() || emptyListPlace)
            continue;
        out << name << " = " << value;
        if (wasLoaded && shownText(line, loaded[i]) != inFile)
            out << "   (in the file: \"" << (*lines)[i] << "\")";
        out << '\n';
    }
    if (static_cast<int>(lines->size()) < SettingsFormat::lineCount) {
        refuse(err, "profile '" + path + "' ends after line " + std::to_string(lines->size()) +
                        " of " + std::to_string(SettingsFormat::lineCount));
        return ExitStatus::BadInput;
    }
    return ExitStatus::Success;
}

} // namespace tidecopy::cli
