#include "panes/ui/PaneWidget.h"

#include "config/HistoryCommands.h"
#include "config/MainState.h"
#include "panes/DriveTexts.h"
#include "panes/Panes.h"
#include "panes/ui/DriveList.h"
#include "panes/ui/FileListModel.h"
#include "panes/ui/FileListView.h"
#include "panes/ui/FolderListModel.h"
#include "panes/ui/PaneActions.h"
#include "widgets/ClickableImage.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace tidecopy {

namespace {

// Enough entries to walk a tree without scrolling at every step.
constexpr int visibleListLines = 12;

template <typename List = QListView>
List* makeList(const QString& name, const QString& spoken, QWidget* parent) {
    auto* list = new List(parent);
    nameControl(list, name, spoken);
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setContextMenuPolicy(Qt::PreventContextMenu);
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * visibleListLines);
    return list;
}

} // namespace

PaneWidget::PaneWidget(Pane pane, Panes& panes, MainState& state, PaneActions& actions,
                       QWidget* parent)
    : QGroupBox(parent)
    , m_pane(pane)
    , m_panes(panes)
    , m_state(state)
    , m_actions(actions) {
    const bool source = pane == Pane::Source;
    nameControl(this, source ? QStringLiteral("frmSource") : QStringLiteral("frmTarget"),
                source ? tr("Source") : tr("Destination"));
    setTitle(accessibleName());
    buildControls(actions);
    setLayout(buildLayout());
}

void PaneWidget::buildControls(PaneActions& actions) {
    const bool source = m_pane == Pane::Source;
    const int i = indexOf(m_pane);
    const QString number = QString::number(i + 1);
    QStyle* look = style();

    m_history = new QComboBox(this);
    nameControl(m_history, source ? "cmbSourceHistory" : "cmbTargetHistory",
                source ? tr("Source folder history") : tr("Destination folder history"));
    m_history->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_history->setMinimumContentsLength(20);
    connect(m_history, &QComboBox::activated, this, [this](int row) {
        historyState().selected = row;
        emit historyChosen(m_pane);
    });
    m_historyIcon = new ClickableImage(elementName("Image9", i), tr("History menu"),
                                       look->standardIcon(QStyle::SP_ArrowDown), this);
    connect(m_historyIcon, &ClickableImage::clicked, this,
            [this] { emit historyMenuWanted(m_pane, QCursor::pos()); });

    const std::array<QAction*, 5> presets = actions.presets(m_pane);
    for (std::size_t k = 0; k < presets.size(); ++k)
        m_presets[k] = makeCommandButton(
            presets[k], elementName("cmdPresetFolders", i * 5 + static_cast<int>(k)), this);

    m_drive = new DriveList(this);
    nameControl(m_drive, "Drive" + number, source ? tr("Source drive") : tr("Destination drive"));
    connect(m_drive, &DriveList::refreshWanted, this, [this] {
        m_panes.refreshDrives();
        showDrives();
    });
    connect(m_drive, &QComboBox::activated, this, [this](int row) {
        const std::string mountPoint = m_drive->itemData(row).toString().toStdString();
        if (!m_updating && mountPoint != m_panes.pane(m_pane).drive)
            m_panes.chooseDrive(m_pane, mountPoint);
    });
    m_driveIcon = new ClickableImage(elementName("Image2", i), tr("Drive menu"),
                                     look->standardIcon(QStyle::SP_DriveHDIcon), this);
    connect(m_driveIcon, &ClickableImage::MouseDown, this, [this] {
        m_panes.setActiveDrive(m_pane);
        m_actions.popUpDriveMenu(QCursor::pos());
    });
    connect(m_driveIcon, &ClickableImage::clicked, this, [this] { m_panes.showFreeSpace(m_pane); });

    m_folders =
        makeList("Dir" + number, source ? tr("Source folders") : tr("Destination folders"), this);
    m_folders->setToolTip(m_folders->accessibleName());
    m_folderModel = new FolderListModel(this);
    m_folders->setModel(m_folderModel);
    m_folders->setItemDelegate(new FolderIndentDelegate(m_folders));
    // A single click opens a folder; Enter does the same from the keyboard.
    const auto open = [this](const QModelIndex& index) {
        m_panes.openFolder(m_pane, index.data(FolderListModel::PathRole).toString().toStdString());
    };
    connect(m_folders, &QListView::clicked, this, open);
    connect(m_folders, &QListView::activated, this, open);
    m_folders->viewport()->installEventFilter(this);
    m_folderIcon = new ClickableImage(elementName("Image3", i), tr("Folder menu"),
                                      look->standardIcon(QStyle::SP_DirIcon), this);
    connect(m_folderIcon, &ClickableImage::clicked, this, [this] {
        m_panes.setActivePane(m_pane);
        m_folders->setFocus();
        m_actions.popUpFolderMenu(QCursor::pos());
    });

    m_files = makeList<FileListView>("File" + number,
                                     source ? tr("Source files") : tr("Destination files"), this);
    m_fileModel = new FileListModel(this);
    m_files->setModel(m_fileModel);
    m_files->setPathOfRow([this](int row) { return m_panes.filePath(m_pane, row); });
    connect(
        m_files, &FileListView::filesDropped, this,
        [this](const std::vector<std::string>& paths) { m_actions.filesDropped(m_pane, paths); });
    connect(m_files, &FileListView::deletePressed, this,
            [this] { m_actions.deleteKeyPressed(m_pane); });
    connect(m_files, &FileListView::menuWanted, this, [this](const QPoint& at) {
        m_panes.setActivePane(m_pane);
        m_actions.popUpFileMenu(at);
    });
    connect(m_files->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!m_updating && current.isValid())
                    m_panes.selectFile(m_pane, current.row());
            });
    connect(m_files, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { m_panes.openFile(m_pane, index.row()); });
    m_files->viewport()->installEventFilter(this);
    m_fileIcon = new ClickableImage(elementName("Image4", i), tr("File menu"),
                                    look->standardIcon(QStyle::SP_FileIcon), this);
    connect(m_fileIcon, &ClickableImage::clicked, this, [this] {
        m_panes.setActivePane(m_pane);
        m_files->setFocus();
        m_actions.popUpFileMenu(QCursor::pos());
    });

    m_folderName = new QLabel(this);
    nameControl(m_folderName, elementName("lblFolderName", i), tr("Folder name"));
    m_folderName->setTextFormat(Qt::PlainText);
    m_folderName->setMinimumHeight(2 * fontMetrics().lineSpacing());
    m_totalFiles = new QLabel(this);
    nameControl(m_totalFiles, elementName("lblTotalFiles", i), tr("Total file count"));
    m_totalFiles->setTextFormat(Qt::PlainText);
}

QLayout* PaneWidget::buildLayout() {
    auto* layout = new QVBoxLayout;
    auto* historyRow = new QHBoxLayout;
    historyRow->addWidget(m_history, 1);
    historyRow->addWidget(m_historyIcon);
    layout->addLayout(historyRow);

    auto* presetRow = new QHBoxLayout;
    presetRow->setSpacing(2);
    for (OwnerDrawnButton* button : m_presets)
        presetRow->addWidget(button);
    layout->addLayout(presetRow);

    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(m_drive, 1);
    driveRow->addWidget(m_driveIcon);
    layout->addLayout(driveRow);

    auto* lists = new QGridLayout;
    lists->addWidget(m_folderIcon, 0, 0, Qt::AlignLeft);
    lists->addWidget(m_fileIcon, 0, 1, Qt::AlignLeft);
    lists->addWidget(m_folders, 1, 0);
    lists->addWidget(m_files, 1, 1);
    layout->addLayout(lists, 1);
    layout->addWidget(m_folderName);
    layout->addWidget(m_totalFiles);
    return layout;
}

HistoryCombo& PaneWidget::historyState() const {
    return historyOf(m_state, m_pane);
}

void PaneWidget::showHistory() {
    m_updating = true;
    const HistoryCombo& combo = historyState();
    m_history->clear();
    for (const std::string& item : combo.items)
        m_history->addItem(QString::fromStdString(item));
    m_history->setCurrentIndex(combo.selected);
    m_updating = false;
}

void PaneWidget::setBackground(PaneControl control, const QColor& color) {
    QWidget* list = m_files;
    switch (control) {
    case PaneControl::cmbSourceHistory:
    case PaneControl::cmbTargetHistory:
        list = m_history;
        break;
    case PaneControl::Drive1:
    case PaneControl::Drive2:
        list = m_drive;
        break;
    case PaneControl::Dir1:
    case PaneControl::Dir2:
        list = m_folders;
        break;
    case PaneControl::File1:
    case PaneControl::File2:
        break;
    }
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, color);
    list->setPalette(palette);
}

void PaneWidget::showDrives() {
    m_updating = true;
    const std::string& current = m_panes.pane(m_pane).drive;
    m_drive->clear();
    int currentRow = -1;
    for (const Volume& volume : m_panes.drives()) {
        if (volume.mountPoint == current)
            currentRow = m_drive->count();
        m_drive->addItem(QString::fromStdString(driveListText(volume)),
                         QString::fromStdString(volume.mountPoint));
    }
    if (currentRow < 0 && !current.empty()) {
        currentRow = m_drive->count();
        m_drive->addItem(QString::fromStdString(current), QString::fromStdString(current));
    }
    m_drive->setCurrentIndex(currentRow);
    m_updating = false;
}

void PaneWidget::showLists() {
    const PaneState& state = m_panes.pane(m_pane);
    m_updating = true;
    m_folderModel->setFolders(m_panes.ancestorsOf(state.folder), state.contents.subFolders,
                              PathStyle::native().separator());
    m_folders->setCurrentIndex(m_folderModel->index(m_folderModel->currentRow()));
    m_fileModel->setNames(state.contents.files);
    m_updating = false;
}

void PaneWidget::showSelectedFile() {
    m_updating = true;
    const int row = m_panes.pane(m_pane).selectedFile;
    m_files->setCurrentIndex(row >= 0 ? m_fileModel->index(row) : QModelIndex());
    m_updating = false;
}

void PaneWidget::apply(unsigned what) {
    const PaneState& state = m_panes.pane(m_pane);
    if (what & PaneUpdate::Drive)
        showDrives();
    if (what & PaneUpdate::Lists)
        showLists();
    if (what & PaneUpdate::FileSelection)
        showSelectedFile();
    if (what & PaneUpdate::FolderName) {
        m_folderName->setText(displayText(state.lblFolderName));
        m_folderName->setAccessibleDescription(m_folderName->text());
    }
    if (what & PaneUpdate::TotalFiles) {
        m_totalFiles->setText(QString::fromStdString(state.lblTotalFiles));
        m_totalFiles->setAccessibleDescription(m_totalFiles->text());
    }
}

bool PaneWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return QGroupBox::eventFilter(watched, event);
    auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::RightButton)
        return QGroupBox::eventFilter(watched, event);
    // The right button never changes a list's selection: the menu acts on the entry
    // selected before.
    m_panes.setActivePane(m_pane);
    const QPoint at = press->globalPosition().toPoint();
    if (watched == m_folders->viewport()) {
        m_folders->setFocus();
        m_actions.popUpFolderMenu(at);
    } else {
        m_files->setFocus();
        m_actions.popUpFileMenu(at);
    }
    return true;
}

} // namespace tidecopy
