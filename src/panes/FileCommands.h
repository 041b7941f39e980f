#pragma once

#include "config/Pane.h"
#include "panes/PaneActionContext.h"
#include "platform/Prompts.h"

#include <functional>
#include <string>
#include <vector>

namespace tidecopy {

class Panes;
struct Platform;

// The numbers of the file menu's items (mnuFileOptions).
namespace FileMenuItem {
inline constexpr int Properties = 10;
inline constexpr int Copy = 25;
inline constexpr int Paste = 27;
inline constexpr int Rename = 30;
inline constexpr int Delete = 40;
inline constexpr int DeleteAllFiles = 42;
inline constexpr int Open = 60;
inline constexpr int Find = 80;
inline constexpr int RunExplorer = 90;
inline constexpr int ExitMenu = 1000;
} // namespace FileMenuItem

// Whether a file menu item is enabled as the menu opens: the file commands while the
// active pane has a file selected, Paste also while a file is marked; Find..., Run
// Explorer and Exit menu always.
bool fileMenuItemEnabled(int item, bool fileSelected, bool fileMarked);

// What a file command's work leaves for the window's thread.
struct FileWorkResult {
    bool clearMark = false; // CopiedFile goes: a file was deleted
};

// The part of a command that changes files: it asks, copies, renames or deletes and
// reports, through the context, on whichever thread runs it (a job of the window).
using FileWork = std::function<FileWorkResult(const PaneActionContext&)>;

// What is left of a command once its first part has run on the window's thread.
struct FileCommandStep {
    bool endedEarly = false; // refused or nothing to do: no refresh
    FileWork work;           // empty: only the refresh is left
};

// The file menu's commands and the files dropped on a file list, acting on the active
// pane's folder and selected file as the command starts. The first part of each runs on
// the window's thread: it takes the pane's state, refuses what it must, and does what
// touches no file (Properties, Copy, Open, Find..., Run Explorer); the work that changes
// files is handed back, to run as a job; finish() then refreshes the panes.
class FileCommands {
public:
    FileCommands(Panes& panes, Platform& platform, Prompts& prompts);

    FileCommandStep run(int item);
    FileCommandStep drop(Pane pane, std::vector<std::string> paths);
    // After a step that did not end early, once its work (if any) has ended.
    void finish(const FileWorkResult& result);

private:
    FileCommandStep onSelectedFile(int item, const std::string& folder, const std::string& name);
    FileCommandStep paste(const std::string& folder);
    FileCommandStep deleteAll(const std::string& folder);
    FileCommandStep find(const std::string& folder);
    void showProperties(const std::string& path);
    FileCommandStep endEarly(const std::string& title, const std::string& text,
                             PromptIcon icon = PromptIcon::None);

    Panes& m_panes;
    Platform& m_platform;
    Prompts& m_prompts;
};

} // namespace tidecopy
