#pragma once

#include <QGroupBox>

namespace tidecopy {

class ActivityLog;
class LogActions;
class LogView;

// The log frame frmLog: the log view txtLog, the buttons of the log commands
// cmdLogoption(0..4), the log menu icon Image11 and imgExpand. The view's context menu
// offers the log menu's commands after its own, for the keyboard.
class LogPanel : public QGroupBox {
    Q_OBJECT
public:
    LogPanel(ActivityLog& log, LogActions& actions, QWidget* parent = nullptr);

    LogView* view() const { return m_view; }
    // The product's caption of the frame: blanks, or "         - " and the file's name.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

signals:
    // A mouse press on the frame itself, not on one of its controls.
    void framePressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showContextMenu(const QPoint& at);

    LogView* m_view;
    LogActions& m_actions;
    QString m_caption;
};

} // namespace tidecopy
