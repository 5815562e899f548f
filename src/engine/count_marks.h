#pragma once

#include "go/board_grid.h"
#include "output/territory_count.h"
#include "store/record_table.h"

#include <QList>
#include <QPoint>
#include <QString>

namespace engine {

/// The stones the player has taken off at the count: removal rows after the last move whose
/// stones, put back together, have liberties (the last move's captures have none and stay
/// off), and the board with them back — what the engine is asked about, so that its answer
/// can be set against the player's.
struct CountMarks {
    go::BoardGrid board;
    QList<QPoint> marked;
};
CountMarks MarksAtCount(const store::RecordTable& table, const go::BoardGrid& board);

/// The engine's dead stones set against the player's marks, and the count each leads to.
struct WeighedProposal {
    bool hadMarks = false;
    QList<QPoint> takeOff;       // dead to the engine and still on the board: the proposal
    QList<QPoint> thoughtAlive;  // taken off by the player, alive to the engine
    QList<QPoint> notTaken;      // of takeOff, those the record would not take off
    int blackTaken = 0;          // of takeOff
    int whiteTaken = 0;
    output::GameScore engineScore;  // the engine's dead stones off, the player's others back
    output::GameScore playerScore;  // as the player left the board
};
/// `board` is the board as the player left it, `blackRemoved` and `whiteRemoved` the stones
/// off it (captures and marks), `dead` the engine's answer about `marks.board`.
WeighedProposal WeighProposal(const CountMarks& marks, const QList<QPoint>& dead,
                              const go::BoardGrid& board, int blackRemoved, int whiteRemoved,
                              const store::RecordTable& table);

/// What the main window says once the proposed stones are off: how many, that it is a
/// proposal, and where the engine and the player's own marks part, by how much.
QString ProposalNotice(const WeighedProposal& proposal);

}  // namespace engine
