#include "config/ui/OptionsDialog.h"

#include "config/OptionsConfirmation.h"
#include "config/ResetSettings.h"
#include "config/SettingsContext.h"
#include "update/ui/UpdateChecker.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/ProductColor.h"
#include "widgets/button/OwnerDrawnButton.h"
#include "widgets/button/SystemColors.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>

namespace tidecopy {

namespace {

constexpr int profileListRows = 5;
constexpr int itemPadding = 2;
constexpr int colorSampleWidth = 120;
constexpr int customColorCount = 16;

// A text box that takes only what a rule of the core accepts, as the user types.
class RuleValidator : public QValidator {
public:
    RuleValidator(bool (*accepts)(std::string_view), QObject* parent)
        : QValidator(parent)
        , m_accepts(accepts) {}
    State validate(QString& input, int&) const override {
        return m_accepts(input.toStdString()) ? Acceptable : Invalid;
    }

private:
    bool (*m_accepts)(std::string_view);
};

QLabel* makeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAccessibleName(text);
    return label;
}

QRadioButton* addOption(QButtonGroup* options, const char* array, int index, const QString& caption,
                        const QString& tip, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    nameControl(option, elementName(array, index), caption.trimmed());
    option->setToolTip(tip);
    options->addButton(option, index);
    return option;
}

} // namespace

OptionsDialog::OptionsDialog(OptionsDialogServices services, QWidget* owner)
    : QDialog(owner)
    , m_services(std::move(services)) {
    setObjectName("frmPresOptions");
    setWindowTitle("Settings and Options");
    setAccessibleName(windowTitle());
    setModal(true);

    auto* left = new QVBoxLayout;
    left->addWidget(makeChangedFilesGroup());
    auto* small = new QHBoxLayout;
    small->addWidget(
        group("frmFolders", "Folders", {checkBox("chkEmptyFolders", "Include Empty Folders")}));
    small->addWidget(
        group("frmSounds", "Sounds",
              {checkBox("chkNoSoundEffect", "Disable Sounds", "Disable all sound effects")}));
    left->addLayout(small);
    left->addWidget(group("frmIntegrity", "Files Integrity",
                          {checkBox("chkIntegrity", "Check Files Integrity",
                                    "perform files integrity check (simple principle to see if the "
                                    "copied file is correctly copied and integrity is intact)"),
                           checkBox("chkChecksumList", "Keep a checksum list in the destination",
                                    "keeps Tidecopy.sha256 in the destination folder, so that the "
                                    "backup can be verified later (Verify backup, or sha256sum -c)")}));
    left->addWidget(makeColorsGroup());
    left->addWidget(makePreservingGroup());
    left->addWidget(makeShutdownGroup());
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(
        group("frmConfirmation", "Confirmation",
              {checkBox("chkFolderExist", "When Destination Folder Exist",
                        "shows a confirmation dialog when the target folder is already present"),
               checkBox("chkConfirmationBackup", "Before Backup",
                        "Shows a confirmation dialog to inform you before the backup begins")}));
    right->addWidget(makeLogGroup());
    right->addWidget(makeAutomationGroup());
    right->addWidget(group("frmExtra", "Extra",
                           {checkBox("chkCloseProg", "Close Program After Backup",
                                     "Ends the program after a successful backup has finished")}));
    right->addWidget(makeUpdateGroup());
    right->addWidget(makeResetGroup());
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(makeButtons());

    for (const OptionCheckBox& box : optionCheckBoxes)
        Q_ASSERT_X(m_checks.count(box.name) == 1, "OptionsDialog", box.name);
    const OptionSet& options = m_services.settings.options;
    show(dialogValuesOf(options,
                        automaticUpdateCheckOn(m_services.settings.platform.settingsStore)));
    listProfiles(options.AutoProfile);
}

QGroupBox* OptionsDialog::namedFrame(const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption, this);
    nameControl(frame, name, caption);
    return frame;
}

QGroupBox* OptionsDialog::group(const char* name, const QString& caption,
                                std::initializer_list<QWidget*> items) {
    QGroupBox* frame = namedFrame(name, caption);
    auto* layout = new QVBoxLayout(frame);
    for (QWidget* item : items)
        layout->addWidget(item);
    return frame;
}

QWidget* OptionsDialog::row(QWidget* first, QWidget* second, bool firstStretches) {
    auto* line = new QWidget(this);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first, firstStretches ? 1 : 0);
    layout->addWidget(second);
    if (!firstStretches)
        layout->addStretch();
    return line;
}

QCheckBox* OptionsDialog::checkBox(const char* name, const QString& caption, const QString& tip) {
    auto* box = new QCheckBox(caption, this);
    nameControl(box, name, caption.trimmed());
    box->setToolTip(tip);
    m_checks[name] = box;
    return box;
}

QWidget* OptionsDialog::makeChangedFilesGroup() {
    const char* const captions[] = {"Date or Time Changed (Old and New Files)",
                                    "Date or Time Changed (Newer Files)",
                                    "Date or Time Changed (Older Files)"};
    const char* const tips[] = {
        "copy file when the time or date of the file has changed",
        "copy file when the time or date of the file has changed; copy newer files only",
        "copy the file when the time or date of the file has changed; copy older files only"};
    QGroupBox* frame = group("frmChangedFiles", "\"Changed Files\" Condition Is Treated As:", {});
    for (int index = 0; index < 3; ++index) {
        auto* box = new QCheckBox(captions[index], frame);
        nameControl(box, elementName("chkDateFiles", index), captions[index]);
        box->setToolTip(tips[index]);
        // clicked: the mouse, Space and a screen reader's press alike.
        connect(box, &QCheckBox::clicked, this, [this, index] {
            std::array<bool, 3> boxes{};
            for (int other = 0; other < 3; ++other)
                boxes[other] = m_dateFiles[other]->isChecked();
            boxes = afterDateBoxClicked(boxes, index);
            for (int other = 0; other < 3; ++other)
                m_dateFiles[other]->setChecked(boxes[other]);
        });
        m_dateFiles[index] = box;
        frame->layout()->addWidget(box);
    }
    frame->layout()->addWidget(checkBox("chkSizeFiles", "File Size Changed ",
                                        "copy file when the size of file has changed"));
    return frame;
}

QWidget* OptionsDialog::makeColorsGroup() {
    QGroupBox* frame = namedFrame("frmColors", "Colors");
    auto* layout = new QGridLayout(frame);
    const char* const captions[] = {"Home", "Destination"};
    for (int index = 0; index < 2; ++index) {
        auto* button = makeTextButton(elementName("cmdColors", index), captions[index], frame);
        connect(button, &OwnerDrawnButton::Click, this, [this, index] { chooseColor(index); });
        auto* sample = makeLabel("c:\\files c:\\tmp", frame);
        sample->setObjectName(elementName("lblColor", index));
        sample->setAccessibleName(QStringLiteral("%1 color sample").arg(captions[index]));
        sample->setAutoFillBackground(true);
        sample->setMinimumWidth(colorSampleWidth);
        sample->setFrameShape(QFrame::Panel);
        sample->setFrameShadow(QFrame::Sunken);
        m_colorLabels[index] = sample;
        layout->addWidget(button, index, 0);
        layout->addWidget(sample, index, 1);
    }
    auto* reset = new OwnerDrawnButton(frame);
    nameControl(reset, "Image21", "reset colors");
    reset->setButtonStyle(OwnerDrawnButton::pictureButtonStyle);
    reset->setPicture(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(16, 16));
    reset->setToolTip("reset colors");
    connect(reset, &OwnerDrawnButton::Click, this, [this] {
        for (int index = 0; index < 2; ++index)
            showColor(index, systemWindowColor);
    });
    layout->addWidget(reset, 0, 2, 2, 1, Qt::AlignCenter);
    layout->setColumnStretch(1, 1);
    return frame;
}

QWidget* OptionsDialog::makePreservingGroup() {
    QGroupBox* frame = namedFrame("frmPreserving", "Preserving Files");
    auto* layout = new QGridLayout(frame);
    m_preserveNaming = new QButtonGroup(frame);
    layout->addWidget(addOption(m_preserveNaming, "Option1", 0, "Use .bak ",
                                "use .bak as extension when a file exists", frame),
                      0, 0, 1, 2);
    layout->addWidget(addOption(m_preserveNaming, "Option1", 1,
                                "Use the same extension as the file",
                                "Will use the same extension as the existing file", frame),
                      1, 0, 1, 2);
    layout->addWidget(addOption(m_preserveNaming, "Option1", 2, "Specify extension:",
                                "enter any extension to use when a file already exists", frame),
                      2, 0);
    m_extension = new QLineEdit(frame);
    const QString caption =
        "Extension to use when renaming existing files before copying the new one:";
    nameControl(m_extension, "txtExt", caption);
    m_extension->setMaxLength(10);
    m_extension->setValidator(new RuleValidator(isAcceptableExtension, m_extension));
    layout->addWidget(m_extension, 2, 1);
    QLabel* label = makeLabel(caption, frame);
    label->setBuddy(m_extension);
    layout->addWidget(label, 3, 0, 1, 2);
    return frame;
}

QWidget* OptionsDialog::makeShutdownGroup() {
    QGroupBox* frame = namedFrame("frmShutdown", "Shut Down After Backup");
    auto* layout = new QGridLayout(frame);
    m_shutdownMode = new QButtonGroup(frame);
    const char* const captions[] = {"None", "Log Off Computer", "Shutdown Computer",
                                    "Reboot Computer"};
    for (int index = 0; index < 4; ++index)
        layout->addWidget(
            addOption(m_shutdownMode, "optShutdown", index, captions[index], {}, frame), index % 2,
            index / 2);
    return frame;
}

// Controls are made in the order Tab visits them.
QWidget* OptionsDialog::makeLogGroup() {
    QCheckBox* details =
        checkBox("chkLogDetails", "Use Detailed Log", "log every file that will be copied");
    QCheckBox* userActivity =
        checkBox("chkLogUser", "Log User Activity",
                 "this will log all user file related actions (delete, rename, copy...)");
    m_limit = new QLineEdit(this);
    nameControl(m_limit, "txtLimit", "Limit length:");
    m_limit->setToolTip("size of the log in bytes (0 is unlimitted)");
    m_limit->setMaxLength(7);
    m_limit->setValidator(new RuleValidator(isAcceptableLimit, m_limit));
    m_limit->setEnabled(false);
    connect(details, &QCheckBox::toggled, m_limit, &QLineEdit::setEnabled);
    connect(details, &QCheckBox::clicked, this, &OptionsDialog::detailedLogClicked);
    QLabel* label = makeLabel("Limit length:", this);
    label->setWordWrap(false);
    label->setBuddy(m_limit);
    return group(
        "frmLog", "Log",
        {details, userActivity, row(label, m_limit, false),
         checkBox("chkeditLog", "Enable Log For Edit", "allows you to change the log's contents"),
         checkBox("chkLog", "Auto Save Log on Exit", "Saves the log when closing the program")});
}

QWidget* OptionsDialog::makeAutomationGroup() {
    QCheckBox* execute =
        checkBox("chkExecute", "Execute Backup At Start Up",
                 "execute automatically a selected backup profile when the program is started");
    QCheckBox* onlyOnce = checkBox("chkOnlyonce", "One time",
                                   "execute the selected backup profile one time (if disabled the "
                                   "task will be execute every startup)");
    m_profiles = new QListWidget(this);
    nameControl(m_profiles, "File1", "Backup profile to execute");
    // Room for a few profiles; more scroll.
    m_profiles->setFixedHeight((fontMetrics().height() + itemPadding) * profileListRows +
                               2 * m_profiles->frameWidth());
    return group("frmAutomation", "Automation", {execute, onlyOnce, m_profiles});
}

QWidget* OptionsDialog::makeUpdateGroup() {
    m_automaticUpdateCheck = new QCheckBox("Automatically Check For New Version", this);
    nameControl(m_automaticUpdateCheck, "chkVersionupdate", m_automaticUpdateCheck->text());
    m_automaticUpdateCheck->setToolTip(
        "Checks if there is a new version online (internet required)");
    m_buttons[2] = makeTextButton("cmdChecknox", "Check Now", this);
    connect(m_buttons[2], &OwnerDrawnButton::Click, this, &OptionsDialog::checkNow);
    return group("frmUpdate", "Auto Update Notice", {row(m_automaticUpdateCheck, m_buttons[2])});
}

QWidget* OptionsDialog::makeResetGroup() {
    m_buttons[3] = makeTextButton("Command3", "Reset", this);
    m_buttons[3]->setToolTip("reset all settings back to their defaults");
    connect(m_buttons[3], &OwnerDrawnButton::Click, this, &OptionsDialog::resetAllSettings);
    return group("frmReset", "Reset",
                 {row(makeLabel("Restore all settings to their defaults", this), m_buttons[3])});
}

QLayout* OptionsDialog::makeButtons() {
    m_buttons[0] = makeTextButton("Command1", "OK", this);
    m_buttons[1] = makeTextButton("Command2", "Cancel", this);
    m_buttons[0]->setDefault(true);
    m_buttons[1]->setCancel(true);
    connect(m_buttons[0], &OwnerDrawnButton::Click, this, &OptionsDialog::confirm);
    connect(m_buttons[1], &OwnerDrawnButton::Click, this, &OptionsDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_buttons[0]);
    row->addWidget(m_buttons[1]);
    return row;
}

void OptionsDialog::show(const OptionsDialogValues& values) {
    if (QAbstractButton* option = m_preserveNaming->button(values.preserveNaming))
        option->setChecked(true);
    m_extension->setText(QString::fromStdString(values.extension));
    for (const auto& [name, checked] : values.checked)
        if (const auto box = m_checks.find(name); box != m_checks.end())
            box->second->setChecked(checked);
    if (QAbstractButton* option = m_shutdownMode->button(values.shutdownMode))
        option->setChecked(true);
    for (int index = 0; index < 3; ++index)
        m_dateFiles[index]->setChecked(values.dateFiles[index]);
    m_limit->setText(QString::fromStdString(values.limit));
    for (int index = 0; index < 2; ++index)
        showColor(index, values.colors[index]);
    m_automaticUpdateCheck->setChecked(values.automaticUpdateCheck);
}

void OptionsDialog::listProfiles(const std::string& autoProfile) {
    const SettingsContext& settings = m_services.settings;
    const auto profiles = tidecopy::listProfiles(settings.platform.fs,
                                                 settings.platform.environment.profilesFolder());
    if (!profiles) {
        m_services.prompts.message({}, loadErrorText(profiles.error()), PromptButtons::Ok,
                                   PromptIcon::None);
        return;
    }
    for (const std::string& name : *profiles)
        m_profiles->addItem(QString::fromStdString(name));
    if (const int entry = profileEntryFor(*profiles, autoProfile); entry >= 0)
        m_profiles->setCurrentRow(entry);
}

OptionsDialogValues OptionsDialog::values() const {
    OptionsDialogValues values;
    values.preserveNaming = static_cast<std::int16_t>(std::max(m_preserveNaming->checkedId(), 0));
    values.extension = m_extension->text().toStdString();
    for (const auto& [name, box] : m_checks)
        values.checked[name] = box->isChecked();
    for (int index = 0; index < 3; ++index)
        values.dateFiles[index] = m_dateFiles[index]->isChecked();
    values.limit = m_limit->text().toStdString();
    values.shutdownMode = static_cast<std::int16_t>(std::max(m_shutdownMode->checkedId(), 0));
    values.colors = m_colors;
    values.automaticUpdateCheck = m_automaticUpdateCheck->isChecked();
    if (const QListWidgetItem* selected = m_profiles->currentItem();
        selected != nullptr && selected->isSelected())
        values.autoProfile = selected->text().toStdString();
    return values;
}

void OptionsDialog::showColor(int index, std::int32_t color) {
    m_colors[index] = color;
    QPalette palette = m_colorLabels[index]->palette();
    palette.setColor(QPalette::Window, colorOf(color));
    m_colorLabels[index]->setPalette(palette);
}

void OptionsDialog::chooseColor(int index) {
    // The chooser starts from black each time, its custom colours too.
    for (int custom = 0; custom < customColorCount; ++custom)
        QColorDialog::setCustomColor(custom, Qt::black);
    const QColor chosen = QColorDialog::getColor(Qt::black, this);
    if (chosen.isValid())
        showColor(index, static_cast<std::int32_t>(colorValueOf(chosen)));
}

void OptionsDialog::detailedLogClicked(bool checked) {
    if (!checked || m_services.detailedLogNoteShown)
        return;
    m_services.detailedLogNoteShown = true;
    m_services.prompts.message("Info: Detailed Log",
                               "Enabling detailed log can increase the process time when a large "
                               "number of files are copied.\r\n\r\nYou can always limit the size "
                               "of the log anything between 1000...9999999 (0 = unlimitted).",
                               PromptButtons::Ok, PromptIcon::Information);
}

void OptionsDialog::confirm() {
    if (m_checking)
        return;
    if (!ConfirmOptions(m_services.settings, m_services.prompts, values())) {
        m_profiles->setFocus();
        return;
    }
    accept();
}

void OptionsDialog::reject() {
    // The check under way reports to this dialog.
    if (!m_checking)
        QDialog::reject();
}

void OptionsDialog::checkNow() {
    if (m_checking)
        return;
    m_checking = true;
    setButtonsEnabled(false);
    QPointer<OptionsDialog> self(this);
    m_services.updates.checkNow([self](UpdateCheckEnd) {
        if (!self)
            return;
        self->m_checking = false;
        self->setButtonsEnabled(true);
    });
}

void OptionsDialog::setButtonsEnabled(bool enabled) {
    for (OwnerDrawnButton* button : m_buttons)
        button->setEnabledState(enabled);
}

void OptionsDialog::resetAllSettings() {
    Platform& platform = m_services.settings.platform;
    if (ResetAllSettings(m_services.prompts, platform.fs, platform.settingsStore,
                         platform.environment) == ResetOutcome::EndProgramAtOnce)
        m_services.endProgram();
}

} // namespace tidecopy
