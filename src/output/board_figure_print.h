#pragma once

#include "common/print_surface.h"
#include "go/board_grid.h"

#include <functional>

namespace output {

/// Where the record page puts its parts, in twips. Everything is fixed except the print
/// offsets, which shift the whole page.
struct PageGeometry {
    static constexpr qint16 pointPitch = 420;
    static constexpr double stoneRadius = 210.0;
    static constexpr double starRadius = 52.5;
    static constexpr double numberFontBase = 14.0;
    static constexpr double boardTop = 1417.5;
    static constexpr double boardMarginX = 510.3;
    static constexpr double boardMarginY = 510.3;

    double offsetX = 0;
    double offsetY = 0;

    /// The geometry for print offsets given in millimetres.
    static PageGeometry FromMillimetres(int horizontal, int vertical);
    /// Where the lines of column x and row y lie on the page.
    double PointX(int x) const { return offsetX + boardMarginX + (x - 1) * pointPitch; }
    double PointY(int y) const { return offsetY + boardTop + boardMarginY + (y - 1) * pointPitch; }
};

/// The position to print: the stones on the board, the colour rule's flag and which stones
/// carry their numbers.
struct BoardFigure {
    go::BoardGrid board;
    int whiteFirst = 0;
    /// The number-display flag of a move number.
    std::function<bool(int number)> numberShown;
    /// The number written on the stone of a move; the move number itself when not set.
    std::function<int(int number)> writtenNumber;
    /// Every number written with one glyph height, three digits narrowed to fit their stone,
    /// as a kifu figure wants them; otherwise longer numbers are set in smaller type.
    bool evenNumbers = false;
};

/// The column numerals 1 to 19 above the board.
void HorizontalFigurePrint(common::PrintSurface& surface, const PageGeometry& page);
/// The row numerals 一 to 十九 left of the board; 十一 to 十九 are stacked in two lines.
void VerticalFigurePrint(common::PrintSurface& surface, const PageGeometry& page);
/// The grid, star points, stones and stone numbers.
void PrintBoard(common::PrintSurface& surface, const PageGeometry& page, const BoardFigure& figure);

}  // namespace output
