#include "engine/SettingsSummary.h"

namespace tidecopy {

namespace {

std::string line(const std::string& text) {
    return text + "\r\n";
}

std::string enabledLine(const char* subject, bool enabled) {
    return line(std::string(subject) + (enabled ? " Enabled" : " Disabled"));
}

} // namespace

std::string LogSettingsSummary(const MainState& state, const OptionSet& options) {
    std::string text;
    text += line("Settings:");
    text += line("- Source Folder-> " + state.Dir1);
    text += line("- Destination Folder-> " + state.Dir2);
    text += line(state.optAllCopy() ? "- Copy All Files" : "- Copy Files Conditionally");
    text += enabledLine("- Recurse Folders", state.chkSubFolders.checked);
    text += enabledLine("- Relative Path", state.chkRelative.checked);
    text += enabledLine("- Recall Last Backup", state.chkRecall.checked);
    text += enabledLine("- Preserve Files", state.chkPreserveFiles.checked);
    text += line("- Filter Pattern " + state.cmbPattern.text);
    text += enabledLine("- Check Integrity of Files", options.chkIntegrity != 0);
    text += enabledLine("- Closing Program", options.chkCloseProg != 0);
    text += enabledLine("- Shutting Down PC", options.ShutdownMode != 0);
    text += line(options.chkExecute != 0 ? "- Automation: Execute Backup Profile Enabled"
                                         : "- Execute Backup Profile Disabled");
    return text;
}

} // namespace tidecopy
