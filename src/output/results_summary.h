#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace output {

/// What a result says for the player.
enum class Outcome { Win, Loss, Draw, Other };

/// The last result the results record holds for one game.
struct GameResult {
    QString opponent;
    QString game;
    QString terms;   // handicap, colour and komi as written: "互先(黒) コミ黒６目半"
    QString result;  // "黒1目半負け"
    QString date;    // as written: "2002/12/07"
    Outcome outcome = Outcome::Other;
};

/// Wins, losses and draws, counting each game once by its last result.
struct Tally {
    QString opponent;  // empty for the total
    int wins = 0;
    int losses = 0;
    int draws = 0;
};

struct ResultsSummary {
    QList<GameResult> games;  // in the order of their last result in the file
    QList<Tally> opponents;   // in the order the opponent lists use
    Tally total;
    int unreadLines = 0;  // non-blank lines that are not results
};

/// Reads the lines of the results record. A game counted again (a second count after more
/// moves) appends a new line; only its last line counts. `knownOpponents` settles where an
/// opponent's name ends when it holds a blank.
ResultsSummary SummariseResults(const QStringList& lines, const QStringList& knownOpponents);

/// Reads the results record file of the data root and sums it up; an absent file has no
/// results.
ResultsSummary ReadResultsSummary(const QString& dataRoot);

}  // namespace output
