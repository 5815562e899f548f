#pragma once

#include "store/record_table.h"

#include <QString>
#include <QStringList>

#include <vector>

/// The record check: replays a record's rows by the rules of Go beside the board the rows
/// themselves build, and names what a real game cannot contain. A card written from such a
/// record shows the opponent a position that differs from the real one.
namespace output {

struct RecordFinding {
    enum class Kind {
        NotTakenOff,   // a stone captured by the rules that no removal row takes off
        EmptyRemoval,  // a removal row for a point where no stone stands
        NotCaptured,   // a removal of a stone that neither the move before nor the next captures
        Occupied,      // a stone put on a point where a stone stands
        Suicide,       // a stone that leaves its own group without liberties
    };
    Kind kind = Kind::NotTakenOff;
    /// The move the finding is about: the capturing move (NotTakenOff), the last move before
    /// the removal row (EmptyRemoval, NotCaptured; 0 or less before move 1), the stone placed
    /// (Occupied, Suicide).
    int move = 0;
    /// The number of the stone taken off or standing there; for Suicide the move itself.
    int stone = 0;
    int x = 0;
    int y = 0;
    bool operator==(const RecordFinding&) const = default;
};

/// Every finding of the record's rows, by move number. A captured stone may be taken off at
/// any later row; a stone may also be taken off just before the move that captures it.
std::vector<RecordFinding> CheckRecord(const store::RecordTable& table);

/// One finding in words, naming the move numbers and the point.
QString FindingText(const RecordFinding& finding, int whiteFirst);
/// Every finding of the record in words, one a line.
QStringList RecordCheckTexts(const store::RecordTable& table);

}  // namespace output
