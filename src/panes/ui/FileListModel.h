#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace tidecopy {

// The names of a file list (File1, File2). Holds the core's sorted names and converts
// a row only when the view asks for it, so a folder of 100,000 files opens at once.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(const std::vector<std::string>& names);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Entries can be dragged (as files, by the list).
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<std::string> m_names;
};

} // namespace tidecopy
