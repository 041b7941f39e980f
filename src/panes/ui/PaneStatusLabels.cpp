#include "panes/ui/PaneStatusLabels.h"

#include "panes/Panes.h"
#include "widgets/ControlNaming.h"
#include "widgets/ElidedLabel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tidecopy {

namespace {

// Long mount points and file names are cut short rather than widen the window.
QLabel* makeStatusLabel(QWidget* parent, const char* name, const QString& tip) {
    auto* label = new ElidedLabel(parent);
    nameLabel(label, QLatin1String(name), tip);
    label->setToolTip(tip);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

void showText(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}

} // namespace

PaneStatusLabels::PaneStatusLabels(QWidget* parent)
    : QWidget(parent)
    , m_dirSize(makeStatusLabel(this, "lblDirSize", "Folder size"))
    , m_freeSpace(makeStatusLabel(this, "lblFreeSpace", "Drive capacity"))
    , m_fileInfo(makeStatusLabel(this, "lblFileInfo", "File size, date and time")) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The labels share the row in these parts, whatever their texts.
    layout->addWidget(m_dirSize, 1);
    layout->addWidget(m_freeSpace, 3);
    layout->addWidget(m_fileInfo, 4);
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
