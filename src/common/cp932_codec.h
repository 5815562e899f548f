#pragma once

#include <QByteArray>
#include <QString>

namespace common {

/// Text as the files carry it: Windows code page 932. A character that CP932 cannot hold
/// becomes "?"; bytes that are not valid CP932 are read as U+FFFD. Neither shifts the text
/// around it, so a field separator is never swallowed.
QByteArray EncodeCp932(const QString& text);
QString DecodeCp932(const QByteArray& bytes);

}  // namespace common
