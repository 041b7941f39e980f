#include "panes/ui/FolderListModel.h"

#include <QApplication>
#include <QStyle>

namespace tidecopy {

FolderListModel::FolderListModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_openIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon))
    , m_closedIcon(QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon)) {}

void FolderListModel::setFolders(std::vector<std::string> ancestors,
                                 const std::vector<std::string>& subFolders, char separator) {
    beginResetModel();
    m_ancestors = std::move(ancestors);
    m_subFolders = subFolders;
    m_separator = separator;
    endResetModel();
}

int FolderListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ancestors.size() + m_subFolders.size());
}

QString FolderListModel::nameOf(int row) const {
    if (row < static_cast<int>(m_ancestors.size())) {
        const std::string& path = m_ancestors[static_cast<std::size_t>(row)];
        const auto last = path.find_last_of(m_separator);
        if (row == 0 || last == std::string::npos)
            return QString::fromStdString(path);
        return QString::fromStdString(path.substr(last + 1));
    }
    return QString::fromStdString(m_subFolders[static_cast<std::size_t>(row) - m_ancestors.size()]);
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const bool ancestor = row < static_cast<int>(m_ancestors.size());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return nameOf(row);
    case Qt::DecorationRole:
        return ancestor ? m_openIcon : m_closedIcon;
    case DepthRole:
        return ancestor ? row : static_cast<int>(m_ancestors.size());
    case PathRole: {
        if (ancestor)
            return QString::fromStdString(m_ancestors[static_cast<std::size_t>(row)]);
        std::string path = m_ancestors.empty() ? std::string{} : m_ancestors.back();
        if (path.empty() || path.back() != m_separator)
            path.push_back(m_separator);
        return QString::fromStdString(
            path + m_subFolders[static_cast<std::size_t>(row) - m_ancestors.size()]);
    }
    default:
        return {};
    }
}

void FolderIndentDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem indented = option;
    const int step = option.fontMetrics.height() / 2;
    indented.rect.adjust(index.data(FolderListModel::DepthRole).toInt() * step, 0, 0, 0);
    QStyledItemDelegate::paint(painter, indented, index);
}

} // namespace tidecopy
