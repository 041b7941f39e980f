#include "log/ui/LogView.h"

#include "log/ActivityLog.h"
#include "widgets/ControlNaming.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace tidecopy {

namespace {

// Each block remembers how its line ended in the log: 2 for CR LF, 1 for LF, 0 for the
// last line, so removing dropped characters can count them as the log does.
constexpr int endsWithCrLf = 2;
constexpr int endsWithLf = 1;

// Characters (code points) of a block's text as the log counts them.
std::size_t codePoints(const QString& text) {
    std::size_t count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text.at(i).isLowSurrogate())
            ++count;
    return count;
}

// The UTF-16 offset of the character after `characters` code points of text.
int utf16Offset(const QString& text, std::size_t characters) {
    int offset = 0;
    for (; offset < text.size() && characters > 0; ++offset)
        if (!text.at(offset).isHighSurrogate())
            --characters;
    return offset;
}

// How long the edits of a typing burst may wait before the log takes them.
constexpr int editDelayMs = 300;

} // namespace

LogView::LogView(ActivityLog& log, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_log(log)
    , m_editDelay(new QTimer(this)) {
    nameControl(this, "txtLog", tr("Activity log"));
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editDelay->setSingleShot(true);
    m_editDelay->setInterval(editDelayMs);
    connect(m_editDelay, &QTimer::timeout, this, &LogView::flushEdits);
    connect(this, &QPlainTextEdit::textChanged, this, &LogView::onUserEdit);
    insertAtEnd(QString::fromStdString(std::string(m_log.text())));
    m_log.setChangeListener([this](const LogChange& change) { onLogChanged(change); });
}

LogView::~LogView() {
    m_log.setChangeListener({});
}

void LogView::onLogChanged(const LogChange& change) {
    // The log taking the user's edits tells of them again; the view has them already.
    if (m_flushing)
        return;
    m_applying = true;
    if (change.droppedCharacters > 0)
        removeFromStart(change.droppedCharacters);
    insertAtEnd(
        QString::fromUtf8(change.added.data(), static_cast<qsizetype>(change.added.size())));
    m_applying = false;
}

void LogView::insertAtEnd(QString text) {
    if (text.isEmpty())
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (m_pendingCarriageReturn && !text.startsWith('\n'))
        text.prepend(QChar(0x240D));
    else if (m_pendingCarriageReturn)
        text.prepend('\r');
    m_pendingCarriageReturn = text.endsWith('\r');
    if (m_pendingCarriageReturn)
        text.chop(1);
    cursor.beginEditBlock();
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype lineFeed = text.indexOf('\n', start);
        const bool last = lineFeed < 0;
        const qsizetype end = last ? text.size() : lineFeed;
        const bool crLf = !last && end > start && text.at(end - 1) == '\r';
        QString line = text.mid(start, (crLf ? end - 1 : end) - start);
        // A CR inside a line is shown, not taken as a line break, so counts stay true.
        line.replace('\r', QChar(0x240D));
        cursor.insertText(line);
        if (last)
            break;
        cursor.block().setUserState(crLf ? endsWithCrLf : endsWithLf);
        cursor.insertBlock();
        start = lineFeed + 1;
    }
    cursor.endEditBlock();
}

void LogView::removeFromStart(std::size_t characters) {
    QTextCursor cursor(document());
    int position = 0;
    for (QTextBlock block = document()->firstBlock(); block.isValid() && characters > 0;
         block = block.next()) {
        const QString text = block.text();
        const std::size_t length = codePoints(text);
        // Lines the user broke with Enter went to the log ending in CR LF.
        const int ending = !block.next().isValid()           ? 0
                           : block.userState() == endsWithLf ? endsWithLf
                                                             : endsWithCrLf;
        if (characters < length + static_cast<std::size_t>(ending) || !block.next().isValid()) {
            position = block.position() + utf16Offset(text, std::min(characters, length));
            break;
        }
        characters -= length + static_cast<std::size_t>(ending);
        position = block.next().position();
    }
    cursor.setPosition(0);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void LogView::onUserEdit() {
    if (m_applying)
        return;
    m_editsPending = true;
    m_editDelay->start();
}

void LogView::showEnd() {
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void LogView::flushEdits() {
    // Not the timer's state: by the time it calls, a single-shot timer is no longer active.
    if (!m_editsPending)
        return;
    m_editsPending = false;
    m_editDelay->stop();
    std::string text;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        text += block.text().replace(QChar(0x240D), '\r').toStdString();
        if (block.next().isValid())
            text += block.userState() == endsWithLf ? "\n" : "\r\n";
    }
    if (m_pendingCarriageReturn)
        text += '\r';
    m_flushing = true;
    m_log.replaceText(std::move(text));
    m_flushing = false;
}

} // namespace tidecopy
