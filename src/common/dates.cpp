#include "common/dates.h"

#include <QRegularExpression>

namespace common {

QString RowDate(const QDate& date) {
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

QDate ParseRowDate(const QString& text) {
    return QDate::fromString(text.trimmed(), QStringLiteral("MM-dd-yyyy"));
}

QString ShortDate(const QDate& date) {
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QDate ParseShortDate(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,4})/(\\d{1,2})/(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QDate();
    int year = match.captured(1).toInt();
    if (match.captured(1).size() <= 2)
        year += year < 50 ? 2000 : 1900;
    return QDate(year, match.captured(2).toInt(), match.captured(3).toInt());
}

QString MainWindowDate(const QString& headerDate) {
    const QDate date = ParseShortDate(headerDate);
    // A date in some other form is shown as it stands rather than hidden.
    if (!date.isValid())
        return headerDate.trimmed();
    return date.toString(QStringLiteral("yy/M/d"));
}

}  // namespace common
