#include "log/ui/FindDialog.h"

#include "log/LogSearch.h"
#include "log/ui/LogView.h"
#include "widgets/Commands.h"
#include "widgets/ControlNaming.h"
#include "widgets/button/OwnerDrawnButton.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace tidecopy {

namespace {

std::u16string textOf(const LogView& view) {
    return view.toPlainText().toStdU16String();
}

} // namespace

FindDialog::FindDialog(LogSearch& search, LogView& view, QWidget* owner)
    : QDialog(owner)
    , m_search(search)
    , m_view(view)
    , m_word(new QLineEdit(QString::fromStdU16String(search.strOldfind()), this))
    , m_findNext(makeCommand(this, "Find &Next", search.findNextEnabled())) {
    setObjectName("frmFind");
    setWindowTitle("Find");
    setAccessibleName(windowTitle());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    nameControl(m_word, "Text1", tr("Find what"));
    auto* label = new QLabel(tr("Find &what:"), this);
    nameControl(label, "Label1", tr("Find what:"));
    label->setBuddy(m_word);

    QAction* findCommand = makeCommand(this, "&Find");
    QAction* closeCommand = makeCommand(this, "&Close");
    connect(findCommand, &QAction::triggered, this, &FindDialog::find);
    connect(m_findNext, &QAction::triggered, this, &FindDialog::findNext);
    connect(closeCommand, &QAction::triggered, this, &QDialog::close);
    // Enter in the word is Find, as the first button.
    connect(m_word, &QLineEdit::returnPressed, findCommand, &QAction::trigger);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_word, 0, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(makeCommandButton(findCommand, "cmdFind", this));
    buttons->addWidget(makeCommandButton(m_findNext, "cmdfindnext", this));
    buttons->addWidget(makeCommandButton(closeCommand, "cmdClose", this));
    layout->addLayout(buttons, 0, 2, 2, 1);
    layout->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 24);
    m_word->selectAll();
}

void FindDialog::placeBeside(const QWidget& frame) {
    adjustSize();
    const QSize size = frameGeometry().size();
    const QRect beside(frame.mapToGlobal(QPoint(frame.width(), 0)), size);
    const QScreen* screen = frame.screen();
    const QRect room = screen ? screen->availableGeometry() : beside;
    // Right of the frame when it fits on the screen, else over the frame's lower right
    // corner, where log lines are empty most often and the log's buttons stay free.
    QRect place = beside;
    if (!room.contains(beside))
        place.moveTopLeft(frame.mapToGlobal(
            QPoint(frame.width() - size.width(), frame.height() - size.height())));
    place.moveRight(std::min(place.right(), room.right()));
    place.moveBottom(std::min(place.bottom(), room.bottom()));
    place.moveLeft(std::max(place.left(), room.left()));
    place.moveTop(std::max(place.top(), room.top()));
    move(place.topLeft());
}

void FindDialog::find() {
    m_view.flushEdits();
    select(m_search.find(textOf(m_view), m_word->text().toStdU16String()));
    m_findNext->setEnabled(m_search.findNextEnabled());
}

void FindDialog::findNext() {
    m_view.flushEdits();
    const QTextCursor cursor = m_view.textCursor();
    const TextSpan selection{
        static_cast<std::size_t>(cursor.selectionStart()),
        static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart())};
    select(m_search.findNext(textOf(m_view), selection));
}

void FindDialog::select(std::optional<TextSpan> match) {
    if (!match)
        return;
    QTextCursor cursor = m_view.textCursor();
    cursor.setPosition(static_cast<int>(match->start));
    cursor.setPosition(static_cast<int>(match->start + match->length), QTextCursor::KeepAnchor);
    m_view.setTextCursor(cursor);
    m_view.activateWindow();
    m_view.setFocus(Qt::OtherFocusReason);
}

} // namespace tidecopy
