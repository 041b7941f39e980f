#include "panes/ui/FileListView.h"

#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

namespace tidecopy {

namespace {

// Only a copy: a drag that would move the file (and have its source delete it) is refused.
bool acceptAsCopy(QDropEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction) || localFilesOf(event->mimeData()).empty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

std::vector<std::string> localFilesOf(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

FileListView::FileListView(QWidget* parent)
    : QListView(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
}

void FileListView::startDrag(Qt::DropActions) {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !m_pathOf)
        return;
    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(QString::fromStdString(m_pathOf(current.row())))});
    auto* drag = new QDrag(this);
    drag->setMimeData(files);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void FileListView::dragEnterEvent(QDragEnterEvent* event) {
    acceptAsCopy(event);
}

void FileListView::dragMoveEvent(QDragMoveEvent* event) {
    acceptAsCopy(event);
}

void FileListView::dropEvent(QDropEvent* event) {
    // The copies run later, as a job: the program the files came from is not kept waiting
    // for the questions.
    if (acceptAsCopy(event))
        emit filesDropped(localFilesOf(event->mimeData()));
}

void FileListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        return;
    }
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        const QRect item = visualRect(currentIndex());
        emit menuWanted(viewport()->mapToGlobal(item.isValid() ? item.center() : QPoint()));
        return;
    }
    QListView::keyPressEvent(event);
}

} // namespace tidecopy
