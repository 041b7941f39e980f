#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace tidecopy {

class ClickableImage;
class OptionsActions;
class Prompts;
class OwnerDrawnButton;
struct CheckBox;
struct MainState;

// The copy options (frmOptions): copy mode, conditions, recursion, relative path,
// preservation, the filter box and recall. Its controls show the main state and write
// the user's changes back to it; the rules are the core's. Its options button and menu
// icon show the options commands.
class CopyOptionsGroup : public QGroupBox {
    Q_OBJECT
public:
    CopyOptionsGroup(MainState& state, Prompts& prompts, OptionsActions& actions,
                     QWidget* parent = nullptr);

    // Shows the main state again (after loading settings).
    void showState();
    // The filter rule: runs on a click on the list, Enter and the loss of focus.
    void commitPattern();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* addCheckBox(const char* name, const QString& caption, const QString& tip,
                           CheckBox MainState::*box);
    void buildLayout();

    MainState& m_state;
    Prompts& m_prompts;
    bool m_updating = false;
    QRadioButton* m_optAllCopy = nullptr;
    QRadioButton* m_optSelectiveCopy = nullptr;
    QCheckBox* m_chkOnlyNewFiles = nullptr;
    QCheckBox* m_chkChangedFiles = nullptr;
    QCheckBox* m_chkPreserveFiles = nullptr;
    QCheckBox* m_chkSubFolders = nullptr;
    QCheckBox* m_chkOnlySubs = nullptr;
    QCheckBox* m_chkRelative = nullptr;
    QCheckBox* m_chkRecall = nullptr;
    QGroupBox* m_filterFrame = nullptr;
    QComboBox* m_cmbPattern = nullptr;
    OwnerDrawnButton* m_cmdPreserveOptions = nullptr;
    ClickableImage* m_optionsIcon = nullptr;
};

} // namespace tidecopy
