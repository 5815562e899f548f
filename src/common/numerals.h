#pragma once

#include <QString>

/// The numerals written along the board's edges, on the printed figure and in the reply text.
namespace common {

/// Full-width digits of a non-negative number: 12 -> "１２".
QString FullWidthDigits(int value);
/// The kanji numeral of a row, "一" to "十九"; empty outside 1 to 19. Rows 11 to 19 are "十"
/// followed by the unit, which the numeral strips and the printed figure stack in two lines.
QString KanjiNumeral(int row);

}  // namespace common
