#pragma once

#include "store/record_table.h"

#include <QString>

namespace output {

/// A game named as "OPPONENT/GAME", the way the command line names one.
struct GameName {
    QString opponent;
    QString game;
};

/// Splits "OPPONENT/GAME" at its last slash; false when either part is missing.
bool ParseGameName(const QString& text, GameName& name);
/// The record file of the game among the games in progress, else among the backed-up games;
/// empty when neither has it.
QString FindRecordFile(const QString& dataRoot, const GameName& name);
/// The last row of move `move` together with the removals that follow it, that is, the row
/// before the next placement; 0 when the record has no such move.
int RowAfterMove(const store::RecordTable& table, int move);

}  // namespace output
