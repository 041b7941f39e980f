#include "config/ui/CopyOptionsGroup.h"

#include "config/CopyOptions.h"
#include "config/MainState.h"
#include "config/PatternFilter.h"
#include "config/ui/OptionsActions.h"
#include "widgets/ClickableImage.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tidecopy {

namespace {

template <typename Control>
Control* makeControl(QWidget* parent, const char* name, const QString& caption,
                     const QString& tip) {
    auto* control = new Control(caption, parent);
    nameControl(control, QLatin1String(name), QString(caption).replace('\n', ' '));
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
    return control;
}

} // namespace

CopyOptionsGroup::CopyOptionsGroup(MainState& state, Prompts& prompts, OptionsActions& actions,
                                   QWidget* parent)
    : QGroupBox(parent)
    , m_state(state)
    , m_prompts(prompts) {
    nameControl(this, "frmOptions", tr("Copy options"));
    setTitle(accessibleName());

    m_optAllCopy = makeControl<QRadioButton>(this, "optAllCopy", "Copy Files Always",
                                             "Copy all files unconditionally");
    m_optSelectiveCopy = makeControl<QRadioButton>(
        this, "optSelectiveCopy",
        "Copy Files Conditionally:", "Copy files when one or more conditions are met");
    for (auto [button, mode] : {std::pair{m_optAllCopy, CopyMode::AllCopy},
                                std::pair{m_optSelectiveCopy, CopyMode::SelectiveCopy}}) {
        connect(button, &QRadioButton::clicked, this, [this, mode = mode] {
            m_state.selectCopyMode(mode);
            showState();
        });
    }

    m_chkOnlyNewFiles = addCheckBox("chkOnlyNewFiles", "New Files", "New existing files",
                                    &MainState::chkOnlyNewFiles);
    m_chkChangedFiles =
        addCheckBox("chkChangedFiles", "Changed Files",
                    "Files that changed in size and/or time & date", &MainState::chkChangedFiles);
    for (QCheckBox* condition : {m_chkOnlyNewFiles, m_chkChangedFiles}) {
        connect(condition, &QCheckBox::clicked, this, [this] {
            if (checkOptions(m_state, m_prompts))
                m_chkOnlyNewFiles->setFocus();
        });
    }
    m_chkPreserveFiles =
        addCheckBox("chkPreserveFiles", "Preserve Existing Files",
                    "Do not overwrite existing file (make a copy and rename file to .bak)",
                    &MainState::chkPreserveFiles);
    m_chkSubFolders = addCheckBox(
        "chkSubFolders", "Recurse Folders",
        "Copy all sub folders when enabled. Disable to only copy the parent folder files",
        &MainState::chkSubFolders);
    m_chkOnlySubs = addCheckBox("chkOnlySubs", "Only Subdirectories",
                                "Only copy subdirectories from up the parent directory",
                                &MainState::chkOnlySubs);
    m_chkRelative =
        addCheckBox("chkRelative", "Relative Path",
                    "Use relative path starting from the active folder (disable for absolute path)",
                    &MainState::chkRelative);
    m_chkRecall =
        addCheckBox("chkRecall", "Recall Last Used\nBackup",
                    "Use the last successful backup folders at startup", &MainState::chkRecall);

    m_filterFrame = new QGroupBox("Filter Source", this);
    nameControl(m_filterFrame, "frmFilter", "Filter Source");
    m_cmbPattern = new QComboBox(m_filterFrame);
    nameControl(m_cmbPattern, "cmbPattern", "Filter Source");
    m_cmbPattern->setToolTip("Filter on file extensions (default *.*)");
    m_cmbPattern->setAccessibleDescription(m_cmbPattern->toolTip());
    m_cmbPattern->setEditable(true);
    m_cmbPattern->setInsertPolicy(QComboBox::NoInsert);
    // The text stays as typed: completing it to an item differing in case would hide
    // what the filter rule decides.
    m_cmbPattern->setCompleter(nullptr);
    connect(m_cmbPattern, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!m_updating)
            m_state.cmbPattern.text = text.toStdString();
    });
    connect(m_cmbPattern, &QComboBox::activated, this, [this] { commitPattern(); });
    connect(m_cmbPattern->lineEdit(), &QLineEdit::returnPressed, this, [this] { commitPattern(); });
    // The box itself holds the focus for its line edit, so the box loses it.
    m_cmbPattern->installEventFilter(this);

    // A picture only: no caption.
    m_cmdPreserveOptions =
        makeCommandButton(actions.optionsAndSettings(), "cmdPreserveOptions", this);
    m_cmdPreserveOptions->setCaption({});
    m_cmdPreserveOptions->setButtonStyle(OwnerDrawnButton::pictureButtonStyle);
    m_cmdPreserveOptions->setPicture(
        style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(16, 16));
    m_cmdPreserveOptions->setAccessibleName("More Options and settings");

    m_optionsIcon = new ClickableImage("Image7", tr("Options menu"),
                                       style()->standardIcon(QStyle::SP_ArrowDown), this);
    connect(m_optionsIcon, &ClickableImage::clicked, &actions,
            [this, &actions] { actions.popUpMenu(m_optionsIcon->menuPosition()); });

    buildLayout();
    // Tab follows the drawing, column by column: the filter above the recall box, then
    // the menu icon and the options button on the right.
    orderTabs({m_chkRelative, m_cmbPattern, m_chkRecall, m_optionsIcon, m_cmdPreserveOptions});
    showState();
}

QCheckBox* CopyOptionsGroup::addCheckBox(const char* name, const QString& caption,
                                         const QString& tip, CheckBox MainState::*box) {
    auto* check = makeControl<QCheckBox>(this, name, caption, tip);
    connect(check, &QCheckBox::toggled, this, [this, box](bool on) {
        if (!m_updating)
            (m_state.*box).checked = on;
    });
    return check;
}

void CopyOptionsGroup::buildLayout() {
    auto* filter = new QVBoxLayout(m_filterFrame);
    filter->addWidget(m_cmbPattern);

    auto* grid = new QGridLayout(this);
    // Rows close together: this column sets how small the window's lower half can be.
    grid->setVerticalSpacing(fontMetrics().height() / 5);
    grid->addWidget(m_optAllCopy, 0, 0);
    grid->addWidget(m_optionsIcon, 0, 1, Qt::AlignRight);
    grid->addWidget(m_optSelectiveCopy, 1, 0, 1, 2);
    auto* conditions = new QVBoxLayout;
    conditions->setContentsMargins(fontMetrics().height(), 0, 0, 0);
    conditions->setSpacing(grid->verticalSpacing());
    conditions->addWidget(m_chkOnlyNewFiles);
    conditions->addWidget(m_chkChangedFiles);
    conditions->addWidget(m_chkPreserveFiles);
    grid->addLayout(conditions, 2, 0, 1, 2);
    grid->addWidget(m_chkSubFolders, 3, 0, 1, 2);
    grid->addWidget(m_chkOnlySubs, 4, 0, 1, 2);
    grid->addWidget(m_chkRelative, 5, 0, 1, 2);
    grid->addWidget(m_filterFrame, 6, 0, 1, 2);
    grid->addWidget(m_chkRecall, 7, 0);
    grid->addWidget(m_cmdPreserveOptions, 7, 1, Qt::AlignRight);
    grid->setRowStretch(8, 1);
}

void CopyOptionsGroup::showState() {
    m_updating = true;
    m_optAllCopy->setChecked(m_state.optAllCopy());
    m_optSelectiveCopy->setChecked(m_state.optSelectiveCopy());
    const std::pair<QCheckBox*, const CheckBox*> boxes[] = {
        {m_chkOnlyNewFiles, &m_state.chkOnlyNewFiles},
        {m_chkChangedFiles, &m_state.chkChangedFiles},
        {m_chkPreserveFiles, &m_state.chkPreserveFiles},
        {m_chkSubFolders, &m_state.chkSubFolders},
        {m_chkOnlySubs, &m_state.chkOnlySubs},
        {m_chkRelative, &m_state.chkRelative},
        {m_chkRecall, &m_state.chkRecall}};
    for (const auto& [control, box] : boxes) {
        control->setChecked(box->checked);
        control->setEnabled(box->enabled);
    }
    m_cmbPattern->clear();
    for (const std::string& item : m_state.cmbPattern.items)
        m_cmbPattern->addItem(QString::fromStdString(item));
    m_cmbPattern->setEditText(QString::fromStdString(m_state.cmbPattern.text));
    m_updating = false;
}

void CopyOptionsGroup::commitPattern() {
    m_state.cmbPattern.text = m_cmbPattern->currentText().toStdString();
    if (addPatternIfNew(m_state.cmbPattern))
        showState();
}

bool CopyOptionsGroup::eventFilter(QObject* watched, QEvent* event) {
    // Its own list opening takes the focus for a moment: the choice made there commits.
    if (event->type() == QEvent::FocusOut && watched == m_cmbPattern &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        commitPattern();
    return QGroupBox::eventFilter(watched, event);
}

} // namespace tidecopy
