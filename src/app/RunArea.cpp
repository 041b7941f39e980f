#include "app/RunArea.h"

#include "app/AnimationFrames.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/ElidedLabel.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>

namespace tidecopy {

namespace {

// The animation's frame interval while a run prepares.
constexpr int animationIntervalMs = 300;
constexpr int animationSize = 16;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& purpose,
                  const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    nameLabel(label, name, purpose);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A text of the run that changes as it goes: it wraps within the width the buttons give
// and always takes two lines, so nothing around it moves while a run goes on.
QLabel* makeRunText(QWidget* parent, const QString& name, const QString& purpose) {
    QLabel* label = makeLabel(parent, name, purpose);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setFixedHeight(2 * label->fontMetrics().lineSpacing());
    return label;
}

} // namespace

RunArea::RunArea(const RunAreaCommands& commands, QWidget* parent)
    : QWidget(parent)
    , m_imgani1(imgani1Frames(animationSize, palette())) {
    setObjectName("RunArea");
    m_lblPercent = makeRunText(this, "lblPercent", tr("Progress"));
    m_picPercent = new QFrame(this);
    nameControl(m_picPercent, "picPercent", tr("Progress bar"));
    m_picPercent->setFrameShape(QFrame::StyledPanel);
    m_picPercent->setFixedHeight(fontMetrics().height());
    m_imgPercent = new QFrame(m_picPercent);
    nameControl(m_imgPercent, "imgPercent", tr("Progress"));
    m_imgPercent->setAutoFillBackground(true);
    m_imgPercent->setBackgroundRole(QPalette::Highlight);
    m_imgPercent->setGeometry(0, 0, 0, m_picPercent->height());
    m_picPercent->installEventFilter(this);
    m_lblView1 = makeRunText(this, "lblView1", tr("Run state"));
    m_imgView1 = new QLabel(this);
    nameControl(m_imgView1, "imgView1", tr("Run animation"));
    m_imgView1->setFixedSize(animationSize, animationSize);
    QSizePolicy keepsItsPlace = m_imgView1->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    m_imgView1->setSizePolicy(keepsItsPlace);
    m_imgView1->hide();
    m_tmrAni1 = new QTimer(this);
    m_tmrAni1->setObjectName("tmrAni1");
    m_tmrAni1->setInterval(animationIntervalMs);
    connect(m_tmrAni1, &QTimer::timeout, this, &RunArea::showNextFrame);
    // A profile's name may be long: it is cut short rather than widen the window.
    m_lblProfile = new ElidedLabel(this);
    nameLabel(m_lblProfile, "lblProfile", tr("Profile"));
    m_lblProfile->setText("Default");
    m_lblclock = makeLabel(this, "lblclock", tr("Clock"), "00:00:00");
    layOut(commands);
}

void RunArea::layOut(const RunAreaCommands& commands) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(makeCommandButton(commands.preview, "cmdPreview", this), 0, 0);
    grid->addWidget(makeCommandButton(commands.backup, "cmdBackItUp", this), 0, 1);
    // Cancel alone acts on a completed click.
    grid->addWidget(makeCommandButton(commands.cancel, "cmdCancel", this, ButtonTrigger::Click), 0,
                    2);
    grid->addWidget(m_imgView1, 1, 0, Qt::AlignTop);
    grid->addWidget(m_lblView1, 1, 1, 1, 2);
    grid->addWidget(m_lblPercent, 2, 0, 1, 3);
    grid->addWidget(m_picPercent, 3, 0, 1, 3);
    grid->addWidget(makeCommandButton(commands.openProfile, elementName("cmdSaveOpen", 0), this), 4,
                    0);
    grid->addWidget(makeCommandButton(commands.saveProfile, elementName("cmdSaveOpen", 1), this), 4,
                    1);
    grid->addWidget(m_lblProfile, 4, 2);
    grid->addWidget(makeCommandButton(commands.about, "cmdAbout", this), 5, 0);
    grid->addWidget(makeCommandButton(commands.systemInfo, "cmdSysInfo", this), 5, 1);
    grid->addWidget(makeCommandButton(commands.manual, "cmdHelp", this), 5, 2);
    grid->addWidget(m_lblclock, 6, 2, Qt::AlignRight);
    grid->setRowStretch(7, 1);
}

void RunArea::clearProgress() {
    m_lblPercent->clear();
    m_progressValue = 0;
    showProgress();
}

void RunArea::setProgressScale(long long scale) {
    m_progressScale = scale;
    showProgress();
}

void RunArea::setProgressValue(long long value) {
    m_progressValue = value;
    showProgress();
}

void RunArea::showProgress() {
    const long long width =
        m_progressScale > 0 ? std::min(m_picPercent->width() * m_progressValue / m_progressScale,
                                       static_cast<long long>(m_picPercent->width()))
                            : 0;
    m_imgPercent->resize(static_cast<int>(width), m_picPercent->height());
}

bool RunArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picPercent && event->type() == QEvent::Resize)
        showProgress();
    return QWidget::eventFilter(watched, event);
}

void RunArea::setProgressText(const QString& text) {
    m_lblPercent->setText(text);
}

void RunArea::setViewCaption(const QString& text) {
    m_lblView1->setText(text);
}

void RunArea::setProfileName(const QString& text) {
    m_lblProfile->setText(text);
}

void RunArea::setAnimationRunning(bool running) {
    if (running) {
        m_tmrAni1->start();
        return;
    }
    m_tmrAni1->stop();
    m_imgView1->hide();
}

void RunArea::showNextFrame() {
    if (m_imgView1->isHidden())
        m_imgView1->show();
    m_imgView1->setPixmap(m_imgani1[m_frame]);
    m_frame = (m_frame + 1) % m_imgani1.size();
}

void RunArea::setClockText(const QString& text) {
    m_lblclock->setText(text);
}

} // namespace tidecopy
