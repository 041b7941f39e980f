#include "app/QtDisplayFormats.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace tidecopy {

QString timeWithSeconds(const QTime& time) {
    const QLocale locale;
    // The long format adds a time zone name the product never shows.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*$")));
    return locale.toString(time, format);
}

DisplayFormats systemDisplayFormats() {
    DisplayFormats formats;
    formats.thousandsSeparator = QLocale().groupSeparator().toStdString();
    formats.generalDate = [](const LocalDateTime& moment) {
        const QDate date(moment.year, moment.month, moment.day);
        const QTime time(moment.hour, moment.minute, moment.second);
        return (QLocale().toString(date, QLocale::ShortFormat) + ' ' + timeWithSeconds(time))
            .toStdString();
    };
    return formats;
}

} // namespace tidecopy
