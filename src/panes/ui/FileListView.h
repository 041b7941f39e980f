#pragma once

#include <QListView>
#include <functional>
#include <string>
#include <vector>

class QMimeData;

namespace tidecopy {

// A file list (File1, File2) as the panes need it beyond a plain list: its entries are
// dragged as local files, offering Copy only; files dragged from it, the other list or
// another program (text/uri-list) are taken as a copy only; the Delete key and the
// context menu key ask for the file menu's Delete and the file menu.
class FileListView : public QListView {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

    // The full path of an entry, for dragging it.
    void setPathOfRow(std::function<std::string(int row)> pathOf) { m_pathOf = std::move(pathOf); }

signals:
    void filesDropped(const std::vector<std::string>& paths);
    void deletePressed();
    void menuWanted(const QPoint& globalPosition);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<std::string(int row)> m_pathOf;
};

// The local files a drag carries; other addresses are left out.
std::vector<std::string> localFilesOf(const QMimeData* data);

} // namespace tidecopy
