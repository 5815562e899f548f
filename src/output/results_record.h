#pragma once

#include <QDate>
#include <QString>

namespace output {

/// Full path of the results record file in the data root.
QString ResultsRecordPath(const QString& dataRoot);

/// One line of the results record, without its line end:
/// "<opponent> <game>局 <handicap>(<colour>) <komi> [<result>] <date>".
QString ResultsRecordLine(const QString& opponent, const QString& game, int handicapCode,
                          const QString& playerColour, int komiCode, const QString& resultLabel,
                          const QDate& date);

/// Appends the line to the results record (CP932, CR LF), creating the file on the first
/// result; false when the file could not be written.
bool AppendResultsRecord(const QString& path, const QString& line);

}  // namespace output
