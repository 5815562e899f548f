#pragma once

#include "store/hand_edited_text.h"

#include <QDate>
#include <QString>

namespace output {

/// Full path of the results record file in the data root.
QString ResultsRecordPath(const QString& dataRoot);

/// One line of the results record, without its line end:
/// "<opponent> <game>局 <handicap>(<colour>) <komi> [<result>] <date>"; the colour as the
/// record's header writes it (RecordTable::PlayerColourText).
QString ResultsRecordLine(const QString& opponent, const QString& game, int handicapCode,
                          const QString& playerColour, int komiCode, const QString& resultLabel,
                          const QDate& date);

/// Appends the line to the results record (CP932, CR LF), creating the file on the first
/// result. A record the player saved as UTF-8 is turned back into CP932 as a whole in the
/// same atomic rewrite; one holding a character CP932 cannot write is left as it is.
store::AppendOutcome AppendToResultsRecord(const QString& path, const QString& line);
/// AppendToResultsRecord for callers that only need to know whether the line is there.
bool AppendResultsRecord(const QString& path, const QString& line);

/// A game the player may ask an engine about: a backed-up game, or one the results record
/// holds a result for. Never a game in play, so that no engine advises on it.
bool GameIsFinished(bool backedUp, const QString& resultsPath, const QString& opponent,
                    const QString& game);

}  // namespace output
