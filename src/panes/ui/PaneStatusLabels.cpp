#include "panes/ui/PaneStatusLabels.h"

#include "panes/Panes.h"
#include "widgets/ControlNaming.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tidecopy {

namespace {

QLabel* makeStatusLabel(QWidget* parent, const char* name, const QString& tip) {
    auto* label = new QLabel(parent);
    nameControl(label, QLatin1String(name), tip);
    label->setToolTip(tip);
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

void showText(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    label->setAccessibleDescription(label->text());
}

} // namespace

PaneStatusLabels::PaneStatusLabels(QWidget* parent)
    : QWidget(parent)
    , m_dirSize(makeStatusLabel(this, "lblDirSize", "Folder size"))
    , m_freeSpace(makeStatusLabel(this, "lblFreeSpace", "Drive capacity"))
    , m_fileInfo(makeStatusLabel(this, "lblFileInfo", "File size, date and time")) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dirSize);
    layout->addWidget(m_freeSpace, 1);
    layout->addWidget(m_fileInfo, 2);
}

void PaneStatusLabels::apply(unsigned what, const StatusLabels& labels) {
    if (what & PaneUpdate::DirSize)
        showText(m_dirSize, labels.lblDirSize);
    if (what & PaneUpdate::FreeSpace)
        showText(m_freeSpace, labels.lblFreeSpace);
    if (what & PaneUpdate::FileInfo)
        showText(m_fileInfo, labels.lblFileInfo);
}

void PaneStatusLabels::showFreeSpace(const std::string& text) {
    showText(m_freeSpace, text);
}

} // namespace tidecopy
