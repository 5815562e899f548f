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

}  // namespace common
