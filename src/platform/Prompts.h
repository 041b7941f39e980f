#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tidecopy {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Question, Warning, Critical };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// One entry of a file dialog's type list: "Text Files (*.txt)" with "*.txt"; a pattern
// may join several with ";".
struct FileFilter {
    std::string description;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};

// What a file dialog shows: its title, the type list, the folder it opens in and the
// name it proposes.
struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string initialFolder;
    std::string proposedName;
};

// Every message box and question the core shows. The window implements it with Qt
// dialogs, the CLI on the terminal, tests with a script that expects given prompts.
// An empty title means the program's name.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer message(const std::string& title, const std::string& text,
                                 PromptButtons buttons, PromptIcon icon) = 0;
    // nullopt when the user cancels.
    virtual std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                             const std::string& defaultText) = 0;
    // The platform's open and save dialogs: the chosen file's full path, nullopt when the
    // user cancels. They ask nothing themselves (the save dialog does not warn about an
    // existing file). A front end without file dialogs (the terminal) answers cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace tidecopy
