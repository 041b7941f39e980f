#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace tidecopy::test {

namespace {

std::string describe(const FileDialogRequest& request) {
    std::string text = "[" + request.title + "] in " + request.initialFolder + ", proposing '" +
                       request.proposedName + "', types";
    for (const FileFilter& filter : request.filters)
        text += " '" + filter.description + "' " + filter.pattern;
    return text;
}

} // namespace

ScriptedPrompts::~ScriptedPrompts() {
    for (const Expected& e : m_expected)
        ADD_FAILURE() << "expected prompt never shown: [" << e.title << "] " << e.text;
}

ScriptedPrompts& ScriptedPrompts::expectMessage(std::string title, std::string text,
                                                PromptButtons buttons, PromptAnswer answer) {
    m_expected.push_back(
        {Kind::Message, std::move(title), std::move(text), buttons, answer, std::nullopt, {}});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectInput(std::string title, std::string prompt,
                                              std::optional<std::string> answer) {
    m_expected.push_back({Kind::Input,
                          std::move(title),
                          std::move(prompt),
                          PromptButtons::OkCancel,
                          PromptAnswer::Ok,
                          std::move(answer),
                          {}});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectOpenFile(FileDialogRequest request,
                                                 std::optional<std::string> answer) {
    const std::string title = request.title;
    m_expected.push_back({Kind::OpenFile, title, describe(request), PromptButtons::OkCancel,
                          PromptAnswer::Ok, std::move(answer), std::move(request)});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectSaveFile(FileDialogRequest request,
                                                 std::optional<std::string> answer) {
    const std::string title = request.title;
    m_expected.push_back({Kind::SaveFile, title, describe(request), PromptButtons::OkCancel,
                          PromptAnswer::Ok, std::move(answer), std::move(request)});
    return *this;
}

std::optional<ScriptedPrompts::Expected> ScriptedPrompts::next(Kind kind, const std::string& what) {
    if (m_expected.empty() || m_expected.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << what;
        return std::nullopt;
    }
    Expected e = m_expected.front();
    m_expected.pop_front();
    return e;
}

PromptAnswer ScriptedPrompts::message(const std::string& title, const std::string& text,
                                      PromptButtons buttons, PromptIcon) {
    const std::optional<Expected> e = next(Kind::Message, "message: [" + title + "] " + text);
    if (!e)
        return PromptAnswer::Cancel;
    EXPECT_EQ(e->title, title);
    EXPECT_EQ(e->text, text);
    EXPECT_EQ(static_cast<int>(e->buttons), static_cast<int>(buttons)) << "buttons of: " << text;
    return e->answer;
}

std::optional<std::string> ScriptedPrompts::input(const std::string& title,
                                                  const std::string& prompt, const std::string&) {
    const std::optional<Expected> e = next(Kind::Input, "input box: [" + title + "] " + prompt);
    if (!e)
        return std::nullopt;
    EXPECT_EQ(e->title, title);
    EXPECT_EQ(e->text, prompt);
    return e->textAnswer;
}

std::optional<std::string> ScriptedPrompts::fileDialog(Kind kind,
                                                       const FileDialogRequest& request) {
    const std::optional<Expected> e = next(kind, "file dialog: " + describe(request));
    if (!e)
        return std::nullopt;
    EXPECT_EQ(e->text, describe(request));
    return e->textAnswer;
}

std::optional<std::string> ScriptedPrompts::openFile(const FileDialogRequest& request) {
    return fileDialog(Kind::OpenFile, request);
}

std::optional<std::string> ScriptedPrompts::saveFile(const FileDialogRequest& request) {
    return fileDialog(Kind::SaveFile, request);
}

} // namespace tidecopy::test
