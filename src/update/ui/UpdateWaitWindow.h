#pragma once

#include <QDialog>

namespace tidecopy {

// frmUpdateWait: shown without blocking over its owner, the main window, while the
// start-up check waits for the web site.
class UpdateWaitWindow : public QDialog {
    Q_OBJECT
public:
    explicit UpdateWaitWindow(QWidget* owner);
};

} // namespace tidecopy
