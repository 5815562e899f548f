#pragma once

#include <QFont>
#include <QString>

namespace common {

/// The largest share of a stone's diameter that its number may take across.
inline constexpr double kStoneNumberWidthShare = 0.85;

/// Where a stone's number is written and how large: the top-left corner of its text cell and
/// its size, in the same units as the stone (twips on the screen pictures and on paper, where a
/// font of `points` is points * 20 twips high).
struct StoneNumberPlacement {
    double left = 0;
    double top = 0;
    double points = 0;
    /// The width of the written number, for checks.
    double width = 0;
};

/// Fits `text` into the stone centred on (centreX, centreY): measured in `font` at `points`,
/// shrunk when it is wider than the share of the diameter above, and centred on the stone both
/// ways by its inked shape, so that one, two and three digits all sit in the middle.
StoneNumberPlacement FitNumberInStone(const QString& text, const QFont& font, double points,
                                      double centreX, double centreY, double stoneRadius);

/// How far the two characters of a stacked row numeral are flattened: two of them take the
/// height of a line pitch without running into each other or into the next numeral.
inline constexpr double kStackedNumeralHeightShare = 0.72;

/// Where the two characters of a row numeral "十一" … "十九" go when they are stacked beside
/// the line at `lineY`: the tops of their text cells, each drawn flattened to the share above.
/// Their inked shapes are `gap` apart and the pair is centred on the line.
struct StackedNumeral {
    double firstTop = 0;
    double secondTop = 0;
};
StackedNumeral StackRowNumeral(const QString& numeral, const QFont& font, double points,
                               double lineY, double gap);

}  // namespace common
