#pragma once

#include "store/text_file.h"

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

/// A non-blank line that is not a result, or holds bytes that could not be decoded.
struct UnreadResultLine {
    int number = 0;  // counted from 1, as an editor counts
    QString text;
};

struct ResultsSummary {
    QList<GameResult> games;  // in the order of their last result in the file
    QList<Tally> opponents;   // in the order the opponent lists use
    Tally total;
    int unreadLines = 0;  // non-blank lines that are not results
    QList<UnreadResultLine> unread;
    /// The file as a whole: Ok or Missing, or why none of it was read.
    store::ReadStatus fileStatus = store::ReadStatus::Ok;
    QString path;
};

/// Reads the lines of the results record. A game counted again (a second count after more
/// moves) appends a new line; only its last line counts. `knownOpponents` settles where an
/// opponent's name ends when it holds a blank.
ResultsSummary SummariseResults(const QStringList& lines, const QStringList& knownOpponents);

/// Reads the results record file of the data root (CP932, or UTF-8 when the player saved it
/// so) and sums it up; an absent file has no results.
ResultsSummary ReadResultsSummary(const QString& dataRoot);

/// One sentence for each thing the summary could not read (the file, or a line by its
/// number and text); empty when every line was read.
QStringList ResultsProblems(const ResultsSummary& summary);

/// The columns of the per-opponent table and one row of it; the total is named "合計".
QStringList TallyColumnNames();
QStringList TallyCells(const Tally& tally);
/// The columns of the per-game table and one row of it.
QStringList GameColumnNames();
QStringList GameCells(const GameResult& game);
/// The games as the summary shows them: the newest result first.
QList<GameResult> NewestFirst(const ResultsSummary& summary);
/// Both tables as tab-separated lines, each headed by its column names: the opponents and
/// the total, an empty line, then the games newest first.
QString ResultsSummaryListing(const ResultsSummary& summary);

}  // namespace output
