#include "update/ui/UpdateWaitWindow.h"

#include "widgets/ControlNaming.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tidecopy {

UpdateWaitWindow::UpdateWaitWindow(QWidget* owner)
    : QDialog(owner) {
    setObjectName("frmUpdateWait");
    setWindowTitle("Checking Website for Updates");
    setAccessibleName(windowTitle());
    setModal(false);
    auto* label = new QLabel("Checking For Updates...Please Wait...", this);
    nameControl(label, "Label1", label->text());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 20, 32, 20);
    layout->addWidget(label, 0, Qt::AlignCenter);
    // Room for the whole title in the frame.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
}

} // namespace tidecopy
