#pragma once

#include "config/OptionsDialogValues.h"

#include <QDialog>
#include <array>
#include <functional>
#include <map>
#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace tidecopy {

class OwnerDrawnButton;
class Prompts;
class UpdateChecker;
struct SettingsContext;

// What the options dialog works with, beyond its controls.
struct OptionsDialogServices {
    SettingsContext& settings;
    Prompts& prompts;
    UpdateChecker& updates;
    // Ends the program at once, without the main window's closing steps (after a reset).
    std::function<void()> endProgram;
    // Whether the detailed log's note was shown in this program run.
    bool& detailedLogNoteShown;
};

// frmPresOptions ("Settings and Options"): every option of the option set in its group.
// It opens on the current options and changes them only on OK; "Check Now", the colour
// choosers and Reset act at once. The rules are the core's (OptionsDialogValues).
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(OptionsDialogServices services, QWidget* owner);

    OptionsDialogValues values() const;

public slots:
    void reject() override;

private:
    QWidget* makeChangedFilesGroup();
    QWidget* makeColorsGroup();
    QWidget* makePreservingGroup();
    QWidget* makeShutdownGroup();
    QWidget* makeLogGroup();
    QWidget* makeAutomationGroup();
    QWidget* makeUpdateGroup();
    QWidget* makeResetGroup();
    QLayout* makeButtons();
    QGroupBox* namedFrame(const char* name, const QString& caption);
    QGroupBox* group(const char* name, const QString& caption,
                     std::initializer_list<QWidget*> items);
    // Two controls side by side: the first takes the room, or both keep to the left.
    QWidget* row(QWidget* first, QWidget* second, bool firstStretches = true);
    QCheckBox* checkBox(const char* name, const QString& caption, const QString& tip = {});

    void show(const OptionsDialogValues& values);
    void listProfiles(const std::string& autoProfile);
    void showColor(int index, std::int32_t color);
    void chooseColor(int index);
    void detailedLogClicked(bool checked);
    void confirm();
    void checkNow();
    void resetAllSettings();
    void setButtonsEnabled(bool enabled);

    OptionsDialogServices m_services;
    std::map<std::string, QCheckBox*, std::less<>> m_checks;
    std::array<QCheckBox*, 3> m_dateFiles{};
    QButtonGroup* m_preserveNaming = nullptr;
    QButtonGroup* m_shutdownMode = nullptr;
    QLineEdit* m_extension = nullptr;
    QLineEdit* m_limit = nullptr;
    std::array<QLabel*, 2> m_colorLabels{};
    std::array<std::int32_t, 2> m_colors{};
    QCheckBox* m_automaticUpdateCheck = nullptr;
    QListWidget* m_profiles = nullptr;
    std::array<OwnerDrawnButton*, 4> m_buttons{}; // OK, Cancel, Check Now, Reset
    bool m_checking = false;
};

} // namespace tidecopy
