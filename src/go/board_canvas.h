#pragma once

#include "go/board_grid.h"

namespace go {

/// How a stone is drawn; decided by the board model from the mode and the options.
struct StoneLook {
    bool white = false;
    bool writeNumber = false;
    bool printingMode = false;  // wider number offsets and bold numerals
};

/// A mark of the end-of-game count.
enum class CountMark { Neutral, BlackTerritory, WhiteTerritory };

/// The drawing surface the board model draws on. The board picture widget implements it on
/// a persistent pixmap; tests use a recording canvas or draw on an image.
class BoardCanvas {
  public:
    virtual ~BoardCanvas() = default;

    /// Draws the empty board: background, grid and star points.
    virtual void DrawBoard() = 0;
    virtual void StoneOn(int x, int y, int number, const StoneLook& look) = 0;
    /// Erases the stone at (x, y); `board` tells which neighbours need their outline redrawn.
    virtual void StoneOff(int x, int y, const BoardGrid& board) = 0;
    virtual void MarkLastMove(int x, int y) = 0;
    virtual void DrawCountMark(int x, int y, CountMark mark) = 0;
};

}  // namespace go
