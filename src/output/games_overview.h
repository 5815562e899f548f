#pragma once

#include "output/time_limits.h"
#include "store/record_file.h"
#include "store/time_limits_file.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace output {

/// Whose move a game in play waits for.
enum class Turn {
    Mine,     // the opponent moved last (or the player opens the game)
    Theirs,   // the player moved last: the card is on its way
    Unknown,  // the record could not be read
};

/// One game in play as the overview lists it.
struct GameOverviewRow {
    QString opponent;
    QString game;
    int handicapCode = 0;
    int komiCode = 0;
    QString colour;     // the player's colour as the record's header writes it
    int moveCount = 0;  // the highest move number; handicap stones are not moves
    QDate lastDay;      // the last day anything was recorded; invalid when unknown
    Turn turn = Turn::Unknown;
    int waitingDays = 0;       // days since lastDay; 0 when lastDay lies after today
    bool dayAhead = false;     // lastDay lies after today (a wrong clock, a date typed ahead)
    QString note;              // why the record could not be read; empty when it could
    TimeLimitState timeLimit;  // for the side to move; no limit while the turn is unknown
};

/// The overview's columns, in order; also the first line of the listing.
QStringList OverviewColumnNames();

/// Sums up one record as read: whose move, how many moves, since when.
GameOverviewRow SummariseGame(const QString& opponent, const QString& game,
                              const store::RecordOutline& record, store::LoadOutcome outcome,
                              const QDate& today);

/// Every game of the games folder (one sub-folder per opponent), in the default order, each
/// measured against the time limits.
QList<GameOverviewRow> ListGamesInPlay(const QString& gamesFolder, const QDate& today,
                                       const store::TimeLimitSettings& limits = {});

/// The row's standing against the time limits; none for a row without turn or day.
TimeLimitState AssessRow(const GameOverviewRow& row, const store::TimeLimitSettings& limits,
                         const QDate& today);

/// A key that sorts the most urgent game first: the player's own moves before the
/// opponent's, and within each a passed end date, then the fewest days left (overdue first),
/// then the games without a limit.
int UrgencyKey(const GameOverviewRow& row);

/// The player's own games whose limit has run out or runs out within `days` days, or whose
/// end date has passed or comes within them, the most urgent first.
QList<GameOverviewRow> GamesDueSoon(const QList<GameOverviewRow>& rows, const QDate& today,
                                    int days = 2);

/// What the main window says at start about those games, one line each (at most ten, then
/// how many more); empty when there are none.
QString DueGamesNotice(const QList<GameOverviewRow>& due, const QDate& today);

/// The default order: the player's moves first, then the games waiting for the opponent,
/// then the unreadable ones; within each, the longest waiting first.
void SortByDefault(QList<GameOverviewRow>& rows);

/// The texts of a row's cells, in the order of OverviewColumnNames().
QStringList OverviewCells(const GameOverviewRow& row);

/// The listing as tab-separated lines, the column names first, each line ending in "\n".
QString OverviewListing(const QList<GameOverviewRow>& rows);

}  // namespace output
