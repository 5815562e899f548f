#pragma once

#include "store/record_table.h"

#include <QString>

namespace output {

/// What an SGF game is made from besides the record itself.
struct SgfGameNames {
    QString player;  // the own name, "自分" when none is known
    QString opponent;
    QString result;  // the result label of the results record, empty when none
};

/// One game tree "(;FF[4]...)" for a loaded record: the root with the players, handicap,
/// komi, dates and result, then a node per placement; removals that are not the captures of
/// the move before them become AE nodes where they stand.
QString SgfGameTree(const store::RecordTable& table, const SgfGameNames& names);

/// The SGF form of a result label ("黒3目半勝ち" of the player holding black is "B+3.5");
/// a label in no known form is kept as it stands.
QString SgfResult(const QString& resultLabel);

/// The result label of the last line the results record holds for the game; empty when none.
QString LastResultLabel(const QString& resultsPath, const QString& opponent, const QString& game);

}  // namespace output
