#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

namespace tidecopy {

// A folder list (Dir1, Dir2): the current folder's ancestors from the root down, open,
// then its sub-folders, each indented by its depth.
class FolderListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int DepthRole = Qt::UserRole + 1;
    static constexpr int PathRole = Qt::UserRole + 2;

    explicit FolderListModel(QObject* parent = nullptr);

    void setFolders(std::vector<std::string> ancestors, const std::vector<std::string>& subFolders,
                    char separator);
    // The row of the current folder (the last ancestor).
    int currentRow() const { return static_cast<int>(m_ancestors.size()) - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QString nameOf(int row) const;

    std::vector<std::string> m_ancestors;
    std::vector<std::string> m_subFolders;
    char m_separator = '/';
    QIcon m_openIcon;
    QIcon m_closedIcon;
};

// Draws a folder list entry indented by its depth.
class FolderIndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace tidecopy
