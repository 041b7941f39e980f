#pragma once

#include "widgets/MenuCommands.h"

#include <functional>

namespace tidecopy {

class Prompts;
class UpdateChecker;
struct SettingsContext;

// The options command ("Options and Settings...", also the button cmdPreserveOptions)
// and the options menu mnuOptionOption that shows it. The command shows the options
// dialog modally and says when it has closed, however it closed.
class OptionsActions : public MenuCommands {
    Q_OBJECT
public:
    // endProgram ends the program at once after a reset of all settings.
    OptionsActions(SettingsContext& settings, Prompts& prompts, UpdateChecker& updates,
                   std::function<void()> endProgram, QWidget* window);

    QAction* optionsAndSettings() const { return m_optionsAndSettings; }

signals:
    void dialogClosed();

private:
    void showOptions();

    SettingsContext& m_settings;
    Prompts& m_prompts;
    UpdateChecker& m_updates;
    std::function<void()> m_endProgram;
    QWidget* m_window;
    QAction* m_optionsAndSettings;
    // The detailed log's note is shown once per program run.
    bool m_detailedLogNoteShown = false;
};

} // namespace tidecopy
