#pragma once

#include <QGroupBox>

namespace tidecopy {

class ActivityLog;
class LogActions;
class LogView;

// The log frame frmLog: the log view txtLog, the buttons of the log commands
// cmdLogoption(0..4) and the log menu icon Image11.
class LogPanel : public QGroupBox {
    Q_OBJECT
public:
    LogPanel(ActivityLog& log, LogActions& actions, QWidget* parent = nullptr);

    LogView* view() const { return m_view; }

private:
    LogView* m_view;
};

} // namespace tidecopy
