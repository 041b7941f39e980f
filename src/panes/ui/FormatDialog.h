#pragma once

#include "panes/FormatChoices.h"

#include <QDialog>
#include <array>

class QRadioButton;

namespace tidecopy {

class OwnerDrawnButton;

// The format dialog (frmFormat): the four options as the core found them and the Format
// button, enabled once an option is pressed. It only chooses; the owner formats.
class FormatDialog : public QDialog {
    Q_OBJECT
public:
    FormatDialog(const FormatChoices& choices, QWidget* owner);

    // The option pressed before Format; -1 after Cancel or when none was.
    int chosenOption() const { return m_chosen; }

private:
    void formatPressed();

    std::array<QRadioButton*, 4> m_options{};
    OwnerDrawnButton* m_format = nullptr;
    int m_chosen = -1;
};

} // namespace tidecopy
