#pragma once

#include <QGroupBox>
#include <array>

namespace tidecopy {

class ActivityLog;
class ClickableImage;
class LogView;
class OwnerDrawnButton;

// The log frame frmLog: the log view txtLog, the log command buttons cmdLogoption(0..4)
// and the log menu icon Image11. The commands come with their own issue.
class LogPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit LogPanel(ActivityLog& log, QWidget* parent = nullptr);

    LogView* view() const { return m_view; }

signals:
    void logMenuWanted(const QPoint& at);

private:
    LogView* m_view;
    ClickableImage* m_menuIcon;
    std::array<OwnerDrawnButton*, 5> m_commands{};
};

} // namespace tidecopy
