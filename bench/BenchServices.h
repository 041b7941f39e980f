#pragma once

#include "platform/Power.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <cstdio>

namespace tidecopy::bench {

// A benchmark answers every question Yes and says on stderr that it was asked: a
// benchmark's settings are meant to ask nothing.
class SilentPrompts : public Prompts {
public:
    PromptAnswer message(const std::string& title, const std::string& text, PromptButtons,
                         PromptIcon) override {
        std::fprintf(stderr, "unexpected message: [%s] %s\n", title.c_str(), text.c_str());
        return PromptAnswer::Yes;
    }
    std::optional<std::string> input(const std::string&, const std::string&,
                                     const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

// A benchmark opens no document and never ends the session.
class NoShell : public Shell {
public:
    std::error_code openDocument(const std::string&) override { return {}; }
};

class NoPower : public Power {
public:
    std::error_code request(PowerAction) override { return {}; }
};

} // namespace tidecopy::bench
