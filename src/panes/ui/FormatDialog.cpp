#include "panes/ui/FormatDialog.h"

#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tidecopy {

FormatDialog::FormatDialog(const FormatChoices& choices, QWidget* owner)
    : QDialog(owner) {
    setObjectName("frmFormat");
    setWindowTitle("Format Drive");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    for (std::size_t index = 0; index < m_options.size(); ++index) {
        const QString caption = QString::fromStdString(choices.captions[index]);
        auto* option = new QRadioButton(caption, this);
        nameControl(option, elementName("Option1", static_cast<int>(index)), caption);
        option->setEnabled(choices.enabled[index]);
        // Pressing an option, by mouse, keyboard or a screen reader, allows Format.
        connect(option, &QRadioButton::pressed, this, [this] { m_format->setEnabledState(true); });
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                m_format->setEnabledState(true);
        });
        layout->addWidget(option);
        m_options[index] = option;
    }
    auto* note = new QLabel(
        "Note: Formatting a drive will result in the loss of all data on the drive", this);
    nameControl(note, "Label1", note->text());
    note->setWordWrap(true);
    layout->addWidget(note);

    m_format = new OwnerDrawnButton(this);
    auto* cancel = new OwnerDrawnButton(this);
    const auto button = [](OwnerDrawnButton* b, const char* name, const char* caption) {
        nameControl(b, name, caption);
        b->setCaption(caption);
        b->setButtonStyle(OwnerDrawnButton::textButtonStyle);
    };
    button(m_format, "qdButtons_H1", "Format");
    button(cancel, "qdButtons_H2", "Cancel");
    m_format->setEnabledState(false);
    cancel->setCancel(true);
    connect(m_format, &OwnerDrawnButton::Pressed, this, &FormatDialog::formatPressed);
    connect(cancel, &OwnerDrawnButton::Pressed, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_format);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void FormatDialog::formatPressed() {
    for (std::size_t index = 0; index < m_options.size(); ++index)
        if (m_options[index]->isChecked())
            m_chosen = static_cast<int>(index);
    accept();
}

} // namespace tidecopy
