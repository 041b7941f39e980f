#include "SettingsFuzzEntry.h"

#include "RecordingSettingsView.h"
#include "config/LoadINI.h"
#include "config/SaveINI.h"
#include "config/SettingsFormat.h"
#include "config/TextEncoding.h"
#include "platform/NativeFileSystem.h"
#include "support/FakePlatform.h"

namespace tidecopy::fuzz {

namespace {

// The real file system class with every call loading can make answering that nothing
// exists and nothing can be written, so fuzzing never touches the machine's files.
class EmptyFileSystem : public NativeFileSystem {
public:
    std::error_code listFolder(const std::string&, std::vector<FolderEntry>&) override {
        return missing();
    }
    Result<EntryInfo> entryInfo(const std::string&) override { return missing(); }
    std::error_code removeFile(const std::string&) override { return missing(); }
    Result<std::string> readWholeFile(const std::string&) override { return missing(); }
    std::error_code writeWholeFileAtomically(const std::string&, const std::string&) override {
        return readOnly();
    }
    std::error_code createNewFile(const std::string&, const std::string&) override {
        return readOnly();
    }

private:
    static std::error_code missing() {
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    static std::error_code readOnly() {
        return std::make_error_code(std::errc::read_only_file_system);
    }
};

bool allUtf8(const OptionSet& o, const MainState& s) {
    for (const std::string* text :
         {&o.PreserveExtension, &o.AutoProfile, &o.LogLimit, &s.cmbPattern.text})
        if (!isValidUtf8(*text))
            return false;
    for (const std::string& item : s.cmbPattern.items)
        if (!isValidUtf8(item))
            return false;
    return true;
}

// Folders keep the file system's bytes, but never a NUL.
bool foldersWithoutNul(const MainState& s) {
    std::vector<std::string> folders = {s.Dir1, s.Dir2};
    for (const auto* items : {&s.cmbSourceHistory.items, &s.cmbTargetHistory.items})
        folders.insert(folders.end(), items->begin(), items->end());
    for (const std::string& folder : folders)
        if (folder.find('\0') != std::string::npos)
            return false;
    return true;
}

bool noEmptyItems(const std::vector<std::string>& items, std::size_t most) {
    if (items.size() > most)
        return false;
    for (const std::string& item : items)
        if (item.empty())
            return false;
    return true;
}

std::string brokenRule(LoadOutcome outcome, const OptionSet& o, const MainState& s) {
    if (!allUtf8(o, s))
        return "a text is not UTF-8";
    if (!foldersWithoutNul(s))
        return "a folder holds a NUL byte";
    if (outcome == LoadOutcome::Recovered) {
        const std::vector<std::string> defaults(SettingsFormat::defaultPatterns.begin(),
                                                SettingsFormat::defaultPatterns.end());
        if (s.cmbPattern.items != defaults || s.cmbPattern.text != defaults.front())
            return "the recovery did not reset the patterns";
        if (!s.chkSubFolders.checked || !s.chkChangedFiles.checked)
            return "the recovery did not check the sub-folder and changed-file boxes";
        return {};
    }
    if (characterCount(o.PreserveExtension) < 2)
        return "PreserveExtension shorter than 2 characters";
    if (o.DateCondition == 0 && o.chkSizeFiles == 0)
        return "changed files test neither date nor size";
    if (!s.chkOnlyNewFiles.checked && !s.chkChangedFiles.checked)
        return "no copy condition checked";
    if (s.optAllCopy() && (s.chkOnlyNewFiles.enabled || !o.AutoProfile.empty() || o.chkExecute))
        return "Copy Files Always kept conditions or automation";
    if (!noEmptyItems(s.cmbPattern.items, 6) || !noEmptyItems(s.cmbSourceHistory.items, 10) ||
        !noEmptyItems(s.cmbTargetHistory.items, 10))
        return "a list holds an empty or an extra item";
    for (const std::int32_t color : o.PaneColors)
        if (color < 1 && color != systemWindowColor)
            return "a pane colour below 1 was kept";
    return {};
}

// What SaveINI would write from the loaded state must again be whole lines, as many as it
// always writes.
bool writesEveryLine(const OptionSet& o, const MainState& s) {
    const std::string text = settingsFileText(o, s);
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++lines, ++i;
        else if (text[i] == '\r' || text[i] == '\n')
            return false;
    }
    return lines == SettingsFormat::writtenLineCount && text.ends_with("\r\n");
}

} // namespace

std::string loadSettingsBytes(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    EmptyFileSystem fs;
    test::FakePlatform fake(fs);
    fake.environment.programFolder = fake.environment.dataFolder = "/nowhere";
    for (const ProfileMode mode : {ProfileMode::Off, ProfileMode::On}) {
        OptionSet options;
        MainState state;
        test::RecordingSettingsView view;
        SettingsContext context{fake.platform, options, state, view};
        const LoadOutcome outcome = LoadINIFromText(context, text, mode);
        if (std::string broken = brokenRule(outcome, options, state); !broken.empty())
            return broken;
        if (!writesEveryLine(options, state))
            return "the loaded state does not write back as whole lines";
    }
    return {};
}

} // namespace tidecopy::fuzz
