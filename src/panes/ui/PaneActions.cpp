#include "panes/ui/PaneActions.h"

#include "config/OptionSet.h"
#include "config/PresetFolders.h"
#include "panes/FolderChoice.h"
#include "panes/Panes.h"
#include "panes/ui/PaneJob.h"
#include "platform/Platform.h"
#include "widgets/Commands.h"
#include "widgets/jobs/JobRunner.h"

#include <QAction>
#include <QMenu>

namespace tidecopy {

namespace {

// A command of a later issue.
QAction* later(QObject* owner, const char* text) {
    return makeCommand(owner, QString::fromUtf8(text), false);
}

} // namespace

PaneActions::PaneActions(PaneCommandParts parts, QWidget* parent)
    : QObject(parent)
    , m_parts(parts)
    , m_fileCommands(parts.panes, parts.platform, parts.prompts) {
    for (int index = 0; index < static_cast<int>(m_presets.size()); ++index) {
        QAction* preset = makeCommand(this, QString::fromUtf8(presetFolder(index)->caption));
        connect(preset, &QAction::triggered, this, [this, index] { choosePreset(index); });
        m_presets[static_cast<std::size_t>(index)] = preset;
    }
    const auto file = [this](int item, const char* text) {
        QAction* command = makeCommand(this, QString::fromUtf8(text));
        connect(command, &QAction::triggered, this, [this, item] { runFileCommand(item); });
        return NumberedItem{item, command};
    };
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
    m_folderPaste = later(this, "Paste");
    m_folderMenu = makeNumberedMenu(parent, "mnuFolderOption", "mnuFolderOptions",
                                    {{10, later(this, "Properties")},
                                     {20},
                                     {27, m_folderPaste},
                                     {30, later(this, "Rename")},
                                     {40, later(this, "New")},
                                     {50, later(this, "Delete")},
                                     {60},
                                     {70, later(this, "Find...")},
                                     {80, later(this, "Run Explorer")},
                                     {999},
                                     {1000, makeCommand(this, "Exit menu")}});
    m_driveMenu = makeNumberedMenu(parent, "mnuDriveOption", "mnuDriveOptions",
                                   {{10, later(this, "Properties and Settings")},
                                    {20},
                                    {30, later(this, "Disk Cleanup Utility")},
                                    {40, later(this, "Defrag")},
                                    {50, later(this, "Disk Managment")},
                                    {55, later(this, "Calculate Free Space")},
                                    {58},
                                    {60, later(this, "Change Volume Label")},
                                    {70},
                                    {80, later(this, "Format...")},
                                    {90},
                                    {100, later(this, "Find...")},
                                    {110, later(this, "Run Explorer")}});
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
    m_folderPaste->setVisible(!m_parts.panes.CopiedFile().empty());
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

void PaneActions::perform(FileCommandStep step) {
    if (step.endedEarly)
        return;
    if (!step.work) {
        m_fileCommands.finish({});
        return;
    }
    auto job = std::make_unique<PaneJob>(m_parts.platform.fs, m_parts.panes.style(),
                                         std::move(step.work), m_parts.options.chkLogUser != 0);
    m_lock.lock();
    const bool started = m_parts.jobs.start<PaneJob>(std::move(job), [this](PaneJob& ended) {
        m_lock.unlock();
        m_fileCommands.finish(ended.result());
    });
    if (!started)
        m_lock.unlock();
}

void PaneActions::choosePreset(int index) {
    choosePresetFolder(m_parts.panes, index, m_parts.platform.userFolders);
}

} // namespace tidecopy
