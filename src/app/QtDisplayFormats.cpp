#include "app/QtDisplayFormats.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace tidecopy {

QString timeWithSeconds(const QTime& time) {
    const QLocale locale = QLocale::system();
    // The long format adds a time zone name the product never shows.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*$")));
    return locale.toString(time, format);
}

DisplayFormats systemDisplayFormats() {
    DisplayFormats formats;
    formats.thousandsSeparator = QLocale::system().groupSeparator().toStdString();
    formats.generalDate = [](std::int64_t modifiedNs) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(modifiedNs / 1'000'000);
        return (QLocale::system().toString(local.date(), QLocale::ShortFormat) + ' ' +
                timeWithSeconds(local.time()))
            .toStdString();
    };
    return formats;
}

} // namespace tidecopy
