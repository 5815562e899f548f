#pragma once

#include "go/board_grid.h"

#include <QPoint>
#include <QString>

#include <optional>

/// A board point and the stone on it in words, as players write moves on their cards
/// ("16の四": the column in digits, the row in kanji numerals) and as the board reads them
/// out to a screen reader.
namespace output {

/// The card's name of the point at column x, row y: "16の四"; empty off the board.
QString PointName(int x, int y);

/// The point a player typed: a column and a row, each in digits (half- or full-width) or in
/// kanji numerals (一 to 十九), joined by "の", a hyphen or minus of any width ("-", "－",
/// "ー", "−" ...) or "・", with blanks allowed around each part: "16の四", "１６－４",
/// "16-4". Nothing for any other text or for a point off the board.
std::optional<QPoint> ParseMoveText(const QString& text);

/// The stone numbered `number` in words: "黒 23手目", "白 8手目", "黒 置石" for a handicap
/// stone (number below 1).
QString StoneWords(int number, int whiteFirst);

/// The point and what stands on it: "16の四 黒 23手目", "10の十 空き".
QString PointDescription(const go::BoardGrid& board, int x, int y, int whiteFirst);

/// The move just placed, for the board's description: "直前の手 黒 23手目 16の四 右上隅星";
/// `goWords` (the move's description, may be empty) closes it.
QString LastMoveWords(int number, int x, int y, int whiteFirst, const QString& goWords);

}  // namespace output
