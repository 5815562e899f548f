#include "widgets/numeral_strips.h"

#include "common/stone_number.h"

#include <QFont>
#include <QPainter>

namespace board {

namespace {

constexpr double kNumeralPoints = 9.75;
constexpr double kStackedGap = 45;
const QString kTitle = QStringLiteral("ソラマメ Ｖ３．０");
const QString kColumnCaption = QStringLiteral(
    "   1      2      3      4      5      6      7      8      9     10     11    12    13     14 "
    "   15     16    17     18    19");
// The alternative spacing suits the caption font of 800 x 600 screens.
const QString kColumnCaptionPitched = QStringLiteral(
    "   1    2    3     4    5     6    7     8     9    10   11   12   13   14   15    16   17   "
    "18   19");

}  // namespace

QString NumeralCaption(bool smallScreen, bool showNumerals, bool numeralPitch) {
    if (!smallScreen || !showNumerals)
        return kTitle;
    return numeralPitch ? kColumnCaptionPitched : kColumnCaption;
}

NumeralStripVisibility VisibleNumeralStrips(bool smallScreen, bool showNumerals) {
    NumeralStripVisibility visibility;
    visibility.columnStrip = showNumerals && !smallScreen;
    visibility.rowStrip = showNumerals;
    return visibility;
}

ColumnNumeralStrip::ColumnNumeralStrip(QWidget* parent)
    : TwipsPicture(QSize(kWidthTwips, kHeightTwips), parent) {
    DrawNumerals();
}

void ColumnNumeralStrip::DrawNumerals() {
    ResizePicture(PictureSizeTwips(), palette().color(QPalette::Window));
    QPainter painter(&Canvas());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFont font(kPictureFontFamily);
    for (int column = 1; column <= 19; ++column) {
        // Two digits are shifted further left so that they too sit over their line.
        const double left = 450.0 * column - (column < 10 ? 60 : 120);
        DrawTextAt(painter, left, 30, QString::number(column), font, kNumeralPoints);
    }
}

RowNumeralStrip::RowNumeralStrip(QWidget* parent)
    : TwipsPicture(QSize(kWidthTwips, kHeightTwips), parent) {
    DrawNumerals();
}

void RowNumeralStrip::DrawNumerals() {
    ResizePicture(PictureSizeTwips(), palette().color(QPalette::Window));
    QPainter painter(&Canvas());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFont font(kPictureFontFamily);
    constexpr double left = 50;
    for (int row = 1; row <= 19; ++row) {
        const QString numeral = common::KanjiNumeral(row);
        if (row < 10) {
            DrawTextAt(painter, left, 450.0 * row - 280, numeral, font, kNumeralPoints);
        } else if (row == 10) {
            DrawTextAt(painter, left, 4220, numeral, font, kNumeralPoints);
        } else {
            // Two characters do not fit across the strip, so they are stacked, flattened so
            // that each stays whole and clear of the other and of the neighbouring rows.
            const double lineY =
                kMainBoardGeometry.centreY + (row - 10) * kMainBoardGeometry.pitchY;
            const common::StackedNumeral stacked =
                common::StackRowNumeral(numeral, font, kNumeralPoints, lineY, kStackedGap);
            painter.save();
            painter.scale(1, common::kStackedNumeralHeightShare);
            const double share = common::kStackedNumeralHeightShare;
            DrawTextAt(painter, left, stacked.firstTop / share, numeral.left(1), font,
                       kNumeralPoints);
            DrawTextAt(painter, left, stacked.secondTop / share, numeral.mid(1), font,
                       kNumeralPoints);
            painter.restore();
        }
    }
}

}  // namespace board
