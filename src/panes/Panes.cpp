#include "panes/Panes.h"

#include "config/MainState.h"
#include "panes/DirSizeText.h"
#include "panes/DisplayFormats.h"
#include "panes/DriveTexts.h"
#include "panes/FileInfoText.h"
#include "panes/FreeSpaceText.h"
#include "panes/SplitTheText.h"
#include "platform/Platform.h"
#include "platform/Prompts.h"

#include <algorithm>

namespace tidecopy {

namespace {

// The limit the panes give their display routines.
constexpr int labelLength = 40;

} // namespace

Panes::Panes(Platform& platform, Prompts& prompts, DisplayFormats formats, MainState& state,
             PathStyle style)
    : m_platform(platform)
    , m_prompts(prompts)
    , m_formats(std::move(formats))
    , m_style(style)
    , m_state(state) {
    refreshDrives();
}

const std::vector<Volume>& Panes::refreshDrives() {
    m_drives = m_platform.volumes.list();
    return m_drives;
}

std::string Panes::driveOf(const std::string& folder) {
    const Volume* volume = volumeHolding(m_drives, folder);
    if (volume == nullptr && !refreshDrives().empty())
        volume = volumeHolding(m_drives, folder);
    return volume != nullptr ? volume->mountPoint : m_style.rootOf(folder);
}

bool Panes::isDriveRoot(const std::string& folder) const {
    if (m_style.isRoot(folder))
        return true;
    const std::string bare = m_style.withoutTrailingSeparator(folder);
    return std::any_of(m_drives.begin(), m_drives.end(), [&](const Volume& volume) {
        return m_style.withoutTrailingSeparator(volume.mountPoint) == bare;
    });
}

void Panes::notify(Pane p, unsigned what) {
    if (m_listener)
        m_listener(PaneChange{p, what});
}

std::error_code Panes::setFolder(Pane p, const std::string& folder) {
    const PathStyle& style = m_style;
    if (style.rootOf(folder).empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    const std::string path = style.withoutTrailingSeparator(folder);
    Result<FolderContents> contents = readFolderContents(m_platform.fs, style, path);
    if (!contents) {
        m_state.DriveErrorFlag = true;
        return contents.error();
    }
    show(p, path, std::move(contents).value());
    return {};
}

void Panes::openFolder(Pane p, const std::string& folder) {
    if (setFolder(p, folder))
        refreshFolder(p);
}

void Panes::refreshFolder(Pane p) {
    PaneState& pane = paneAt(p);
    Result<FolderContents> contents = readFolderContents(m_platform.fs, m_style, pane.folder);
    if (contents) {
        show(p, pane.folder, std::move(contents).value());
        return;
    }
    // The lists and the pane's own labels keep what they showed.
    m_labels.lblDirSize = dirSizeText(0, m_formats.thousandsSeparator);
    m_activePane = p;
    m_state.DriveErrorFlag = true;
    notify(p, PaneUpdate::DirSize | PaneUpdate::ProgressCleared);
}

void Panes::show(Pane p, std::string folder, FolderContents contents) {
    PaneState& pane = paneAt(p);
    pane.folder = std::move(folder);
    pane.contents = std::move(contents);
    pane.selectedFile = -1;
    pane.drive = driveOf(pane.folder);
    m_folderOnDrive[pane.drive] = pane.folder;
    (p == Pane::Source ? m_state.Dir1 : m_state.Dir2) = pane.folder;
    m_labels.lblDirSize = dirSizeText(pane.contents.plainFileBytes, m_formats.thousandsSeparator);
    m_activePane = p;
    pane.lblTotalFiles = totalFileCountText(pane.contents.files.size());
    pane.folderRenameDeleteEnabled = !isDriveRoot(pane.folder);
    pane.lblFolderName = SplitTheText(pane.folder, m_style.separator(), labelLength);
    notify(p, PaneUpdate::Drive | PaneUpdate::Lists | PaneUpdate::FolderName |
                  PaneUpdate::TotalFiles | PaneUpdate::DirSize | PaneUpdate::ProgressCleared);
    if (!pane.contents.files.empty())
        selectFile(p, 0);
}

std::error_code Panes::chooseDrive(Pane p, const std::string& mountPoint) {
    std::error_code error;
    const auto remembered = m_folderOnDrive.find(mountPoint);
    if (remembered == m_folderOnDrive.end() || setFolder(p, remembered->second))
        error = setFolder(p, mountPoint);
    m_activeDrive = p;
    if (!error) {
        m_labels.lblFreeSpace = GetFreeSpace(m_platform.volumes, m_style, mountPoint);
        notify(p, PaneUpdate::FreeSpace);
        return {};
    }
    std::string text = mountPoint;
    const auto chosen = std::find_if(m_drives.begin(), m_drives.end(),
                                     [&](const Volume& v) { return v.mountPoint == mountPoint; });
    if (chosen != m_drives.end())
        text = driveListText(*chosen);
    const PaneMessage message = driveErrorMessage(p, driveTextInMessages(m_style, text), error);
    m_prompts.message(message.title, message.text, PromptButtons::Ok, PromptIcon::Warning);
    PaneState& pane = paneAt(p);
    pane.drive = driveOf(pane.folder);
    notify(p, PaneUpdate::Drive);
    return error;
}

void Panes::selectFile(Pane p, int index) {
    PaneState& pane = paneAt(p);
    if (index < 0 || index >= static_cast<int>(pane.contents.files.size()))
        return;
    pane.selectedFile = index;
    m_labels.lblFileInfo = GetFileSizeDateTime(m_platform.fs, m_style, pane.folder,
                                               pane.contents.files[static_cast<std::size_t>(index)],
                                               labelLength, m_formats);
    m_activePane = p;
    notify(p, PaneUpdate::FileSelection | PaneUpdate::FileInfo);
}

std::string Panes::filePath(Pane p, int index) const {
    const PaneState& state = pane(p);
    if (index < 0 || index >= static_cast<int>(state.contents.files.size()))
        return {};
    return m_style.join(state.folder, state.contents.files[static_cast<std::size_t>(index)]);
}

std::string Panes::selectedFileName(Pane p) const {
    const PaneState& state = pane(p);
    if (state.selectedFile < 0 ||
        state.selectedFile >= static_cast<int>(state.contents.files.size()))
        return {};
    return state.contents.files[static_cast<std::size_t>(state.selectedFile)];
}

void Panes::refreshBoth() {
    const Pane active = m_activePane;
    for (Pane p : bothPanes) {
        const int row = pane(p).selectedFile;
        const std::string name = selectedFileName(p);
        refreshFolder(p);
        const std::vector<std::string>& files = pane(p).contents.files;
        const auto kept = std::find(files.begin(), files.end(), name);
        if (kept != files.end())
            selectFile(p, static_cast<int>(kept - files.begin()));
        else if (row >= 0 && !files.empty())
            selectFile(p, std::min(row, static_cast<int>(files.size()) - 1));
    }
    m_activePane = active;
    const PaneState& shown = pane(active);
    m_labels.lblDirSize = dirSizeText(shown.contents.plainFileBytes, m_formats.thousandsSeparator);
    unsigned what = PaneUpdate::DirSize;
    if (const std::string name = selectedFileName(active); !name.empty()) {
        m_labels.lblFileInfo =
            GetFileSizeDateTime(m_platform.fs, m_style, shown.folder, name, labelLength, m_formats);
        what |= PaneUpdate::FileInfo;
    }
    notify(active, what);
}

std::error_code Panes::openFile(Pane p, int index) {
    const std::string path = filePath(p, index);
    if (path.empty())
        return std::make_error_code(std::errc::invalid_argument);
    return m_platform.shell.openDocument(path);
}

void Panes::showFreeSpace(Pane p) {
    m_labels.lblFreeSpace = GetFreeSpace(m_platform.volumes, m_style, pane(p).drive);
    notify(p, PaneUpdate::FreeSpace);
}

void Panes::fillStartUpLabels() {
    for (Pane p : bothPanes) {
        PaneState& state = paneAt(p);
        state.lblTotalFiles = totalFileCountText(state.contents.files.size());
        if (!state.folder.empty())
            state.lblFolderName = SplitTheText(state.folder, m_style.separator(), labelLength);
        notify(p, PaneUpdate::TotalFiles | PaneUpdate::FolderName);
    }
    const PaneState& source = pane(Pane::Source);
    // The source folder was read when it was shown; reading it again would only cost.
    m_labels.lblDirSize = dirSizeText(source.contents.plainFileBytes, m_formats.thousandsSeparator);
    m_labels.lblFreeSpace = GetFreeSpace(m_platform.volumes, m_style, source.drive);
    notify(Pane::Source, PaneUpdate::DirSize | PaneUpdate::FreeSpace | PaneUpdate::ProgressCleared);
}

std::vector<std::string> Panes::ancestorsOf(const std::string& folder) const {
    const PathStyle& style = m_style;
    std::vector<std::string> chain;
    std::string current = style.withoutTrailingSeparator(folder);
    while (!current.empty()) {
        chain.push_back(current);
        if (style.isRoot(current))
            break;
        const std::string parent = style.withoutTrailingSeparator(style.folderPartOf(current));
        if (parent == current)
            break;
        current = parent;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

} // namespace tidecopy
