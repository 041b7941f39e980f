#include "engine/ui/CountdownDialog.h"

#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace tidecopy {

namespace {
constexpr int tickMs = 1000;
constexpr int countdownTicks = 9;
} // namespace

CountdownDialog::CountdownDialog(QWidget* owner)
    : QDialog(owner)
    , m_message(new QLabel("Press Stop to cancel the Automation Process...", this))
    , m_secondsLeft(new QLabel("Process will continue in seconds", this))
    , m_stop(new OwnerDrawnButton(this))
    , m_timer(new QTimer(this)) {
    setObjectName("frmMessage");
    setWindowTitle("Tidecopy");
    setAccessibleName(tr("Automation countdown"));
    setModal(true);
    nameLabel(m_message, "Label1", tr("Countdown message"));
    nameLabel(m_secondsLeft, "Label2", tr("Seconds left"));
    m_stop->setObjectName("qdButtons_H1");
    m_stop->setAccessibleName(tr("Stop"));
    m_stop->setCaption("Stop");
    m_stop->setButtonStyle(OwnerDrawnButton::textButtonStyle);
    // Enter and Escape stop it too, wherever the focus is.
    m_stop->setDefault(true);
    m_stop->setCancel(true);
    m_timer->setObjectName("Timer1");
    m_timer->setInterval(tickMs);
    connect(m_timer, &QTimer::timeout, this, &CountdownDialog::tick);
    connect(m_stop, &OwnerDrawnButton::Pressed, this, &CountdownDialog::stop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_secondsLeft);
    layout->addWidget(m_stop, 0, Qt::AlignHCenter);
}

bool CountdownDialog::countdownStopped() {
    m_ticks = 0;
    m_stopped = false;
    m_timer->start();
    exec();
    m_timer->stop();
    return m_stopped;
}

void CountdownDialog::tick() {
    ++m_ticks;
    const QString text =
        QStringLiteral("Process will continue in %1 seconds...").arg(countdownTicks - m_ticks);
    m_secondsLeft->setText(text);
    if (m_ticks >= countdownTicks)
        accept();
}

void CountdownDialog::stop() {
    m_stopped = true;
    done(QDialog::Rejected);
}

void CountdownDialog::reject() {
    stop();
}

} // namespace tidecopy
