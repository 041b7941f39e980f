#include "cli/TerminalPrompts.h"

#include "config/TextEncoding.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>

namespace tidecopy::cli {

namespace {

std::string titleOrProgramName(const std::string& title) {
    return title.empty() ? "Tidecopy" : title;
}

// Message texts carry CR LF line ends; a terminal wants plain line feeds.
std::string terminalText(std::string text) {
    std::erase(text, '\r');
    return text;
}

bool isQuestion(PromptButtons buttons) {
    return buttons != PromptButtons::Ok;
}

PromptAnswer yesOf(PromptButtons buttons) {
    return buttons == PromptButtons::OkCancel ? PromptAnswer::Ok : PromptAnswer::Yes;
}

PromptAnswer noOf(PromptButtons buttons) {
    return buttons == PromptButtons::OkCancel ? PromptAnswer::Cancel : PromptAnswer::No;
}

} // namespace

TerminalPrompts::TerminalPrompts(std::istream& in, std::ostream& err, bool inputIsTerminal,
                                 Answering answering)
    : m_in(in)
    , m_err(err)
    , m_inputIsTerminal(inputIsTerminal)
    , m_answering(answering) {}

PromptAnswer TerminalPrompts::message(const std::string& title, const std::string& text,
                                      PromptButtons buttons, PromptIcon) {
    m_err << titleOrProgramName(title) << ": " << terminalText(text) << '\n';
    if (!isQuestion(buttons))
        return PromptAnswer::Ok;
    return ask(buttons);
}

PromptAnswer TerminalPrompts::ask(PromptButtons buttons) {
    if (m_answering == Answering::AssumeYes) {
        m_err << "(answered yes: --yes)\n";
        return yesOf(buttons);
    }
    if (!m_inputIsTerminal) {
        m_err << "(answered no: there is no terminal to ask; use --yes to answer yes)\n";
        return noOf(buttons);
    }
    for (;;) {
        m_err << "[y/n] " << std::flush;
        std::string line;
        if (!std::getline(m_in, line))
            return noOf(buttons);
        line = lowerCase(line);
        if (line == "y" || line == "yes")
            return yesOf(buttons);
        if (line == "n" || line == "no")
            return noOf(buttons);
        if (line == "c" || line == "cancel")
            return PromptAnswer::Cancel;
    }
}

std::optional<std::string> TerminalPrompts::input(const std::string& title,
                                                  const std::string& prompt,
                                                  const std::string& defaultText) {
    m_err << titleOrProgramName(title) << ": " << terminalText(prompt) << '\n';
    if (m_answering == Answering::AssumeYes || !m_inputIsTerminal)
        return defaultText;
    m_err << "[" << defaultText << "] " << std::flush;
    std::string line;
    if (!std::getline(m_in, line))
        return std::nullopt;
    return line.empty() ? defaultText : line;
}

} // namespace tidecopy::cli
