#pragma once

#include <QString>

namespace board {

/// The kanji numeral of a row, "一" to "十九"; empty outside 1 to 19. Rows 11 to 19 are "十"
/// followed by the unit, which the numeral strips and the printed figure stack in two lines.
QString KanjiNumeral(int row);

}  // namespace board
