#pragma once

#include "go/board_grid.h"

/// Reads a board written as a text picture: 19 lines of 19 characters, `.` an empty point,
/// `X` a black stone, `O` a white stone, `H` a handicap stone (number 0). Blanks are ignored.
/// Black stones get the odd numbers 1, 3, 5 ... and white stones the even numbers 2, 4, 6 ...
/// in reading order, so that the colour rule of an even game gives the drawn colour.
go::BoardGrid BoardFromText(const char* picture);
