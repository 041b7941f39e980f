#pragma once

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "update/WebServices.h"

#include <functional>
#include <optional>
#include <string>

namespace tidecopy {

struct VersionFile;

// An automatic check (at start-up) waits for the sixth call, obeys "NoURLupdate" and needs
// a connection; a manual one (a button the user pressed) asks the server straight away.
enum class CheckMode { Automatic, Manual };

// How a check ended.
enum class UpdateCheckEnd {
    Busy,      // another check was still running: nothing done, nothing counted
    NotDue,    // one of the first five automatic calls: only counted
    TurnedOff, // "NoURLupdate" is "Yes"
    Offline,   // no connection for an automatic check
    NoAnswer,  // the download failed, could not be kept, or held no usable version
    UpToDate,  // no newer version (a manual check said so)
    Declined,  // a newer version the user declined before: nothing shown
    Asked,     // the user was asked about a newer version
};

struct UpdateCheckParameters {
    std::string page;       // the product's web page, opened to get a new version
    std::string versionUrl; // the version file on the product's web site
    std::string file;       // where the downloaded version file is kept
    int ownVersion = 0;     // this program's version number (321 for 3.2.1)
};

// The product's own check: its web site's addresses, this build's version, and the
// version file kept in the data folder.
UpdateCheckParameters productUpdateCheck(const Environment& environment);

struct UpdateCheckServices {
    SettingsStore& store;
    FileSystem& fs;
    Prompts& prompts;
    WebServices& web;
};

// The check for a newer version (CheckForUpdate): counts its calls, downloads the version
// file, keeps it, and offers a newer version once. One check runs at a time; it never
// waits for the network, it goes on when the downloader delivers. Any error ends it
// silently.
class UpdateCheck {
public:
    using Finished = std::function<void(UpdateCheckEnd)>;

    UpdateCheck(UpdateCheckServices services, UpdateCheckParameters parameters);
    ~UpdateCheck();
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    // Starts a check; finished is called once when it ends (at once when it needs no
    // download), unless it is aborted while it waits for the download.
    void CheckForUpdate(
        CheckMode mode, Finished finished = [](UpdateCheckEnd) {});
    // The about box's check: a manual check that opens the product's web page when the
    // server gave no answer, so that the button never does nothing.
    void checkOrOpenWebPage(Finished finished = [](UpdateCheckEnd) {});
    // True while a check waits for its download or shows its answer.
    bool running() const { return m_running; }
    // Drops a check waiting for its download (the window is closing).
    void abort();

private:
    std::optional<UpdateCheckEnd> countAndRefuse(CheckMode mode);
    UpdateCheckEnd answer(CheckMode mode, const std::optional<std::string>& body);
    UpdateCheckEnd offer(const VersionFile& file);
    std::string stored(const char* key, const char* defaultValue);
    void store(const char* key, const std::string& value);

    UpdateCheckServices m_services;
    UpdateCheckParameters m_parameters;
    bool m_running = false;
};

} // namespace tidecopy
