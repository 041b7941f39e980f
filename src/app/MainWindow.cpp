#include "app/MainWindow.h"

#include "app/BackupJob.h"
#include "app/ContextMenus.h"
#include "app/QtDisplayFormats.h"
#include "app/RunArea.h"
#include "app/Sound.h"
#include "app/WindowRunHost.h"
#include "config/Automation.h"
#include "config/FolderHistory.h"
#include "config/LoadINI.h"
#include "config/MainWindowClose.h"
#include "config/ProfileCommands.h"
#include "config/ui/CopyOptionsGroup.h"
#include "engine/RunChanges.h"
#include "log/ui/LogPanel.h"
#include "log/ui/LogView.h"
#include "panes/Panes.h"
#include "panes/ui/DriveList.h"
#include "panes/ui/PaneWidget.h"
#include "platform/Shell.h"
#include "widgets/ClickableImage.h"
#include "widgets/ControlNaming.h"
#include "widgets/jobs/JobRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace tidecopy {

namespace {

// Window positions are kept in twips so settings files stay interchangeable.
constexpr int twipsPerPixel = 15;
constexpr int clockIntervalMs = 1000;

QLabel* makeStatusLabel(QWidget* parent, const char* name, const QString& tip) {
    auto* label = new QLabel(parent);
    nameControl(label, QLatin1String(name), tip);
    label->setToolTip(tip);
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

// A colour value: 0x00BBGGRR, or 0x800000nn naming a system colour (the list background).
QColor colorOf(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits & 0x80000000u) != 0)
        return QApplication::palette().color(QPalette::Base);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

} // namespace

MainWindow::MainWindow(MainWindowServices services, const std::string& initialFolder,
                       QWidget* parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_panes(std::make_unique<Panes>(PaneServices{m_services.fs, m_services.volumes,
                                                   m_services.prompts, m_services.shell,
                                                   m_services.formats},
                                      m_state))
    , m_context{m_services.fs, m_services.volumes, m_services.environment, m_options, m_state,
                *this}
    , m_runHost(std::make_unique<WindowRunHost>(*this))
    , m_profiles(std::make_unique<ProfileCommands>(
          m_context, m_services.prompts, m_services.clock,
          [this](std::string_view text) { m_log.append(text); })) {
    setObjectName("Form1");
    setWindowTitle("Tidecopy");
    setAccessibleName("Tidecopy");
    buildWindow();
    wireMenus();
    m_panes->setListener([this](const PaneChange& change) { onPaneChange(change); });
    for (Pane pane : bothPanes)
        if (m_panes->setFolder(pane, initialFolder))
            m_panes->setFolder(pane, "/");
    adjustSize();
}

// The run goes first: its worker may still be waiting for the window.
MainWindow::~MainWindow() {
    delete m_jobs;
}

void MainWindow::buildWindow() {
    for (Pane pane : bothPanes) {
        auto* widget = new PaneWidget(pane, *m_panes, m_state, this);
        m_paneWidgets[static_cast<std::size_t>(indexOf(pane))] = widget;
        connect(widget, &PaneWidget::historyChosen, this, &MainWindow::historyChosen);
        connect(widget, &PaneWidget::presetPressed, this, &MainWindow::presetFolder);
    }
    m_copyOptions = new CopyOptionsGroup(m_state, m_services.prompts, this);
    m_runArea = new RunArea(this);
    connect(m_runArea, &RunArea::manualWanted, this, &MainWindow::openManual);
    connect(m_runArea, &RunArea::backupPressed, this, [this] {
        m_flags.PreviewMode = false;
        startRun(RunKind::Backup);
    });
    connect(m_runArea, &RunArea::previewPressed, this, [this] {
        m_flags.PreviewMode = true;
        startRun(RunKind::Preview);
    });
    connect(m_runArea, &RunArea::cancelPressed, this, &MainWindow::cancelRun);
    connect(m_runArea, &RunArea::openProfilePressed, this, &MainWindow::openProfile);
    connect(m_runArea, &RunArea::saveProfilePressed, this, &MainWindow::saveProfile);
    m_logPanel = new LogPanel(m_log, this);
    m_jobs = new JobRunner(m_services.prompts, m_log, [this] {
        LogView* view = m_logPanel->view();
        view->moveCursor(QTextCursor::End);
        view->ensureCursorVisible();
    });
    m_lblDirSize = makeStatusLabel(this, "lblDirSize", "Folder size");
    m_lblFreeSpace = makeStatusLabel(this, "lblFreeSpace", "Drive capacity");
    m_lblFileInfo = makeStatusLabel(this, "lblFileInfo", "File size, date and time");
    auto* image1 = new ClickableImage("Image1", tr("Sound"),
                                      style()->standardIcon(QStyle::SP_MediaVolume), this);
    connect(image1, &ClickableImage::clicked, this, [this] {
        if (m_options.chkNoSoundEffect == 0)
            PlaySoundFile("s0.wav", SoundWait::Asynchronous);
    });

    auto* panes = new QHBoxLayout;
    panes->addWidget(paneWidget(Pane::Source), 1);
    panes->addWidget(paneWidget(Pane::Destination), 1);
    auto* lower = new QHBoxLayout;
    lower->addWidget(m_copyOptions);
    lower->addWidget(m_runArea);
    lower->addWidget(m_logPanel, 1);
    auto* status = new QHBoxLayout;
    status->addWidget(image1);
    status->addWidget(m_lblDirSize);
    status->addWidget(m_lblFreeSpace, 1);
    status->addWidget(m_lblFileInfo, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 3);
    layout->addLayout(lower, 2);
    layout->addLayout(status);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setInterval(clockIntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &MainWindow::tickClock);
}

void MainWindow::wireMenus() {
    m_historyMenu = makeHistoryMenu(this);
    m_folderMenu = makeFolderMenu(this);
    m_fileMenu = makeFileMenu(this);
    m_driveMenu = makeDriveMenu(this);
    m_logMenu = makeLogMenu(this);
    m_optionsMenu = makeOptionsMenu(this);
    connect(m_historyMenu, &QMenu::triggered, this,
            [this](QAction* action) { onHistoryMenu(action->data().toInt()); });
    for (PaneWidget* widget : m_paneWidgets) {
        connect(widget, &PaneWidget::historyMenuWanted, this, [this](Pane pane, const QPoint& at) {
            prepareHistoryMenu(pane);
            m_historyMenu->popup(at);
        });
        connect(widget, &PaneWidget::folderMenuWanted, this, [this](Pane, const QPoint& at) {
            // Paste (27) is shown only while a file is marked by the file menu's Copy.
            menuItem(m_folderMenu, 27)->setVisible(false);
            m_folderMenu->popup(at);
        });
        connect(widget, &PaneWidget::fileMenuWanted, this,
                [this](Pane, const QPoint& at) { m_fileMenu->popup(at); });
        connect(widget, &PaneWidget::driveMenuWanted, this,
                [this](Pane, const QPoint& at) { m_driveMenu->popup(at); });
    }
    connect(m_logPanel, &LogPanel::logMenuWanted, this,
            [this](const QPoint& at) { m_logMenu->popup(at); });
    connect(m_copyOptions, &CopyOptionsGroup::optionsMenuWanted, this,
            [this](const QPoint& at) { m_optionsMenu->popup(at); });
}

void MainWindow::Form_Load() {
    LoadINI(m_context);
    showLoadedSettings();
    m_runArea->clearProgress();
    m_panes->fillStartUpLabels();
    m_startUp = StartUpPhase::Done;
    tickClock();
    m_timer1->start();
    show();
    QCoreApplication::processEvents();
    if (LoadAutomationProfile(m_context)) {
        showLoadedSettings();
        m_automationRunning = true;
        startRun(RunKind::Backup);
    }
}

void MainWindow::showLoadedSettings() {
    m_copyOptions->showState();
    showHistories();
}

void MainWindow::startRun(RunKind kind) {
    // A second press can come before the run has disabled the buttons.
    if (m_jobs->running() || m_closed)
        return;
    m_logPanel->view()->flushEdits();
    auto job = std::make_unique<BackupJob>(
        BackupJobServices{m_services.fs, m_services.volumes, m_services.power, m_services.clock,
                          m_services.environment},
        *m_runHost, m_services.pauses,
        BackupStart{kind, m_options, m_state, m_flags.PreviewMode, m_flags.CountdownCancelled});
    BackupJob* backup = job.get();
    if (m_jobs->start<BackupJob>(std::move(job), [this](BackupJob& ended) { runEnded(ended); }))
        m_backup = backup;
}

bool MainWindow::runInProgress() const {
    return m_jobs->running();
}

void MainWindow::cancelRun() {
    m_jobs->cancel();
    m_runArea->setBackupAndPreviewEnabled(true);
    m_runArea->setAnimationRunning(false);
}

void MainWindow::runEnded(const BackupJob& ended) {
    m_backup = nullptr;
    takeRunChanges(ended.outcome().changes,
                   std::exchange(m_automationRunning, false) ? RunStarter::Automation
                                                             : RunStarter::User,
                   m_state, m_options);
    m_flags.PreviewMode = ended.flags().PreviewMode;
    m_flags.CountdownCancelled = ended.flags().CountdownCancelled;
    if (!m_closed)
        showLoadedSettings();
    emit runFinished();
    if (m_closeAfterRun && !m_closed)
        close();
}

void MainWindow::refreshPaneForRun(Pane pane) {
    m_refreshingForRun = true;
    m_panes->refreshFolder(pane);
    m_refreshingForRun = false;
}

void MainWindow::closeProgramFromRun() {
    takeRunChanges(m_backup->changesSoFar(),
                   m_automationRunning ? RunStarter::Automation : RunStarter::User, m_state,
                   m_options);
    m_closingFromRun = true;
    close();
}

void MainWindow::PlaySoundFile(const std::string& fileName, SoundWait wait) {
    if (m_flags.PreviewMode)
        return;
    const std::string path =
        PathStyle::native().join(m_services.environment.resourceFolder, fileName);
    if (wait == SoundWait::Asynchronous) {
        m_services.sound.play(path, {});
        return;
    }
    auto ended = std::make_shared<bool>(false);
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    m_services.sound.play(path, [ended, waiting] {
        *ended = true;
        if (waiting)
            waiting->quit();
    });
    if (!*ended)
        loop.exec();
}

void MainWindow::openProfile() {
    if (const std::optional<std::string> name = m_profiles->openProfile()) {
        showLoadedSettings();
        m_runArea->setProfileName(QString::fromStdString(*name));
    }
}

void MainWindow::saveProfile() {
    m_logPanel->view()->flushEdits();
    rememberWindowPosition();
    if (const std::optional<std::string> name = m_profiles->saveProfile())
        m_runArea->setProfileName(QString::fromStdString(*name));
}

void MainWindow::onPaneChange(const PaneChange& change) {
    paneWidget(change.pane)->apply(change.what);
    const StatusLabels& labels = m_panes->labels();
    const std::pair<unsigned, std::pair<QLabel*, const std::string*>> shared[] = {
        {PaneUpdate::DirSize, {m_lblDirSize, &labels.lblDirSize}},
        {PaneUpdate::FreeSpace, {m_lblFreeSpace, &labels.lblFreeSpace}},
        {PaneUpdate::FileInfo, {m_lblFileInfo, &labels.lblFileInfo}}};
    for (const auto& [bit, target] : shared) {
        if ((change.what & bit) == 0)
            continue;
        target.first->setText(QString::fromStdString(*target.second));
        target.first->setAccessibleDescription(target.first->text());
    }
    if ((change.what & PaneUpdate::ProgressCleared) && !m_refreshingForRun)
        m_runArea->clearProgress();
}

void MainWindow::showHistories() {
    for (PaneWidget* widget : m_paneWidgets)
        widget->showHistory();
}

void MainWindow::historyChosen(Pane pane) {
    m_activeHistory = pane;
    chooseHistoryEntry(*m_panes, m_state, m_services.prompts, pane, m_startUp);
}

void MainWindow::AddToHistory() {
    tidecopy::AddToHistory(m_state);
    showHistories();
}

void MainWindow::presetFolder(int index) {
    choosePresetFolder(*m_panes, index, m_services.userFolders);
}

void MainWindow::prepareHistoryMenu(Pane pane) {
    menuItem(m_historyMenu, 20)->setEnabled(canRemoveSelectedEntry(historyOf(m_state, pane)));
    m_activeHistory = pane;
}

void MainWindow::onHistoryMenu(int number) {
    if (number == 10)
        clearHistory(m_state, m_activeHistory);
    else if (number == 20)
        removeSelectedHistoryEntry(m_state, m_activeHistory);
    showHistories();
}

void MainWindow::openManual() {
    // A missing manual or viewer is not reported.
    m_services.shell.openDocument(
        PathStyle::native().join(m_services.environment.resourceFolder, "Manual.pdf"));
}

void MainWindow::tickClock() {
    m_runArea->setClockText(timeWithSeconds(QTime::currentTime()));
}

void MainWindow::rememberWindowPosition() {
    m_state.window.minimised = isMinimized();
    m_state.window.left = x() * twipsPerPixel;
    m_state.window.top = y() * twipsPerPixel;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closed while a run goes on: the run is cancelled and the window closes when it
    // has ended, so the settings file gets what the run leaves.
    if (m_jobs->running() && !m_closingFromRun) {
        m_closeAfterRun = true;
        cancelRun();
        event->ignore();
        return;
    }
    if (!m_closed) {
        m_closed = true;
        m_timer1->stop();
        m_logPanel->view()->flushEdits();
        rememberWindowPosition();
        Form_Unload(m_context, m_services.clock, m_log.text());
    }
    event->accept();
}

void MainWindow::setLogMaxLength(std::int32_t length) {
    m_log.setMaxLength(static_cast<std::size_t>(std::max(length, 0)));
}

void MainWindow::unlockLog() {
    m_logPanel->view()->setReadOnly(false);
}

TwipsSize MainWindow::screenSize() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableGeometry().size() : QSize();
    return {size.width() * twipsPerPixel, size.height() * twipsPerPixel};
}

TwipsSize MainWindow::windowSize() {
    const QSize size = frameGeometry().size();
    return {size.width() * twipsPerPixel, size.height() * twipsPerPixel};
}

void MainWindow::moveWindow(std::int32_t left, std::int32_t top) {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
    // A window larger than the screen keeps its title bar on it rather than centred.
    move(origin + QPoint(std::max(left / twipsPerPixel, 0), std::max(top / twipsPerPixel, 0)));
}

void MainWindow::setBackgroundColor(PaneControl control, std::int32_t color) {
    const bool source = control == PaneControl::cmbSourceHistory ||
                        control == PaneControl::Drive1 || control == PaneControl::Dir1 ||
                        control == PaneControl::File1;
    PaneWidget* widget = paneWidget(source ? Pane::Source : Pane::Destination);
    QWidget* target = nullptr;
    switch (control) {
    case PaneControl::cmbSourceHistory:
    case PaneControl::cmbTargetHistory:
        target = widget->history();
        break;
    case PaneControl::Drive1:
    case PaneControl::Drive2:
        target = widget->driveList();
        break;
    case PaneControl::Dir1:
    case PaneControl::Dir2:
        target = widget->folderList();
        break;
    case PaneControl::File1:
    case PaneControl::File2:
        target = widget->fileList();
        break;
    }
    widget->setListBackground(target, colorOf(color));
}

std::error_code MainWindow::selectHistoryEntry(Pane pane, int position) {
    paneWidget(pane)->showHistory();
    historyOf(m_state, pane).selected = position;
    m_activeHistory = pane;
    return chooseHistoryEntry(*m_panes, m_state, m_services.prompts, pane, m_startUp);
}

std::error_code MainWindow::setFolder(Pane pane, const std::string& folder) {
    return m_panes->setFolder(pane, folder);
}

void MainWindow::setDestinationDrive(const std::string& drive) {
    m_panes->chooseDrive(Pane::Destination, drive);
}

} // namespace tidecopy
