#include "panes/ui/PaneActions.h"

#include "config/PresetFolders.h"
#include "panes/FolderChoice.h"
#include "widgets/Commands.h"

#include <QAction>
#include <QMenu>

namespace tidecopy {

namespace {

// A command of a later issue.
QAction* later(QObject* owner, const char* text) {
    return makeCommand(owner, QString::fromUtf8(text), false);
}

} // namespace

PaneActions::PaneActions(Panes& panes, UserFolderLookup userFolders, QWidget* parent)
    : QObject(parent)
    , m_panes(panes)
    , m_userFolders(std::move(userFolders)) {
    for (int index = 0; index < static_cast<int>(m_presets.size()); ++index) {
        QAction* preset = makeCommand(this, QString::fromUtf8(presetFolder(index)->caption));
        connect(preset, &QAction::triggered, this, [this, index] { choosePreset(index); });
        m_presets[static_cast<std::size_t>(index)] = preset;
    }
    m_fileMenu = makeNumberedMenu(parent, "mnuFileOption", "mnuFileOptions",
                                  {{10, later(this, "Properties")},
                                   {20},
                                   {25, later(this, "Copy")},
                                   {27, later(this, "Paste")},
                                   {29},
                                   {30, later(this, "Rename")},
                                   {40, later(this, "Delete")},
                                   {42, later(this, "Delete All Files")},
                                   {50},
                                   {60, later(this, "Open")},
                                   {70},
                                   {80, later(this, "Find...")},
                                   {90, later(this, "Run Explorer")},
                                   {999},
                                   {1000, makeCommand(this, "Exit menu")}});
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
    m_folderPaste->setVisible(false);
    m_folderMenu->popup(at);
}

void PaneActions::popUpDriveMenu(const QPoint& at) {
    m_driveMenu->popup(at);
}

void PaneActions::choosePreset(int index) {
    choosePresetFolder(m_panes, index, m_userFolders);
}

} // namespace tidecopy
