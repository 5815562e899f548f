#pragma once

#include <QtGlobal>

#include <array>

/// The 19 x 19 position: each point holds the move number of its stone, or kEmptyPoint.
/// Indexed [x][y] with column x and row y from 1 to 19; index 0 is unused so that the
/// board's own coordinates can be used everywhere without conversion.
namespace go {

inline constexpr int kBoardSize = 19;
inline constexpr qint16 kEmptyPoint = 999;

class BoardGrid {
  public:
    BoardGrid() { Clear(); }

    void Clear() {
        for (auto& column : points_)
            column.fill(kEmptyPoint);
    }
    static bool OnBoard(int x, int y) {
        return x >= 1 && x <= kBoardSize && y >= 1 && y <= kBoardSize;
    }
    /// The stone on (x, y); a point off the board (a damaged record row) reads as empty.
    qint16 At(int x, int y) const { return OnBoard(x, y) ? points_[x][y] : kEmptyPoint; }
    /// Puts a stone number on (x, y); a point off the board is ignored.
    void Set(int x, int y, qint16 number) {
        if (OnBoard(x, y))
            points_[x][y] = number;
    }
    bool Occupied(int x, int y) const { return OnBoard(x, y) && points_[x][y] != kEmptyPoint; }

  private:
    std::array<std::array<qint16, kBoardSize + 1>, kBoardSize + 1> points_{};
};

}  // namespace go
