#include "config/LoadINI.h"

#include "config/CheckWriteDrives.h"
#include "config/SettingsError.h"
#include "config/SettingsFormat.h"
#include "config/SettingsReader.h"
#include "config/TextEncoding.h"
#include "config/UpdateColors.h"
#include "log/LogOptions.h"
#include "platform/Existence.h"

#include <array>

namespace tidecopy {

namespace {

using TextArray = std::array<std::string, 11>;

// Values the file gives that are applied only after the whole file was read.
struct KeptAside {
    std::int16_t recall = 0;                          // line 11
    std::int32_t left = 0;                            // line 23
    std::int32_t top = 0;                             // line 24
    std::int16_t sourcePosition = 0;                  // line 36
    std::string sourceFolder;                         // line 37
    std::int16_t targetPosition = 0;                  // line 50
    std::string targetFolder;                         // line 51
    std::string patternText;                          // line 64
    TextArray sourceHistory, targetHistory, patterns; // lines 38-47, 52-61, 65-70
};

std::error_code setCheckBox(CheckBox& box, std::int16_t value) {
    if (value != 0 && value != 1)
        return make_error_code(SettingsError::ValueNotAllowed);
    box.checked = value == 1;
    return {};
}

void fillList(std::vector<std::string>& items, const TextArray& array, int count) {
    items.clear();
    for (int i = 0; i < count; ++i)
        if (!array[static_cast<std::size_t>(i)].empty())
            items.push_back(array[static_cast<std::size_t>(i)]);
}

// Centres the window on an axis whose stored edge is below 1.
std::int32_t windowEdge(std::int32_t stored, std::int32_t screen, std::int32_t window) {
    if (stored >= 1)
        return stored;
    return static_cast<std::int32_t>((std::int64_t{screen} - window) / 2);
}

// One LoadINI: reads the lines in order, stopping at the first error, then applies them.
// Whatever was read or applied before an error keeps its new value.
class SettingsLoader {
public:
    explicit SettingsLoader(SettingsContext& context)
        : m_context(context) {}

    std::error_code read(std::string_view text);
    std::error_code apply(bool haveFile, ProfileMode mode);
    void recover();

private:
    template <typename Number>
    void readNumber(Number& target);
    void readCheckBox(CheckBox& box);
    void readAddedNumber(std::int16_t& target);
    void readCopyMode(CopyMode mode);
    template <typename Read>
    void readText(std::string& target, Read read);
    void readField(std::string& target);
    void readLine(std::string& target);
    void readFolder(std::string& target);
    void readFolders(std::int16_t& position, std::string& folder, TextArray& history);

    std::error_code selectHistory(HistoryCombo& history, Pane side, int position);
    std::error_code setFolder(Pane side, const std::string& folder, std::string& target);
    void applyFirstStartValues();
    void resetPatterns();

    SettingsContext& m_context;
    SettingsReader m_reader{{}};
    std::error_code m_error;
    KeptAside m_kept;
};

template <typename Number>
void SettingsLoader::readNumber(Number& target) {
    if (m_error)
        return;
    Result<Number> value = [this] {
        if constexpr (sizeof(Number) == 2)
            return m_reader.readNumber16();
        else
            return m_reader.readNumber32();
    }();
    if (value)
        target = *value;
    else
        m_error = value.error();
}

void SettingsLoader::readCheckBox(CheckBox& box) {
    std::int16_t value = 0;
    readNumber(value);
    if (!m_error)
        m_error = setCheckBox(box, value);
}

// A line added after the 71: a file that ends before it, or holds a blank line there,
// was written without it and loads it as off.
void SettingsLoader::readAddedNumber(std::int16_t& target) {
    if (m_error)
        return;
    target = 0;
    if (m_reader.atEnd())
        return;
    std::string line;
    readLine(line);
    if (m_error || line.find_first_not_of(" \t") == std::string::npos)
        return;
    Result<std::int16_t> value = SettingsReader(line).readNumber16();
    if (value)
        target = *value;
    else
        m_error = value.error();
}

void SettingsLoader::readCopyMode(CopyMode mode) {
    std::int16_t selected = 0;
    readNumber(selected);
    if (!m_error && selected != 0)
        m_context.state.selectCopyMode(mode);
}

template <typename Read>
void SettingsLoader::readText(std::string& target, Read read) {
    if (m_error)
        return;
    Result<std::string> value = read();
    if (value)
        target = std::move(value).value();
    else
        m_error = value.error();
}

void SettingsLoader::readField(std::string& target) {
    readText(target, [this] { return m_reader.readField(); });
}

void SettingsLoader::readLine(std::string& target) {
    readText(target, [this] { return m_reader.readLine(); });
}

void SettingsLoader::readFolder(std::string& target) {
    const FolderText form = m_context.style.flavor() == PathStyle::Flavor::Posix
                                ? FolderText::FileSystemBytes
                                : FolderText::CodePage;
    readText(target, [this, form] { return m_reader.readFolderLine(form); });
}

void SettingsLoader::readFolders(std::int16_t& position, std::string& folder, TextArray& history) {
    std::string marker;
    readField(marker);
    readNumber(position);
    readFolder(folder);
    for (int i = 0; i < SettingsFormat::historyLines; ++i)
        readFolder(history[static_cast<std::size_t>(i)]);
    readField(marker);
}

std::error_code SettingsLoader::read(std::string_view text) {
    OptionSet& o = m_context.options;
    MainState& s = m_context.state;
    m_reader = SettingsReader(std::string(text));
    std::string ignored;
    readLine(ignored);
    readCopyMode(CopyMode::AllCopy);
    readCopyMode(CopyMode::SelectiveCopy);
    readCheckBox(s.chkOnlyNewFiles);
    readNumber(o.chkLogUser);
    readCheckBox(s.chkChangedFiles);
    readCheckBox(s.chkSubFolders);
    readCheckBox(s.chkPreserveFiles);
    readNumber(o.PreserveNaming);
    readField(o.PreserveExtension);
    readNumber(m_kept.recall);
    readNumber(o.chkCloseProg);
    readNumber(o.chkNoSoundEffect);
    readNumber(o.chkLog);
    readNumber(s.chkRelativeCopy);
    readNumber(o.chkIntegrity);
    readNumber(o.ShutdownMode);
    readNumber(o.chkConfirmationBackup);
    readNumber(o.chkExecute);
    readLine(o.AutoProfile);
    readNumber(o.chkSizeFiles);
    readNumber(o.DateCondition);
    readNumber(m_kept.left);
    readNumber(m_kept.top);
    readNumber(o.chkeditLog);
    readNumber(o.chkOnlyonce);
    readNumber(o.chkLogDetails);
    readField(o.LogLimit);
    readNumber(o.chkFolderExist);
    readNumber(o.chkEmptyFolders);
    readNumber(o.PaneColors[0]);
    readNumber(o.PaneColors[1]);
    readCheckBox(s.chkOnlySubs);
    std::int16_t reserved = 0;
    readNumber(reserved);
    readFolders(m_kept.sourcePosition, m_kept.sourceFolder, m_kept.sourceHistory);
    readFolders(m_kept.targetPosition, m_kept.targetFolder, m_kept.targetHistory);
    readField(ignored);
    readLine(m_kept.patternText);
    for (std::size_t i = 0; i <= SettingsFormat::patternLines; ++i)
        readLine(m_kept.patterns[i]);
    readField(ignored);
    readAddedNumber(o.chkChecksumList);
    return m_error;
}

std::error_code SettingsLoader::apply(bool haveFile, ProfileMode mode) {
    OptionSet& o = m_context.options;
    MainState& s = m_context.state;
    s.DriveErrorFlag = false;
    fillList(s.cmbPattern.items, m_kept.patterns, SettingsFormat::patternLines + 1);
    s.cmbPattern.text = m_kept.patternText;
    if (auto error = setCheckBox(s.chkRecall, m_kept.recall))
        return error;
    if (auto error = setCheckBox(s.chkRelative, s.chkRelativeCopy))
        return error;
    o.keepChangedFilesTestingSize();
    fillList(s.cmbSourceHistory.items, m_kept.sourceHistory, SettingsFormat::historyLines);
    s.cmbSourceHistory.selected = -1;
    fillList(s.cmbTargetHistory.items, m_kept.targetHistory, SettingsFormat::historyLines);
    s.cmbTargetHistory.selected = -1;
    if (!s.chkChangedFiles.checked && !s.chkOnlyNewFiles.checked)
        s.chkOnlyNewFiles.checked = true;
    if (s.optAllCopy()) {
        s.chkOnlyNewFiles.enabled = false;
        s.chkChangedFiles.enabled = false;
        o.AutoProfile.clear();
        o.chkExecute = 0;
    }
    if (const std::size_t limit = logMaxLengthFor(o.LogLimit); limit != 0) {
        m_context.view.setLogMaxLength(static_cast<std::int32_t>(limit));
        o.chkeditLog = 1;
    }
    if (characterCount(o.PreserveExtension) < 2)
        o.PreserveExtension = OptionSet{}.PreserveExtension;
    if (o.chkeditLog == 1)
        m_context.view.unlockLog();
    const TwipsSize screen = m_context.view.screenSize();
    const TwipsSize window = m_context.view.windowSize();
    s.window.top = windowEdge(m_kept.top, screen.height, window.height);
    s.window.left = windowEdge(m_kept.left, screen.width, window.width);
    m_context.view.moveWindow(s.window.left, s.window.top);
    if (!haveFile)
        applyFirstStartValues();
    UpdateColors(o, m_context.view);

    // Without a file there are no folders to restore; the panes stay where they are.
    if (!haveFile || (m_kept.recall == 0 && mode == ProfileMode::Off))
        return {};
    if (auto error = selectHistory(s.cmbSourceHistory, Pane::Source, m_kept.sourcePosition))
        return error;
    if (auto error = selectHistory(s.cmbTargetHistory, Pane::Destination, m_kept.targetPosition))
        return error;
    if (auto error = setFolder(Pane::Source, m_kept.sourceFolder, s.Dir1))
        return error;
    return setFolder(Pane::Destination, m_kept.targetFolder, s.Dir2);
}

std::error_code SettingsLoader::selectHistory(HistoryCombo& history, Pane side, int position) {
    if (position < 0)
        return {};
    if (position >= static_cast<int>(history.items.size()))
        return make_error_code(SettingsError::HistoryPosition);
    history.selected = position;
    return m_context.view.selectHistoryEntry(side, position);
}

std::error_code SettingsLoader::setFolder(Pane side, const std::string& folder,
                                          std::string& target) {
    // A hidden folder is a folder all the same; only its absence stops the loading.
    const auto info = m_context.platform.fs.entryInfo(folder);
    const bool isFolder = info && info->type == EntryType::Directory;
    if (!isFolder && !FileOrDirExists(m_context.platform.fs, m_context.style, folder))
        return make_error_code(SettingsError::FolderMissing);
    if (auto error = m_context.view.setFolder(side, folder))
        return error;
    target = folder;
    return {};
}

void SettingsLoader::applyFirstStartValues() {
    const OptionSet firstStart;
    OptionSet& o = m_context.options;
    MainState& s = m_context.state;
    s.chkRelativeCopy = 1;
    s.chkRelative.checked = true;
    o.chkConfirmationBackup = firstStart.chkConfirmationBackup;
    o.chkFolderExist = firstStart.chkFolderExist;
    resetPatterns();
    o.chkLogUser = firstStart.chkLogUser;
    o.chkEmptyFolders = firstStart.chkEmptyFolders;
    o.PaneColors = firstStart.PaneColors;
}

void SettingsLoader::resetPatterns() {
    PatternCombo& pattern = m_context.state.cmbPattern;
    pattern.items.assign(SettingsFormat::defaultPatterns.begin(),
                         SettingsFormat::defaultPatterns.end());
    pattern.text = pattern.items.front();
}

void SettingsLoader::recover() {
    MainState& s = m_context.state;
    s.chkSubFolders.checked = true;
    s.chkChangedFiles.checked = true;
    resetPatterns();
    const std::string drive =
        CheckWriteDrives(m_context.platform.fs, m_context.platform.volumes,
                         m_context.platform.environment.programFolder, m_context.style);
    if (!drive.empty() && !s.DriveErrorFlag)
        m_context.view.setDestinationDrive(drive);
}

} // namespace

LoadOutcome LoadINIFromText(SettingsContext& context, std::optional<std::string_view> text,
                            ProfileMode mode) {
    SettingsLoader loader(context);
    std::error_code error = text ? loader.read(*text) : std::error_code{};
    if (!error)
        error = loader.apply(text.has_value(), mode);
    if (error) {
        loader.recover();
        return LoadOutcome::Recovered;
    }
    return text ? LoadOutcome::Loaded : LoadOutcome::NoFile;
}

LoadOutcome LoadINI(SettingsContext& context, const std::string& file) {
    const std::string path = context.settingsPath(file);
    const ProfileMode mode = file.empty() ? ProfileMode::Off : ProfileMode::On;
    // A profile may be hidden (".nightly.prof"); it is a file all the same.
    if (!NamedFileExists(context.platform.fs, path))
        return LoadINIFromText(context, std::nullopt, mode);
    const Result<std::string> contents = context.platform.fs.readWholeFile(path);
    if (!contents) {
        SettingsLoader(context).recover();
        return LoadOutcome::Recovered;
    }
    return LoadINIFromText(context, *contents, mode);
}

} // namespace tidecopy
