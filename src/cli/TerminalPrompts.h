#pragma once

#include "platform/Prompts.h"

#include <iosfwd>

namespace tidecopy::cli {

// Prompts on a terminal: messages go to the error stream as "Title: text"; questions are
// asked on the terminal, answered Yes with --yes, and answered No (with a hint) when no
// terminal is there to ask.
class TerminalPrompts : public Prompts {
public:
    enum class Answering { Ask, AssumeYes };

    TerminalPrompts(std::istream& in, std::ostream& err, bool inputIsTerminal, Answering answering);

    PromptAnswer message(const std::string& title, const std::string& text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& defaultText) override;
    // A terminal has no file dialogs: the command line names its files.
    std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }

private:
    PromptAnswer ask(PromptButtons buttons);

    std::istream& m_in;
    std::ostream& m_err;
    bool m_inputIsTerminal;
    Answering m_answering;
};

} // namespace tidecopy::cli
