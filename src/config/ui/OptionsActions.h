#pragma once

#include "widgets/MenuCommands.h"

namespace tidecopy {

// The options command ("Options and Settings...", also the button cmdPreserveOptions)
// and the options menu mnuOptionOption that shows it. The options dialog comes with its
// own issue: present and disabled.
class OptionsActions : public MenuCommands {
    Q_OBJECT
public:
    explicit OptionsActions(QWidget* parent);

    QAction* optionsAndSettings() const { return m_optionsAndSettings; }

private:
    QAction* m_optionsAndSettings;
};

} // namespace tidecopy
