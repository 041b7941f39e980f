#include "engine/ui/frmMessage.h"

#include "widgets/ControlNaming.h"
#include "widgets/button/qdButtons_H.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace tidecopy {

namespace {
constexpr int tickMs = 1000;
constexpr int countdownTicks = 9;
} // namespace

frmMessage::frmMessage(QWidget* owner)
    : QDialog(owner)
    , m_Label1(new QLabel("Press Stop to cancel the Automation Process...", this))
    , m_Label2(new QLabel("Process will continue in seconds", this))
    , m_qdButtons_H1(new qdButtons_H(this))
    , m_Timer1(new QTimer(this)) {
    setObjectName("frmMessage");
    setWindowTitle("Tidecopy");
    setAccessibleName(tr("Automation countdown"));
    setModal(true);
    nameControl(m_Label1, "Label1", tr("Countdown message"));
    nameControl(m_Label2, "Label2", tr("Seconds left"));
    m_qdButtons_H1->setObjectName("qdButtons_H1");
    m_qdButtons_H1->setAccessibleName(tr("Stop"));
    m_qdButtons_H1->setCaption("Stop");
    m_Timer1->setObjectName("Timer1");
    m_Timer1->setInterval(tickMs);
    connect(m_Timer1, &QTimer::timeout, this, &frmMessage::Timer1_Timer);
    connect(m_qdButtons_H1, &qdButtons_H::Pressed, this, &frmMessage::stop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Label1);
    layout->addWidget(m_Label2);
    layout->addWidget(m_qdButtons_H1, 0, Qt::AlignHCenter);
}

bool frmMessage::countdownStopped() {
    m_n = 0;
    m_stopped = false;
    m_Timer1->start();
    exec();
    m_Timer1->stop();
    return m_stopped;
}

void frmMessage::Timer1_Timer() {
    ++m_n;
    const QString text =
        QStringLiteral("Process will continue in %1 seconds...").arg(countdownTicks - m_n);
    m_Label2->setText(text);
    m_Label2->setAccessibleDescription(text);
    if (m_n >= countdownTicks)
        accept();
}

void frmMessage::stop() {
    m_stopped = true;
    done(QDialog::Rejected);
}

void frmMessage::reject() {
    stop();
}

} // namespace tidecopy
