#include "update/UpdateCheck.h"

#include "config/SettingsStoreKeys.h"
#include "config/TextEncoding.h"
#include "update/ProductAddresses.h"
#include "update/ProductVersion.h"
#include "update/VersionFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace tidecopy {

namespace {

// The first call that checks; the ones before only count.
constexpr std::int64_t firstCheckingCall = 6;
// Smaller numbers in a version file are no version (a placeholder, a damaged file).
constexpr int lowestVersion = 100;

// A stored number read as far as it goes ("12abc" is 12); anything else, or a number
// beyond 32 bits, is 0, so a damaged value starts afresh.
std::int64_t numericValue(const std::string& text) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    std::int32_t value = 0;
    if (std::from_chars(text.data() + start, text.data() + text.size(), value).ec != std::errc())
        return 0;
    return value;
}

} // namespace

UpdateCheckParameters productUpdateCheck(const Environment& environment) {
    return {ProductAddresses::webPage, ProductAddresses::versionFile, environment.versionFilePath(),
            versionNumber(thisVersion)};
}

UpdateCheck::UpdateCheck(UpdateCheckServices services, UpdateCheckParameters parameters)
    : m_services(services)
    , m_parameters(std::move(parameters)) {}

UpdateCheck::~UpdateCheck() {
    abort();
}

void UpdateCheck::CheckForUpdate(CheckMode mode, Finished finished) {
    if (m_running) {
        finished(UpdateCheckEnd::Busy);
        return;
    }
    if (const std::optional<UpdateCheckEnd> refused = countAndRefuse(mode)) {
        finished(*refused);
        return;
    }
    m_running = true;
    m_services.web.downloader.fetch(m_parameters.versionUrl,
                                    [this, mode, finished](std::optional<std::string> body) {
                                        const UpdateCheckEnd end = answer(mode, body);
                                        m_running = false;
                                        finished(end);
                                    });
}

void UpdateCheck::checkOrOpenWebPage(Finished finished) {
    CheckForUpdate(CheckMode::Manual, [this, finished](UpdateCheckEnd end) {
        if (end == UpdateCheckEnd::NoAnswer)
            m_services.web.browser.open(m_parameters.page);
        finished(end);
    });
}

void UpdateCheck::abort() {
    if (!m_running)
        return;
    m_running = false;
    m_services.web.downloader.abort();
}

std::optional<UpdateCheckEnd> UpdateCheck::countAndRefuse(CheckMode mode) {
    // Every call counts, also one that ends here.
    const std::int64_t count = numericValue(stored(SettingsStoreKeys::UseCounter, "1"));
    store(SettingsStoreKeys::UseCounter, std::to_string(count + 1));
    // A user who asked for a check gets one.
    if (mode == CheckMode::Manual)
        return std::nullopt;
    if (count < firstCheckingCall)
        return UpdateCheckEnd::NotDue;
    if (stored(SettingsStoreKeys::NoURLupdate, "") == "Yes")
        return UpdateCheckEnd::TurnedOff;
    if (!IsConnected(m_services.web.connectivity))
        return UpdateCheckEnd::Offline;
    return std::nullopt;
}

UpdateCheckEnd UpdateCheck::answer(CheckMode mode, const std::optional<std::string>& body) {
    // A failed download, or one that cannot be kept, leaves the previous file as it was.
    if (!body || m_services.fs.writeWholeFileAtomically(m_parameters.file, *body))
        return UpdateCheckEnd::NoAnswer;
    const std::optional<VersionFile> file = readVersionFile(*body);
    if (!file || file->number < lowestVersion)
        return UpdateCheckEnd::NoAnswer;
    if (file->number > m_parameters.ownVersion)
        return offer(*file);
    if (mode == CheckMode::Manual)
        m_services.prompts.message("Version is already up-to-date!",
                                   "Your version is the most recent.\r\n"
                                   "No need to download an update.",
                                   PromptButtons::Ok, PromptIcon::Information);
    return UpdateCheckEnd::UpToDate;
}

UpdateCheckEnd UpdateCheck::offer(const VersionFile& file) {
    if (file.number <= numericValue(stored(SettingsStoreKeys::Download, "0")))
        return UpdateCheckEnd::Declined;
    const std::string title =
        characterCount(file.title) < 2 ? std::string("New version available") : file.title;
    const PromptAnswer answer = m_services.prompts.message(
        title,
        "A new version " + dottedForm(file.number) +
            " is available!\r\n\r\nDo you want to download the new version?",
        PromptButtons::YesNoCancel, PromptIcon::Question);
    if (answer == PromptAnswer::Yes)
        m_services.web.browser.open(m_parameters.page);
    else if (answer == PromptAnswer::No)
        store(SettingsStoreKeys::Download, std::to_string(file.number));
    return UpdateCheckEnd::Asked;
}

std::string UpdateCheck::stored(const char* key, const char* defaultValue) {
    return m_services.store.get(SettingsStoreKeys::application, SettingsStoreKeys::section, key,
                                defaultValue);
}

void UpdateCheck::store(const char* key, const std::string& value) {
    m_services.store.save(SettingsStoreKeys::application, SettingsStoreKeys::section, key, value);
}

} // namespace tidecopy
