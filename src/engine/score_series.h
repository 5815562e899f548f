#pragma once

#include "store/record_table.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace engine {

/// One stone an engine is told to play: a handicap stone (number below 1) or a move; a move
/// number the record skips is a pass, at (0, 0).
struct ReplayMove {
    int number = 0;
    bool black = true;
    int x = 0;
    int y = 0;
    bool IsPass() const { return x == 0; }
};

/// What an engine needs to replay a finished game: komi, handicap stones and every move in
/// order. Removal rows are left out: the engine takes off captures by itself, and stones
/// taken off at the count are not moves.
struct GameReplay {
    double komi = 0;
    QList<ReplayMove> handicap;
    QList<ReplayMove> moves;  // numbered 1, 2, 3 … with passes for skipped numbers
};
GameReplay ReplayOfRecord(const store::RecordTable& table);

/// The GTP command for one stone: "play B Q16", "play W pass".
QString PlayCommand(const ReplayMove& move);

/// Black's lead in an engine's score answer: "B+3.5 (upper bound: …)" is 3.5, "W+2" is -2,
/// "0" is 0; none for anything else ("W+Resign" included).
std::optional<double> ParseBlackLead(const QString& answer);

/// The engine's estimate after each move; move 0 is the position before the first move.
struct ScorePoint {
    int move = 0;
    double blackLead = 0;
    bool operator==(const ScorePoint&) const = default;
};
using ScoreSeries = QList<ScorePoint>;

/// How much a move changed the estimate. Compared with the estimate two moves before, when
/// the same side had just played: GNU Go's estimate leans towards whoever moved last, by
/// ten points and more in the opening, which would otherwise fill the list with every move.
struct ScoreSwing {
    int move = 0;
    double change = 0;  // in Black's favour when positive
};
/// The `count` biggest swings, biggest first; equal ones by move number.
QList<ScoreSwing> BiggestSwings(const ScoreSeries& series, int count);

/// Series already computed are kept in a cache of their own, outside the data root, so
/// that records are never touched: one file per record and engine, named by a hash of the
/// record's bytes and the engine's command line, so that a changed record is computed anew.
QString DefaultScoreCacheFolder();
QString ScoreCacheKey(const QByteArray& recordBytes, const QString& engineCommand);
/// The series kept under `key`; none when there is no file or it is damaged.
std::optional<ScoreSeries> ReadScoreCache(const QString& folder, const QString& key,
                                          const QString& engineCommand);
/// Writes the file whole (CP932, CR LF); false when it could not.
bool WriteScoreCache(const QString& folder, const QString& key, const QString& engineCommand,
                     const ScoreSeries& series);

}  // namespace engine
