#pragma once

#include "go/board_grid.h"

#include <QString>
#include <QStringList>
#include <QStringView>

/// The move description in words: candidate comments for a move just placed,
/// relative to nearby stones (12の左一間, 置石の右上ケイマ) or by its place on the board
/// (右上隅小目, 右辺星の左, 天元).
namespace output {

/// At most this many relative candidates are collected for one move.
inline constexpr int kMaxRelativeCandidates = 4;

/// The candidate list for the move just placed at column x, row y (1-19; its stone is
/// already on the board): at most four relative candidates in probe-table order, then the
/// absolute candidate when it is not empty. The caller fills Combo2 with the list and puts
/// the first entry (or an empty text when the list is empty) into Combo2's text and Text3.
QStringList DescribeMove(const go::BoardGrid& board, int x, int y);

/// One probe of the table for the move at (x, y): does nothing when `candidates` already
/// holds four entries; otherwise, when (x + dx, y + dy) is on the board and holds a stone,
/// appends "置石の" + label for a handicap stone (number below 1), else the stone's number in
/// decimal digits + "の" + label. A point off the board or empty adds nothing.
void ProbeNeighbour(const go::BoardGrid& board, int x, int y, int dx, int dy, QStringView label,
                    QStringList& candidates);

/// The absolute name of the point at column x, row y: side star points and the centre with
/// their neighbour suffixes (右辺星, 上辺星の右, 天元の左下 ...), the corner points 三々, 小目,
/// 星, 目ﾊｽﾞｼ and 高目 after the corner (右上隅 ...); empty for the 5-5 point and any other
/// point.
QString AbsolutePointName(int x, int y);

}  // namespace output
