#include "app/RunArea.h"

#include "app/ControlNaming.h"
#include "widgets/button/qdButtons_H.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>

namespace tidecopy {

namespace {

// The animation's frame interval while a run prepares.
constexpr int animationIntervalMs = 300;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& spoken,
                  const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    nameControl(label, name, spoken);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

qdButtons_H* RunArea::makeButton(const QString& name, const QString& caption, bool enabled) {
    auto* button = new qdButtons_H(this);
    button->setObjectName(name);
    button->setCaption(caption);
    button->setEnabledState(enabled);
    return button;
}

RunArea::RunArea(QWidget* parent)
    : QWidget(parent) {
    setObjectName("RunArea");
    m_cmdBackItUp = makeButton("cmdBackItUp", "Copy The Files", false);
    m_cmdPreview = makeButton("cmdPreview", "Preview", false);
    m_cmdCancel = makeButton("cmdCancel", "Cancel", false);
    m_cmdOpenProfile = makeButton(elementName("cmdSaveOpen", 0), "Open", false);
    m_cmdOpenProfile->setToolTip("Open Backup/Restore Profiles");
    m_cmdSaveProfile = makeButton(elementName("cmdSaveOpen", 1), "Save", false);
    m_cmdSaveProfile->setToolTip("save a profile using the current settings and folders");
    m_cmdAbout = makeButton("cmdAbout", "About", false);
    m_cmdSysInfo = makeButton("cmdSysInfo", "System Info", false);
    m_cmdHelp = makeButton("cmdHelp", "Manual", true);
    connect(m_cmdHelp, &qdButtons_H::MouseDown, this, &RunArea::manualWanted);
    connect(m_cmdHelp, &qdButtons_H::Click, this, [this] {
        if (m_cmdHelp->clickCameFromKeyboard())
            emit manualWanted();
    });

    m_lblPercent = makeLabel(this, "lblPercent", tr("Progress"));
    m_picPercent = new QFrame(this);
    nameControl(m_picPercent, "picPercent", tr("Progress bar"));
    m_picPercent->setFrameShape(QFrame::StyledPanel);
    m_picPercent->setFixedHeight(fontMetrics().height());
    m_imgPercent = new QFrame(m_picPercent);
    nameControl(m_imgPercent, "imgPercent", tr("Progress"));
    m_imgPercent->setAutoFillBackground(true);
    m_imgPercent->setBackgroundRole(QPalette::Highlight);
    m_imgPercent->setGeometry(0, 0, 0, m_picPercent->height());
    m_lblView1 = makeLabel(this, "lblView1", tr("Run state"));
    m_imgView1 = makeLabel(this, "imgView1", tr("Run animation"));
    m_imgView1->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(16, 16));
    m_imgView1->hide();
    m_tmrAni1 = new QTimer(this);
    m_tmrAni1->setObjectName("tmrAni1");
    m_tmrAni1->setInterval(animationIntervalMs);
    m_lblProfile = makeLabel(this, "lblProfile", tr("Profile"), "Default");
    m_lblclock = makeLabel(this, "lblclock", tr("Clock"), "00:00:00");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_cmdPreview, 0, 0);
    grid->addWidget(m_cmdBackItUp, 0, 1);
    grid->addWidget(m_cmdCancel, 0, 2);
    grid->addWidget(m_imgView1, 1, 0);
    grid->addWidget(m_lblView1, 1, 1, 1, 2);
    grid->addWidget(m_lblPercent, 2, 0, 1, 3);
    grid->addWidget(m_picPercent, 3, 0, 1, 3);
    grid->addWidget(m_cmdOpenProfile, 4, 0);
    grid->addWidget(m_cmdSaveProfile, 4, 1);
    grid->addWidget(m_lblProfile, 4, 2);
    grid->addWidget(m_cmdAbout, 5, 0);
    grid->addWidget(m_cmdSysInfo, 5, 1);
    grid->addWidget(m_cmdHelp, 5, 2);
    grid->addWidget(m_lblclock, 6, 2, Qt::AlignRight);
    grid->setRowStretch(7, 1);
}

void RunArea::clearProgress() {
    m_lblPercent->clear();
    m_imgPercent->resize(0, m_picPercent->height());
}

void RunArea::setProgress(long long value, long long scale) {
    const int width = scale > 0 ? static_cast<int>(m_picPercent->width() * value / scale) : 0;
    m_imgPercent->resize(width, m_picPercent->height());
}

void RunArea::setClockText(const QString& text) {
    m_lblclock->setText(text);
    m_lblclock->setAccessibleDescription(text);
}

} // namespace tidecopy
