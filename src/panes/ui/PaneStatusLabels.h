#pragma once

#include <QWidget>
#include <string>

class QLabel;

namespace tidecopy {

struct StatusLabels;

// The labels both panes share (lblDirSize, lblFreeSpace, lblFileInfo): each shows what
// the pane that last changed it set.
class PaneStatusLabels : public QWidget {
    Q_OBJECT
public:
    explicit PaneStatusLabels(QWidget* parent = nullptr);

    // Shows the labels a change of the panes names (PaneUpdate bits).
    void apply(unsigned what, const StatusLabels& labels);
    void showFreeSpace(const std::string& text);

private:
    QLabel* m_dirSize;
    QLabel* m_freeSpace;
    QLabel* m_fileInfo;
};

} // namespace tidecopy
