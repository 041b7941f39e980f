#include "widgets/button/ButtonCaption.h"

#include <QList>

namespace tidecopy {

namespace {

const QString lineBreak = QStringLiteral("||");

// Positions of the single "&" marks, pairs of ampersands taken from the left.
QList<qsizetype> singleMarks(const QString& caption) {
    QList<qsizetype> marks;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (i + 1 < caption.size() && caption[i + 1] == u'&')
            ++i;
        else
            marks.append(i);
    }
    return marks;
}

// The caption with its single marks left out, the last one kept when asked.
QString withoutMarks(const QString& caption, bool keepLast) {
    const QList<qsizetype> marks = singleMarks(caption);
    QString text = caption;
    for (qsizetype k = marks.size() - 1; k >= 0; --k) {
        const bool last = k == marks.size() - 1;
        // A mark with nothing after it marks nothing.
        if (!(keepLast && last && marks[k] + 1 < caption.size()))
            text.remove(marks[k], 1);
    }
    return text;
}

} // namespace

QChar accessKeyOf(const QString& caption) {
    const QList<qsizetype> marks = singleMarks(caption);
    if (marks.isEmpty() || marks.back() + 1 >= caption.size())
        return {};
    return caption[marks.back() + 1];
}

QString spokenCaption(const QString& caption) {
    return withoutMarks(caption, false)
        .replace(QLatin1String("&&"), QLatin1String("&"))
        .replace(lineBreak, QLatin1String(" "));
}

QString drawnCaption(const QString& caption) {
    return withoutMarks(caption, true).replace(lineBreak, QLatin1String("\n"));
}

} // namespace tidecopy
