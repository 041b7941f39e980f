#include "app/MainWindow.h"

#include "app/HelpActions.h"
#include "app/QtDisplayFormats.h"
#include "app/RunActions.h"
#include "app/RunArea.h"
#include "app/WindowPlacement.h"
#include "config/Automation.h"
#include "config/LoadINI.h"
#include "config/MainWindowClose.h"
#include "config/ui/CopyOptionsGroup.h"
#include "config/ui/HistoryActions.h"
#include "config/ui/OptionsActions.h"
#include "config/ui/ProfileActions.h"
#include "log/LogOptions.h"
#include "log/ui/LogActions.h"
#include "log/ui/LogExpansion.h"
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

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace tidecopy {

namespace {

// Window positions are kept in twips so settings files stay interchangeable.
constexpr int twipsPerPixel = 15;
constexpr int clockIntervalMs = 1000;

// Stored window positions count from the top left corner of the primary screen's area.
QPoint positionOrigin() {
    return currentScreenAreas().primary.topLeft();
}

} // namespace

MainWindow::MainWindow(Platform& platform, FrontEnd frontEnd, const std::string& initialFolder,
                       QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_frontEnd(std::move(frontEnd))
    , m_panes(std::make_unique<Panes>(m_platform, m_frontEnd.prompts, m_state))
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
    // The size its parts ask for, as far as the screen allows.
    place(pos(), m_parts->widget()->sizeHint());
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
    auto* paneActions = new PaneActions(
        {*m_panes, m_platform, m_frontEnd.prompts, m_options, *m_jobs, m_frontEnd.disks}, this);
    auto* logActions = new LogActions({m_log, m_frontEnd.prompts, m_platform.fs, m_platform.clock,
                                       m_platform.environment, m_frontEnd.printer},
                                      m_runs->verifyBackup(), this);
    auto* optionsActions =
        new OptionsActions(m_context, m_frontEnd.prompts, *m_updates, m_frontEnd.endProgram, this);
    connect(optionsActions, &OptionsActions::dialogClosed, this, &MainWindow::applyLogOptions);
    m_history = new HistoryActions(m_state, *m_panes, m_frontEnd.prompts, m_startUp, this);

    for (Pane pane : bothPanes)
        m_paneWidgets[indexOf(pane)] = new PaneWidget(pane, *m_panes, m_state, *paneActions, this);
    m_copyOptions = new CopyOptionsGroup(m_state, m_frontEnd.prompts, *optionsActions, this);
    m_runArea =
        new RunArea({m_runs->backup(), m_runs->preview(), m_runs->cancel(), profiles->open(),
                     profiles->save(), help->about(), help->systemInfo(), help->manual()},
                    this);
    m_logPanel = new LogPanel(m_log, *logActions, this);
    logActions->showIn(*m_logPanel);
    auto* expansion = new LogExpansion(
        *m_logPanel, {m_paneWidgets[0], m_paneWidgets[1], m_copyOptions, m_runArea}, this);
    connect(logActions->expand(), &QAction::triggered, expansion, &LogExpansion::toggle);
    m_status = new PaneStatusLabels(this);
    m_runs->showRunsIn({*this,
                        *m_runArea,
                        {m_runs->backup(), m_runs->preview(), m_runs->verifyBackup()},
                        m_runs->cancel(),
                        {profiles->open(), profiles->save()},
                        {m_paneWidgets[0], m_paneWidgets[1], m_copyOptions},
                        *m_panes,
                        *m_status,
                        m_sound});
    paneActions->lockWhileJobsRun(
        JobLock({m_paneWidgets[0], m_paneWidgets[1], m_copyOptions},
                {m_runs->backup(), m_runs->preview(), m_runs->verifyBackup(), profiles->open(),
                 profiles->save()},
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
    auto* content = new QWidget;
    content->setObjectName("Parts");
    auto* layout = new QVBoxLayout(content);
    // The panes' lists are the first to get height a larger window has to give.
    layout->addLayout(panes, 2);
    layout->addLayout(lower, 1);
    layout->addLayout(status);

    // On a screen smaller than the parts need (a small one, or a large scale factor),
    // they scroll rather than leave the screen.
    m_parts = new QScrollArea(this);
    m_parts->setFrameShape(QFrame::NoFrame);
    m_parts->setFocusPolicy(Qt::NoFocus);
    m_parts->setWidgetResizable(true);
    m_parts->setWidget(content);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(m_parts);
}

void MainWindow::place(const QPoint& at, const QSize& wanted) {
    const QSize extra = frameExtra();
    const Placement placement = placedOnScreen(QRect(at, wanted + extra), currentScreenAreas());
    setMinimumSize(m_parts->widget()->minimumSizeHint().boundedTo(placement.area.size() - extra));
    resize(placement.frame.size() - extra);
    move(placement.frame.topLeft());
}

QSize MainWindow::frameExtra() const {
    const QSize known = frameGeometry().size() - size();
    if (!known.isNull())
        return known;
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return {2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
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
    // A screen smaller than the parts need gets all of it.
    if (minimumSize() != m_parts->widget()->minimumSizeHint())
        showMaximized();
    else
        show();
    QCoreApplication::processEvents();
    // Again with the frame the window has got, and whenever the window changes screens.
    const auto keepOnScreen = [this] {
        if (!isMaximized())
            place(pos(), size());
    };
    keepOnScreen();
    connect(windowHandle(), &QWindow::screenChanged, this, keepOnScreen);
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

void MainWindow::applyLogOptions() {
    m_logPanel->view()->setReadOnly(logIsReadOnly(m_options.chkeditLog != 0));
    m_log.setMaxLength(logMaxLengthFor(m_options.LogLimit));
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
    const QPoint position = pos() - positionOrigin();
    m_state.window.left = position.x() * twipsPerPixel;
    m_state.window.top = position.y() * twipsPerPixel;
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
    const QSize size = currentScreenAreas().primary.size();
    return {size.width() * twipsPerPixel, size.height() * twipsPerPixel};
}

TwipsSize MainWindow::windowSize() {
    const QSize size = frameGeometry().size();
    return {size.width() * twipsPerPixel, size.height() * twipsPerPixel};
}

void MainWindow::moveWindow(std::int32_t left, std::int32_t top) {
    // A position a screen no longer there was showing, or one that puts part of the window
    // off its screen, comes back onto a screen.
    place(positionOrigin() + QPoint(left / twipsPerPixel, top / twipsPerPixel), size());
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
