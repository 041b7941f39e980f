#include "panes/ui/PaneActions.h"

#include "config/OptionSet.h"
#include "config/PresetFolders.h"
#include "panes/FolderChoice.h"
#include "panes/Panes.h"
#include "panes/ui/FormatDialog.h"
#include "panes/ui/PaneJob.h"
#include "platform/Platform.h"
#include "widgets/Commands.h"
#include "widgets/jobs/JobRunner.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace tidecopy {

PaneActions::PaneActions(PaneCommandParts parts, QWidget* parent)
    : QObject(parent)
    , m_parts(parts)
    , m_fileCommands(parts.panes, parts.platform, parts.prompts)
    , m_folderCommands(m_fileCommands, parts.panes, parts.platform, parts.prompts)
    , m_driveCommands(m_fileCommands, parts.panes, parts.platform, parts.prompts, parts.disks) {
    for (int index = 0; index < static_cast<int>(m_presets.size()); ++index) {
        QAction* preset = makeCommand(this, QString::fromUtf8(presetFolder(index)->caption));
        connect(preset, &QAction::triggered, this, [this, index] { choosePreset(index); });
        m_presets[static_cast<std::size_t>(index)] = preset;
    }
    // An item of a numbered menu whose command runs item through run.
    const auto itemOf = [this](void (PaneActions::*run)(int)) {
        return [this, run](int item, const char* text) {
            QAction* command = makeCommand(this, QString::fromUtf8(text));
            connect(command, &QAction::triggered, this, [this, run, item] { (this->*run)(item); });
            return NumberedItem{item, command};
        };
    };
    const auto file = itemOf(&PaneActions::runFileCommand);
    using namespace FileMenuItem;
    m_fileMenu = makeNumberedMenu(parent, "mnuFileOption", "mnuFileOptions",
                                  {file(Properties, "Properties"),
                                   {20},
                                   file(Copy, "Copy"),
                                   file(Paste, "Paste"),
                                   {29},
                                   file(Rename, "Rename"),
                                   file(Delete, "Delete"),
                                   file(DeleteAllFiles, "Delete All Files"),
                                   {50},
                                   file(Open, "Open"),
                                   {70},
                                   file(Find, "Find..."),
                                   file(RunExplorer, "Run Explorer"),
                                   {999},
                                   file(ExitMenu, "Exit menu")});
    connect(m_fileMenu, &QMenu::aboutToShow, this, &PaneActions::enableFileMenu);
    const auto folder = itemOf(&PaneActions::runFolderCommand);
    namespace Folder = FolderMenuItem;
    m_folderMenu = makeNumberedMenu(parent, "mnuFolderOption", "mnuFolderOptions",
                                    {folder(Folder::Properties, "Properties"),
                                     {20},
                                     folder(Folder::Paste, "Paste"),
                                     folder(Folder::Rename, "Rename"),
                                     folder(Folder::New, "New"),
                                     folder(Folder::Delete, "Delete"),
                                     {60},
                                     folder(Folder::Find, "Find..."),
                                     folder(Folder::RunExplorer, "Run Explorer"),
                                     {999},
                                     folder(Folder::ExitMenu, "Exit menu")});
    connect(m_folderMenu, &QMenu::aboutToShow, this, &PaneActions::enableFolderMenu);
    const auto drive = itemOf(&PaneActions::runDriveCommand);
    namespace Drive = DriveMenuItem;
    m_driveMenu = makeNumberedMenu(parent, "mnuDriveOption", "mnuDriveOptions",
                                   {drive(Drive::Properties, "Properties and Settings"),
                                    {20},
                                    drive(Drive::DiskCleanup, "Disk Cleanup Utility"),
                                    drive(Drive::Defrag, "Defrag"),
                                    drive(Drive::DiskManagement, "Disk Managment"),
                                    drive(Drive::FreeSpace, "Calculate Free Space"),
                                    {58},
                                    drive(Drive::ChangeLabel, "Change Volume Label"),
                                    {70},
                                    drive(Drive::Format, "Format..."),
                                    {90},
                                    drive(Drive::Find, "Find..."),
                                    drive(Drive::RunExplorer, "Run Explorer"),
                                    {999},
                                    drive(Drive::ExitMenu, "Exit menu")});
    connect(m_driveMenu, &QMenu::aboutToShow, this, &PaneActions::enableDriveMenu);
}

std::array<QAction*, 5> PaneActions::presets(Pane pane) const {
    const std::size_t first = pane == Pane::Source ? 0 : 5;
    return {m_presets[first], m_presets[first + 1], m_presets[first + 2], m_presets[first + 3],
            m_presets[first + 4]};
}

void PaneActions::popUpFileMenu(const QPoint& at) {
    m_fileMenu->popup(at);
}

void PaneActions::popUpFolderMenu(const QPoint& at) {
    m_folderMenu->popup(at);
}

void PaneActions::popUpDriveMenu(const QPoint& at) {
    m_driveMenu->popup(at);
}

void PaneActions::enableFileMenu() {
    const Panes& panes = m_parts.panes;
    const bool selected = !panes.selectedFileName(panes.ActivePane()).empty();
    const bool marked = !panes.CopiedFile().empty();
    for (QAction* item : m_fileMenu->actions())
        if (!item->isSeparator())
            item->setEnabled(fileMenuItemEnabled(item->data().toInt(), selected, marked));
}

void PaneActions::enableFolderMenu() {
    const Panes& panes = m_parts.panes;
    // The pane the menu opens on decides, not the one whose folder changed last.
    const bool renameDelete = panes.pane(panes.ActivePane()).folderRenameDeleteEnabled;
    for (QAction* item : m_folderMenu->actions()) {
        if (item->isSeparator())
            continue;
        const int number = item->data().toInt();
        item->setEnabled(folderMenuItemEnabled(number, renameDelete));
        if (number == FolderMenuItem::Paste)
            item->setVisible(!panes.CopiedFile().empty());
    }
}

void PaneActions::enableDriveMenu() {
    for (QAction* item : m_driveMenu->actions())
        if (!item->isSeparator())
            item->setEnabled(driveMenuItemEnabled(item->data().toInt(), m_parts.disks));
}

void PaneActions::deleteKeyPressed(Pane pane) {
    // The key acts on the list it was pressed in, whichever pane was active before.
    m_parts.panes.setActivePane(pane);
    runFileCommand(FileMenuItem::Delete);
}

void PaneActions::filesDropped(Pane pane, const std::vector<std::string>& paths) {
    if (!m_parts.jobs.running())
        perform(m_fileCommands.drop(pane, paths));
}

void PaneActions::runFileCommand(int item) {
    if (!m_parts.jobs.running())
        perform(m_fileCommands.run(item));
}

void PaneActions::runFolderCommand(int item) {
    if (!m_parts.jobs.running())
        perform(m_folderCommands.run(item));
}

void PaneActions::runDriveCommand(int item) {
    if (m_parts.jobs.running())
        return;
    if (item == DriveMenuItem::Format)
        openFormatDialog();
    else
        perform(m_driveCommands.run(item));
}

void PaneActions::openFormatDialog() {
    const FormatChoices choices = m_driveCommands.formatChoicesNow();
    FormatDialog dialog(choices, qobject_cast<QWidget*>(parent()));
    if (dialog.exec() == QDialog::Accepted)
        perform(m_driveCommands.format(choices, dialog.chosenOption()));
}

void PaneActions::perform(FileCommandStep step) {
    if (step.endedEarly)
        return;
    if (!step.work) {
        m_fileCommands.finish({});
        return;
    }
    auto job = std::make_unique<PaneJob>(m_parts.platform.fs, m_parts.panes.style(),
                                         std::move(step.work), m_parts.options.chkLogUser != 0);
    // The busy pointer leaves Cancel usable, as a wait cursor would not suggest.
    m_lock.lock();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const auto release = [this] {
        QApplication::restoreOverrideCursor();
        m_lock.unlock();
    };
    const bool started =
        m_parts.jobs.start<PaneJob>(std::move(job), [this, release](PaneJob& ended) {
            release();
            m_fileCommands.finish(ended.result());
        });
    if (!started)
        release();
}

void PaneActions::choosePreset(int index) {
    choosePresetFolder(m_parts.panes, index, m_parts.platform.userFolders);
}

} // namespace tidecopy
