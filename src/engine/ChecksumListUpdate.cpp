#include "engine/ChecksumListUpdate.h"

#include "platform/Errors.h"

namespace tidecopy {

namespace {

// Only regular files are listed: sha256sum would follow a link.
std::optional<FileStamp> regularFileStamp(FileSystem& fs, const std::string& path) {
    const auto info = fs.entryInfo(path);
    if (!info || info->type != EntryType::File)
        return std::nullopt;
    return FileStamp{info->size, info->modifiedNs};
}

} // namespace

ChecksumListUpdate::ChecksumListUpdate(FileSystem& fs, const PathStyle& style,
                                       std::string destinationFolder)
    : m_fs(fs)
    , m_style(style)
    , m_destination(style.withTrailingSeparator(destinationFolder)) {}

void ChecksumListUpdate::copied(const std::string& target, const std::string& preservedName) {
    m_copies.push_back({target, preservedName});
}

void ChecksumListUpdate::notCopied(const std::string& source, const std::string& target) {
    m_others.emplace_back(source, target);
}

void ChecksumListUpdate::readBack(const std::string& target, const Sha256Digest& digest) {
    m_readBack[target] = digest;
}

ChecksumListOutcome ChecksumListUpdate::write(CopiesRead copiesRead, const LogSink& log,
                                              const RunControl& control) {
    ChecksumListOutcome outcome;
    std::optional<ChecksumList> list = readOldList(log);
    if (!list) {
        ++outcome.failed;
        return outcome;
    }
    applyCopies(*list, copiesRead, outcome, log, control);
    applyOthers(*list, outcome, log, control);
    if (control.cancelled()) {
        log("Checksum list not updated: the backup was canceled.\r\n");
        return outcome;
    }
    outcome.listed = list->size();
    if (auto error = m_fs.writeWholeFileAtomically(listPath(), checksumListText(*list))) {
        log("Checksum list '" + listPath() + "' could not be written: " + describeError(error) +
            "\r\n");
        ++outcome.failed;
        return outcome;
    }
    log("Checksum list updated: " + std::to_string(outcome.listed) + " file(s) listed, " +
        std::to_string(outcome.hashed) + " new checksum(s).\r\n");
    return outcome;
}

// A list that is there but cannot be read is kept for the user to look at: writing a new
// one would drop the digests that show whether the files it names are still intact.
std::optional<ChecksumList> ChecksumListUpdate::readOldList(const LogSink& log) {
    std::string text;
    const std::error_code error =
        m_fs.readContents(listPath(), [&text](std::string_view bytes) { text.append(bytes); }, {});
    if (error == std::errc::no_such_file_or_directory)
        return ChecksumList{};
    if (error) {
        log("Checksum list '" + listPath() + "' cannot be read: " + describeError(error) +
            ". It is left as it is.\r\n");
        return std::nullopt;
    }
    ParsedChecksumList parsed = parseChecksumList(text);
    if (!parsed.damagedLines.empty()) {
        log("Checksum list '" + listPath() + "' is damaged at line " +
            std::to_string(parsed.damagedLines.front()) + ". It is left as it is.\r\n");
        return std::nullopt;
    }
    return std::move(parsed.entries);
}

void ChecksumListUpdate::applyCopies(ChecksumList& list, CopiesRead copiesRead,
                                     ChecksumListOutcome& outcome, const LogSink& log,
                                     const RunControl& control) {
    for (const Copy& copy : m_copies) {
        if (control.cancelled())
            return;
        const std::string path = listPathOf(m_style, m_destination, copy.target);
        const auto old = list.find(path);
        if (old != list.end() && !copy.preservedName.empty()) {
            const std::string preserved =
                std::string(m_style.folderPartOf(copy.target)) + copy.preservedName;
            list[listPathOf(m_style, m_destination, preserved)] = old->second;
        }
        const std::optional<FileStamp> stamp = regularFileStamp(m_fs, copy.target);
        if (!stamp) {
            list.erase(path); // a link now, or gone
            continue;
        }
        if (const auto digest = m_readBack.find(copy.target); digest != m_readBack.end()) {
            list[path] = {digest->second, stamp};
            ++outcome.hashed;
        } else if (copiesRead == CopiesRead::NotYet) {
            if (auto entry = hashNow(copy.target, *stamp, outcome, log, control))
                list[path] = *entry;
            else
                list.erase(path); // the old digest is not the new copy's
        }
        // A copy that failed the integrity check keeps its old entry: a verify names it.
        control.processEvents();
    }
}

void ChecksumListUpdate::applyOthers(ChecksumList& list, ChecksumListOutcome& outcome,
                                     const LogSink& log, const RunControl& control) {
    for (const auto& [source, target] : m_others) {
        if (control.cancelled())
            return;
        const std::optional<FileStamp> stamp = regularFileStamp(m_fs, target);
        if (!stamp)
            continue; // its entry, if any, stays for a verify to name
        const std::string path = listPathOf(m_style, m_destination, target);
        const auto old = list.find(path);
        if (old != list.end() && old->second.stamp == stamp)
            continue;
        // Without a stamp (a list sha256sum wrote) the file earns one only with its digest.
        const bool unstamped = old != list.end() && !old->second.stamp;
        if (old == list.end() || unstamped || matchesSource(source, *stamp)) {
            const auto entry = hashNow(target, *stamp, outcome, log, control);
            if (entry && (!unstamped || entry->digest == old->second.digest))
                list[path] = *entry;
        }
        control.processEvents();
    }
}

std::optional<ChecksumEntry> ChecksumListUpdate::hashNow(const std::string& file,
                                                         const FileStamp& stamp,
                                                         ChecksumListOutcome& outcome,
                                                         const LogSink& log,
                                                         const RunControl& control) {
    const Result<Sha256Digest> digest =
        digestOfFile(m_fs, file, [&control](std::uint64_t) { return control.cancelled(); });
    if (digest) {
        ++outcome.hashed;
        return ChecksumEntry{*digest, stamp};
    }
    if (digest.error() != std::errc::operation_canceled) {
        log("File '" + escapedListPath(listPathOf(m_style, m_destination, file)) +
            "' could not be read for the checksum list: " + describeError(digest.error()) + "\r\n");
        ++outcome.failed;
    }
    return std::nullopt;
}

// The copy has the source's size and, within the steps its volume keeps, its time.
bool ChecksumListUpdate::matchesSource(const std::string& source, const FileStamp& copy) {
    const std::optional<FileStamp> original = regularFileStamp(m_fs, source);
    if (!original || original->size != copy.size)
        return false;
    if (!m_timeStep) {
        const auto step = m_fs.timestampResolutionNs(m_destination);
        m_timeStep = step && *step > 0 ? *step : 1;
    }
    const std::int64_t difference = original->modifiedNs - copy.modifiedNs;
    return difference < *m_timeStep && -difference < *m_timeStep;
}

} // namespace tidecopy
