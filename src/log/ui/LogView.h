#pragma once

#include <QPlainTextEdit>

class QTimer;

namespace tidecopy {

class ActivityLog;
struct LogChange;

// The log view txtLog. It mirrors the activity log change by change: appended text is
// inserted at the end and text the length limit dropped is removed from the start, so
// a long log never gets rewritten as a whole. The user's own edits (allowed only while
// chkeditLog is on) go back to the log shortly after typing stops.
class LogView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogView(ActivityLog& log, QWidget* parent = nullptr);
    ~LogView() override;

    // Hands edits still waiting to the log at once (before saving it, at closing).
    void flushEdits();
    // Moves the caret to the end of the text and scrolls there (after a run's appends).
    void showEnd();

private:
    void onLogChanged(const LogChange& change);
    void insertAtEnd(QString text);
    void removeFromStart(std::size_t characters);
    void onUserEdit();

    ActivityLog& m_log;
    QTimer* m_editDelay;
    bool m_applying = false;
    bool m_flushing = false;
    bool m_editsPending = false;
    // A CR that ended the last append: its LF may come with the next one.
    bool m_pendingCarriageReturn = false;
};

} // namespace tidecopy
