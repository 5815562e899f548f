#pragma once

#include "store/game_info_file.h"
#include "store/record_table.h"

#include <QString>

#include <optional>

namespace output {

/// What an SGF game is made from besides the record itself.
struct SgfGameNames {
    QString player;  // the own name, "自分" when none is known
    QString opponent;
    QString result;  // the result label of the results record, empty when none
    /// What the SGF file the game came from said: its players, ranks, event, place and result
    /// are written again, and its date as written instead of the days of the rows, which
    /// were dated from it.
    std::optional<store::GameInfo> info = std::nullopt;
};

/// One game tree "(;FF[4]...)" for a loaded record: the root with the players, handicap,
/// komi, dates and result, then a node per placement; removals that are not the captures of
/// the move before them become AE nodes where they stand, and captures the record never took
/// off are put back by AB/AW right after the move, so that every position is the record's.
QString SgfGameTree(const store::RecordTable& table, const SgfGameNames& names);

/// The SGF form of a result label ("黒3目半勝ち" of the player holding black is "B+3.5");
/// a label in no known form is kept as it stands.
QString SgfResult(const QString& resultLabel);

/// The result label of the last line the results record holds for the game; empty when none.
QString LastResultLabel(const QString& resultsPath, const QString& opponent, const QString& game);

}  // namespace output
