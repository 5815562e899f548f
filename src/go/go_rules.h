#pragma once

#include "go/board_grid.h"

#include <vector>

/// The rules of Go that reading and writing other programs' game files need: groups, their
/// liberties, captures and suicide. They work on the stone numbers of a BoardGrid, the colour
/// of a stone following from its number and the game's whiteFirst flag.
namespace go {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
using PointList = std::vector<Point>;

/// The stones connected to the stone on (x, y) that have its colour; empty for an empty point.
PointList GroupAt(const BoardGrid& board, int whiteFirst, int x, int y);
/// The empty points next to the group, each counted once.
int LibertyCount(const BoardGrid& board, const PointList& group);

enum class MoveCheck { Legal, OffBoard, Occupied, Suicide };

struct MoveOutcome {
    MoveCheck check = MoveCheck::Legal;
    PointList captured;  // the opponent's stones taken off, group by group
};

/// Plays the stone `number` on (x, y): a legal move is placed and the opponent's groups left
/// without liberties are taken off. A move off the board, on a stone or that would leave its
/// own group without liberties changes nothing.
MoveOutcome PlayStone(BoardGrid& board, int whiteFirst, int x, int y, qint16 number);

}  // namespace go
