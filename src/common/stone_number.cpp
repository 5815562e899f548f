#include "common/stone_number.h"

#include <QFontMetricsF>
#include <QHash>

#include <algorithm>

namespace common {
namespace {

constexpr double kTwipsPerPoint = 20;
// Measured once at a large size and scaled, so that the result does not depend on the hinting
// of a screen or printer at some small size.
constexpr int kMeasuringPixels = 1000;

struct NumberShape {
    QRectF ink;  // relative to the start of the baseline, y upwards negative
    double advance = 0;
    double ascent = 0;
};

NumberShape MeasureShape(const QString& text, QFont font) {
    // Stone numbers come in a handful of fonts and at most a few hundred values.
    static QHash<QString, NumberShape> shapes;
    const QString key =
        font.family() + (font.bold() ? QStringLiteral("/b/") : QStringLiteral("/")) + text;
    const auto found = shapes.constFind(key);
    if (found != shapes.constEnd())
        return *found;
    font.setPixelSize(kMeasuringPixels);
    const QFontMetricsF metrics(font);
    NumberShape shape;
    shape.ink = metrics.tightBoundingRect(text);
    shape.advance = metrics.horizontalAdvance(text);
    shape.ascent = metrics.ascent();
    shapes.insert(key, shape);
    return shape;
}

}  // namespace

StoneNumberPlacement FitNumberInStone(const QString& text, const QFont& font, double points,
                                      double centreX, double centreY, double stoneRadius) {
    const NumberShape shape = MeasureShape(text, font);
    // The wider of ink and advance counts: the advance is what a reader of the page sees as
    // the word's box, the ink what the eye sees.
    const double span = std::max(shape.advance, shape.ink.width());
    const double limit = kStoneNumberWidthShare * 2 * stoneRadius;
    double scale = points * kTwipsPerPoint / kMeasuringPixels;
    if (span * scale > limit) {
        points *= limit / (span * scale);
        scale = points * kTwipsPerPoint / kMeasuringPixels;
    }
    StoneNumberPlacement placement;
    placement.points = points;
    placement.width = span * scale;
    placement.left = centreX - (shape.ink.left() + shape.ink.width() / 2) * scale;
    const double baseline = centreY - (shape.ink.top() + shape.ink.height() / 2) * scale;
    placement.top = baseline - shape.ascent * scale;
    return placement;
}

StackedNumeral StackRowNumeral(const QString& numeral, const QFont& font, double points,
                               double lineY, double gap) {
    const double scale = points * kTwipsPerPoint / kMeasuringPixels * kStackedNumeralHeightShare;
    const NumberShape first = MeasureShape(numeral.left(1), font);
    const NumberShape second = MeasureShape(numeral.mid(1, 1), font);
    const double height = (first.ink.height() + second.ink.height()) * scale + gap;
    const double firstInkTop = lineY - height / 2;
    const double secondInkTop = firstInkTop + first.ink.height() * scale + gap;
    StackedNumeral stacked;
    stacked.firstTop = firstInkTop - (first.ascent + first.ink.top()) * scale;
    stacked.secondTop = secondInkTop - (second.ascent + second.ink.top()) * scale;
    return stacked;
}

}  // namespace common
