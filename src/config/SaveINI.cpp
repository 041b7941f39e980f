#include "config/SaveINI.h"

#include "config/SettingsFormat.h"

#include <cstdint>
#include <string_view>

namespace tidecopy {

namespace {

constexpr const char* makersNotice = "OrnCaldrix settings - edit with care";

// Collects the lines of the format, each ended by CR LF.
class LineWriter {
public:
    // " 1 ", "-1 ", " 0 ".
    void number(std::int64_t value) {
        if (value >= 0)
            m_text += ' ';
        m_text += std::to_string(value);
        m_text += ' ';
        endLine();
    }
    void optionButton(bool selected) { number(selected ? -1 : 0); }
    void checkBox(const CheckBox& box) { number(box.checked ? 1 : 0); }

    // A line break inside a value would shift every later line; such a value is dropped.
    void text(std::string_view value) {
        if (value.find_first_of("\r\n") == std::string_view::npos)
            m_text += value;
        endLine();
    }

    // Read back as a field: a comma or leading blanks survive only inside quotes, which
    // the field reader removes again. A value holding a quote cannot be quoted.
    void field(std::string_view value) {
        const bool needsQuotes = value.find(',') != std::string_view::npos ||
                                 value.starts_with(' ') || value.starts_with('\t');
        if (needsQuotes && value.find('"') == std::string_view::npos)
            text("\"" + std::string(value) + "\"");
        else
            text(value);
    }

    // Items 0 to count-1 of a list, an empty line for each position beyond the last.
    void listItems(const std::vector<std::string>& items, int count) {
        for (int i = 0; i < count; ++i)
            text(i < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(i)] : "");
    }

    std::string take() { return std::move(m_text); }

private:
    void endLine() { m_text += "\r\n"; }
    std::string m_text;
};

void writeHistory(LineWriter& out, const HistoryCombo& history, const std::string& folder) {
    out.number(history.selected);
    out.text(folder);
    out.listItems(history.items, SettingsFormat::historyLines);
}

void writePatterns(LineWriter& out, const PatternCombo& pattern) {
    out.text(pattern.text);
    out.listItems(pattern.items, SettingsFormat::patternLines);
    bool allFilesKept = false;
    for (std::size_t i = 0; i < pattern.items.size() && i < SettingsFormat::patternLines; ++i)
        allFilesKept = allFilesKept || pattern.items[i] == allFilesPattern;
    out.text(allFilesKept ? "" : allFilesPattern);
}

} // namespace

std::string settingsFileText(const OptionSet& options, const MainState& state) {
    LineWriter out;
    out.text(";Orn-Tidecopy v" + std::to_string(TIDECOPY_VERSION_MAJOR) + "." +
             std::to_string(TIDECOPY_VERSION_MINOR) + " " + makersNotice);
    out.optionButton(state.optAllCopy());
    out.optionButton(state.optSelectiveCopy());
    out.checkBox(state.chkOnlyNewFiles);
    out.number(options.chkLogUser);
    out.checkBox(state.chkChangedFiles);
    out.checkBox(state.chkSubFolders);
    out.checkBox(state.chkPreserveFiles);
    out.number(options.PreserveNaming);
    out.field(options.PreserveExtension);
    out.checkBox(state.chkRecall);
    out.number(options.chkCloseProg);
    out.number(options.chkNoSoundEffect);
    out.number(options.chkLog);
    out.checkBox(state.chkRelative);
    out.number(options.chkIntegrity);
    out.number(options.ShutdownMode);
    out.number(options.chkConfirmationBackup);
    out.number(options.chkExecute);
    out.text(options.AutoProfile);
    out.number(options.chkSizeFiles);
    out.number(options.DateCondition);
    out.number(state.window.minimised ? 0 : state.window.left);
    out.number(state.window.minimised ? 0 : state.window.top);
    out.number(options.chkeditLog);
    out.number(options.chkOnlyonce);
    out.number(options.chkLogDetails);
    out.field(options.LogLimit);
    out.number(options.chkFolderExist);
    out.number(options.chkEmptyFolders);
    out.number(options.PaneColors[0]);
    out.number(options.PaneColors[1]);
    out.checkBox(state.chkOnlySubs);
    out.number(0); // reserved
    out.text(SettingsFormat::startSourceFolders);
    writeHistory(out, state.cmbSourceHistory, state.Dir1);
    out.text(SettingsFormat::endSourceFolders);
    out.text(SettingsFormat::startTargetFolders);
    writeHistory(out, state.cmbTargetHistory, state.Dir2);
    out.text(SettingsFormat::endTargetFolders);
    out.text(SettingsFormat::startPatterns);
    writePatterns(out, state.cmbPattern);
    out.text(SettingsFormat::endPatterns);
    out.number(options.chkChecksumList);
    return out.take();
}

std::error_code SaveINI(SettingsContext& context, const std::string& file) {
    return context.platform.fs.writeWholeFileAtomically(
        context.settingsPath(file), settingsFileText(context.options, context.state));
}

} // namespace tidecopy
