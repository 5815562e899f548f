#pragma once

#include "common/numerals.h"
#include "widgets/board_picture.h"

#include <QString>

namespace board {

/// Screens at most this many pixels high are too short for the column strip.
inline constexpr int kSmallScreenHeight = 600;

/// Whether the main window must make do without the column strip on this screen.
inline bool IsSmallScreen(int screenHeightPixels) {
    return screenHeightPixels <= kSmallScreenHeight;
}

/// The main window's caption: on small screens with numerals on it carries the column
/// numerals in place of the column strip.
QString NumeralCaption(bool smallScreen, bool showNumerals, bool numeralPitch);

/// Which of the two numeral strips the main window shows.
struct NumeralStripVisibility {
    bool columnStrip = false;
    bool rowStrip = false;
};

/// The strips shown for the screen size and the numerals option.
NumeralStripVisibility VisibleNumeralStrips(bool smallScreen, bool showNumerals);

/// The column numerals 1 to 19 in a strip above the board. The strip begins at the left edge
/// of the row strip, so it is that much wider than the board.
class ColumnNumeralStrip : public TwipsPicture {
    Q_OBJECT

  public:
    static constexpr int kWidthTwips = 240 + 8595;
    static constexpr int kHeightTwips = 315;

    explicit ColumnNumeralStrip(QWidget* parent = nullptr);

    /// Draws the strip anew with all nineteen numerals.
    void DrawNumerals();
};

/// The row numerals 一 to 十九 in a strip left of the board, level with its top.
class RowNumeralStrip : public TwipsPicture {
    Q_OBJECT

  public:
    static constexpr int kWidthTwips = 240;
    static constexpr int kHeightTwips = 8595;

    explicit RowNumeralStrip(QWidget* parent = nullptr);

    /// Draws the strip anew with all nineteen numerals.
    void DrawNumerals();
};

}  // namespace board
