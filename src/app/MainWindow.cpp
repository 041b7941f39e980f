#include "app/MainWindow.h"

#include "app/HelpActions.h"
#include "app/QtDisplayFormats.h"
#include "app/RunActions.h"
#include "app/RunArea.h"
#include "config/Automation.h"
#include "config/LoadINI.h"
#include "config/MainWindowClose.h"
#include "config/ui/CopyOptionsGroup.h"
#include "config/ui/HistoryActions.h"
#include "config/ui/OptionsActions.h"
#include "config/ui/ProfileActions.h"
#include "log/ui/LogActions.h"
#include "log/ui/LogPanel.h"
#include "log/ui/LogView.h"
#include "panes/Panes.h"
#include "panes/ui/PaneActions.h"
#include "panes/ui/PaneStatusLabels.h"
#include "panes/ui/PaneWidget.h"
#include "update/ui/UpdateChecker.h"
#include "widgets/ClickableImage.h"
#include "widgets/ProductColor.h"
#include "widgets/jobs/JobRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace tidecopy {

namespace {

// Window positions are kept in twips so settings files stay interchangeable.
constexpr int twipsPerPixel = 15;
constexpr int clockIntervalMs = 1000;

} // namespace

MainWindow::MainWindow(Platform& platform, FrontEnd frontEnd, const std::string& initialFolder,
                       QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_frontEnd(std::move(frontEnd))
    , m_panes(std::make_unique<Panes>(m_platform, m_frontEnd.prompts, m_frontEnd.formats, m_state))
    , m_context{m_platform, m_options, m_state, *this}
    , m_sound(m_platform.sound, m_platform.environment, m_flags) {
    setObjectName("Form1");
    setWindowTitle("Tidecopy");
    setAccessibleName("Tidecopy");
    buildParts();
    layOutParts();
    wireParts();
    for (Pane pane : bothPanes)
        if (m_panes->setFolder(pane, initialFolder))
            m_panes->setFolder(pane, "/");
    adjustSize();
}

MainWindow::~MainWindow() {
    delete m_jobs;
}

// The command handlers of each part, then the parts that show their commands.
void MainWindow::buildParts() {
    m_jobs = new JobRunner(m_frontEnd.prompts, m_log, [this] { m_logPanel->view()->showEnd(); });
    m_runs =
        new RunActions({m_platform, m_frontEnd.pauses, *m_jobs, m_options, m_state, m_flags}, this);
    auto* profiles = new ProfileActions(
        m_context, m_frontEnd.prompts, [this](std::string_view text) { m_log.append(text); }, this);
    m_updates = new UpdateChecker(
        {m_platform.settingsStore, m_platform.fs, m_frontEnd.prompts, m_frontEnd.web},
        productUpdateCheck(m_platform.environment), this);
    auto* help =
        new HelpActions(m_platform, m_frontEnd.prompts, m_frontEnd.web.browser, *m_updates, this);
    auto* paneActions =
        new PaneActions({*m_panes, m_platform, m_frontEnd.prompts, m_options, *m_jobs}, this);
    auto* logActions = new LogActions(this);
    auto* optionsActions = new OptionsActions(this);
    m_history = new HistoryActions(m_state, *m_panes, m_frontEnd.prompts, m_startUp, this);

    for (Pane pane : bothPanes)
        m_paneWidgets[indexOf(pane)] = new PaneWidget(pane, *m_panes, m_state, *paneActions, this);
    m_copyOptions = new CopyOptionsGroup(m_state, m_frontEnd.prompts, *optionsActions, this);
    m_runArea =
        new RunArea({m_runs->backup(), m_runs->preview(), m_runs->cancel(), profiles->open(),
                     profiles->save(), help->about(), help->systemInfo(), help->manual()},
                    this);
    m_logPanel = new LogPanel(m_log, *logActions, this);
    m_status = new PaneStatusLabels(this);
    m_runs->showRunsIn({*this,
                        *m_runArea,
                        {m_runs->backup(), m_runs->preview()},
                        m_runs->cancel(),
                        {profiles->open(), profiles->save()},
                        {m_paneWidgets[0], m_paneWidgets[1], m_copyOptions},
                        *m_panes,
                        *m_status,
                        m_sound});
    paneActions->lockWhileJobsRun(
        JobLock({m_paneWidgets[0], m_paneWidgets[1], m_copyOptions},
                {m_runs->backup(), m_runs->preview(), profiles->open(), profiles->save()},
                m_runs->cancel()));

    connect(profiles, &ProfileActions::aboutToSave, this, [this] {
        m_logPanel->view()->flushEdits();
        rememberWindowPosition();
    });
    connect(profiles, &ProfileActions::opened, this, [this](const QString& label) {
        showState();
        m_runArea->setProfileName(label);
    });
    connect(profiles, &ProfileActions::saved, m_runArea, &RunArea::setProfileName);
}

void MainWindow::layOutParts() {
    auto* image1 = new ClickableImage("Image1", tr("Sound"),
                                      style()->standardIcon(QStyle::SP_MediaVolume), this);
    connect(image1, &ClickableImage::clicked, this, [this] {
        if (m_options.chkNoSoundEffect == 0)
            m_sound.play("s0.wav", SoundWait::Asynchronous);
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
    status->addWidget(m_status, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 3);
    layout->addLayout(lower, 2);
    layout->addLayout(status);
}

void MainWindow::wireParts() {
    m_panes->setListener([this](const PaneChange& change) { onPaneChange(change); });
    for (PaneWidget* widget : m_paneWidgets) {
        connect(widget, &PaneWidget::historyChosen, m_history, &HistoryActions::choose);
        connect(widget, &PaneWidget::historyMenuWanted, m_history, &HistoryActions::popUpMenuOf);
    }
    connect(m_history, &HistoryActions::historiesChanged, this, &MainWindow::showHistories);
    connect(m_runs, &RunActions::aboutToStart, m_logPanel->view(), &LogView::flushEdits);
    connect(m_runs, &RunActions::finished, this, [this] {
        if (!m_closed)
            showState();
        emit runFinished();
    });
    connect(m_runs, &RunActions::closeWanted, this, [this] {
        if (!m_closed)
            close();
    });
    m_clock = new QTimer(this);
    m_clock->setObjectName("Timer1");
    m_clock->setInterval(clockIntervalMs);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::tickClock);
}

void MainWindow::Form_Load() {
    LoadINI(m_context);
    showState();
    m_runArea->clearProgress();
    m_panes->fillStartUpLabels();
    m_startUp = StartUpPhase::Done;
    tickClock();
    m_clock->start();
    show();
    QCoreApplication::processEvents();
    if (LoadAutomationProfile(m_context)) {
        showState();
        m_runs->startAutomation();
    } else {
        m_updates->checkAtStartUp();
    }
}

bool MainWindow::runInProgress() const {
    return m_runs->running();
}

void MainWindow::showState() {
    m_copyOptions->showState();
    showHistories();
}

void MainWindow::showHistories() {
    for (PaneWidget* widget : m_paneWidgets)
        widget->showHistory();
}

void MainWindow::onPaneChange(const PaneChange& change) {
    paneWidget(change.pane)->apply(change.what);
    m_status->apply(change.what, m_panes->labels());
    // A run's own refreshes leave its progress shown.
    if ((change.what & PaneUpdate::ProgressCleared) && !m_runs->running())
        m_runArea->clearProgress();
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
    if (m_runs->deferClose()) {
        event->ignore();
        return;
    }
    if (!m_closed) {
        m_closed = true;
        m_updates->abort();
        m_runs->windowClosed();
        m_clock->stop();
        m_logPanel->view()->flushEdits();
        rememberWindowPosition();
        Form_Unload(m_context, m_log.text());
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
    paneWidget(paneOf(control))->setBackground(control, colorOf(color));
}

std::error_code MainWindow::selectHistoryEntry(Pane pane, int position) {
    paneWidget(pane)->showHistory();
    historyOf(m_state, pane).selected = position;
    return m_history->choose(pane);
}

std::error_code MainWindow::setFolder(Pane pane, const std::string& folder) {
    return m_panes->setFolder(pane, folder);
}

void MainWindow::setDestinationDrive(const std::string& drive) {
    m_panes->chooseDrive(Pane::Destination, drive);
}

} // namespace tidecopy
