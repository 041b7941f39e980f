#include "panes/ui/FileListModel.h"

namespace tidecopy {

void FileListModel::setNames(const std::vector<std::string>& names) {
    beginResetModel();
    m_names = names;
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(m_names.size()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(m_names[static_cast<std::size_t>(index.row())]);
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

} // namespace tidecopy
