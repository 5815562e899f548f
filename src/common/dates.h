#pragma once

#include <QDate>
#include <QString>

namespace common {

/// Date of a saved row: "12-07-2002".
QString RowDate(const QDate& date);
/// Reads a saved row's date ("12-07-2002", blanks around allowed); invalid when it is not one.
QDate ParseRowDate(const QString& text);
/// The short date form the files carry: "2002/12/07".
QString ShortDate(const QDate& date);
/// Reads a short date leniently ("2002/12/07", "2002/12/7"); invalid when it is not one.
QDate ParseShortDate(const QString& text);
/// A header date as the main window shows it: "02/12/7"; an unreadable date as it stands.
QString MainWindowDate(const QString& headerDate);

}  // namespace common
