#pragma once

#include <optional>
#include <string>

namespace tidecopy {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Question, Warning, Critical };
enum class PromptAnswer { Ok, Cancel, Yes, No };

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
};

} // namespace tidecopy
