#pragma once

#include "log/LogSearch.h"

#include <QDialog>
#include <optional>

class QAction;
class QLineEdit;

namespace tidecopy {

class LogView;

// frmFind: the non-modal search in the log, placed beside the log frame. It shows the
// log search's answers in the log view; the search and the last word are the core's
// LogSearch, which outlives the dialog.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(LogSearch& search, LogView& view, QWidget* owner);

    // Places the dialog beside the frame, on the screen.
    void placeBeside(const QWidget& frame);

private:
    void find();
    void findNext();
    void select(std::optional<TextSpan> match);

    LogSearch& m_search;
    LogView& m_view;
    QLineEdit* m_word;
    QAction* m_findNext;
};

} // namespace tidecopy
