#include "config/ui/OptionsActions.h"

#include "config/ui/OptionsDialog.h"
#include "widgets/Commands.h"

#include <QAction>

namespace tidecopy {

OptionsActions::OptionsActions(SettingsContext& settings, Prompts& prompts, UpdateChecker& updates,
                               std::function<void()> endProgram, QWidget* window)
    : MenuCommands(window)
    , m_settings(settings)
    , m_prompts(prompts)
    , m_updates(updates)
    , m_endProgram(std::move(endProgram))
    , m_window(window)
    , m_optionsAndSettings(
          makeCommand(this, "Options and Settings...", true, "More Options and settings")) {
    setMenu(
        makeNumberedMenu(window, "mnuOptionOption", "mnuOptionOptions",
                         {{10, m_optionsAndSettings}, {20}, {30, makeCommand(this, "Exit Menu")}}));
    connect(m_optionsAndSettings, &QAction::triggered, this, &OptionsActions::showOptions);
}

void OptionsActions::showOptions() {
    OptionsDialog dialog({m_settings, m_prompts, m_updates, m_endProgram, m_detailedLogNoteShown},
                         m_window);
    dialog.exec();
    emit dialogClosed();
}

} // namespace tidecopy
