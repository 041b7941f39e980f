#pragma once

#include "platform/Disks.h"
#include "platform/IniSettingsStore.h"
#include "platform/NativeFileSystem.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"
#include "platform/posix/PosixVolumes.h"
#include "update/WebServices.h"

#include <cstdio>

namespace tidecopy::bench {

// No user folder is known.
inline std::string noUserFolder(UserFolder) {
    return {};
}

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

// A benchmark opens no document or folder, starts no program and never ends the session.
class NoShell : public Shell {
public:
    std::error_code openDocument(const std::string&) override { return {}; }
    std::error_code startProgram(const std::string&) override { return {}; }
    std::error_code showProperties(const std::string&) override { return {}; }
    std::error_code showFolder(const std::string&) override { return {}; }
    std::error_code searchFolder(const std::string&) override { return {}; }
};

// A benchmark is offline: the window's update check downloads and opens nothing.
class NoWeb : public Connectivity, public Downloader, public Browser {
public:
    Reachability reachability() override { return Reachability::Disconnected; }
    void fetch(const std::string&, Delivery delivered) override { delivered(std::nullopt); }
    void abort() override {}
    std::error_code open(const std::string&) override { return {}; }
    WebServices services{*this, *this, *this};
};

class NoPower : public Power {
public:
    std::error_code request(PowerAction) override { return {}; }
};

// No drive is known and no tool starts.
class NoDisks : public Disks {
public:
    std::vector<DiskDevice> devices() override { return {}; }
    std::error_code setLabel(const std::string&, const std::string&) override {
        return std::make_error_code(std::errc::function_not_supported);
    }
    bool hasTool(DiskTool) override { return false; }
    std::error_code startTool(DiskTool, const std::string&) override {
        return std::make_error_code(std::errc::function_not_supported);
    }
};

// The real file system, volumes and clock, and nothing that ends the session, opens a
// document or plays a sound; the program's files in work/program, the user's in
// work/config.
struct BenchPlatform {
    explicit BenchPlatform(const std::string& work)
        : environment(environmentIn(work))
        , settingsStore(fs, environment.configHome)
        , platform{fs,          volumes,      clock, power, shell, sound, settingsStore,
                   environment, noUserFolder, {},    {}} {}

    static Environment environmentIn(const std::string& work) {
        Environment environment;
        environment.programFolder = work + "/program";
        environment.dataFolder = environment.programFolder;
        environment.configHome = work + "/config";
        return environment;
    }

    NativeFileSystem fs;
    PosixVolumes volumes;
    SystemClock clock;
    NoPower power;
    NoShell shell;
    NoSound sound;
    NoDisks disks;
    Environment environment;
    IniSettingsStore settingsStore;
    Platform platform;
};

} // namespace tidecopy::bench
