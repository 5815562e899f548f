#include "widgets/numeral_strips.h"

#include "common/pixel_cache.h"
#include "common/stone_number.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>

#include <utility>

namespace board {

namespace {

constexpr double kNumeralPoints = 9.75;
constexpr double kStackedGap = 45;
const QString kTitle = QStringLiteral("ソラマメ Ｖ３．０");
const QString kColumnCaption = QStringLiteral(
    "   1      2      3      4      5      6      7      8      9     10     11    12    13     14 "
    "   15     16    17     18    19");
// Changes with any change to how the strips are drawn, so that no drawing kept by an earlier
// version is shown.
constexpr char kDrawingVersion[] = "numeral strips 1";

QString& CacheFolder() {
    static QString folder;
    return folder;
}

/// The picture font, alone when it is installed: it has every numeral, and leaving out Qt's
/// fallback fonts spares their look-up without changing a pixel.
QFont NumeralFont(bool installed) {
    QFont font(kPictureFontFamily);
    if (installed)
        font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

/// The picture font as fontconfig lists it, asked once a run for each family: the answer
/// holds while the program runs.
const common::ResolvedFont& ResolvedPictureFont(const QString& family) {
    static QHash<QString, common::ResolvedFont> resolved;
    auto found = resolved.constFind(family);
    if (found == resolved.constEnd())
        found = resolved.insert(family, common::ResolveFont(family));
    return *found;
}

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

QByteArray NumeralStripKey(const NumeralStripLook& look) {
    const common::ResolvedFont& font = look.font;
    const auto number = [](auto value) { return QByteArray::number(value); };
    return QByteArray(kDrawingVersion) + ' ' + look.strip + '\n' +
           number(look.devicePixels.width()) + 'x' + number(look.devicePixels.height()) +
           " device pixels at " + number(look.pixelRatio) + ", " + number(look.dpi) + " dpi\n" +
           "font " + look.family.toUtf8() + (font.installed ? " installed: " : " missing: ") +
           font.file.toUtf8() + " face " + number(font.faceIndex) + ' ' + font.fileStamp +
           "\ncolours " + QByteArray::number(look.ink, 16) + " on " +
           QByteArray::number(look.background, 16) + "\nQt " + look.qtVersion + ' ' +
           look.platform.toUtf8() + "\nfontconfig\n" + font.rendering;
}

void SetNumeralStripCacheFolder(const QString& folder) {
    CacheFolder() = folder;
}

NumeralStrip::NumeralStrip(QSize sizeTwips, const QByteArray& strip, QWidget* parent)
    : TwipsPicture(sizeTwips, parent), strip_(strip) {}

NumeralStripLook NumeralStrip::CurrentLook() const {
    NumeralStripLook look;
    look.strip = strip_;
    look.devicePixels = Pixmap().size();
    look.pixelRatio = PixelRatio();
    look.dpi = Pixmap().logicalDpiY();
    look.family = QFont::substitute(kPictureFontFamily);
    look.font = ResolvedPictureFont(look.family);
    look.background = palette().color(QPalette::Window).rgba();
    look.ink = palette().color(QPalette::WindowText).rgba();
    look.qtVersion = qVersion();
    look.platform = QGuiApplication::platformName();
    return look;
}

void NumeralStrip::DrawNumerals() {
    // The look is read from a blank picture at the screen's current ratio; the drawing it
    // replaces comes back when nothing changed.
    const QPixmap drawn = Pixmap();
    ResizePicture(PictureSizeTwips(), palette().color(QPalette::Window));
    const NumeralStripLook look = CurrentLook();
    const QByteArray key = NumeralStripKey(look);
    if (key == drawnKey_ && drawn.size() == Pixmap().size()) {
        Canvas() = drawn;
        return;
    }
    drawnKey_ = key;
    // Drawn with Qt's fallback fonts, the numerals depend on more fonts than the key names.
    const bool keep = look.font.installed && !CacheFolder().isEmpty();
    const QString path = CacheFolder() + QStringLiteral("/numerals-%1.pixels").arg(strip_);
    if (keep) {
        QImage kept = common::LoadPixels(path, key);
        if (kept.size() == Pixmap().size()) {
            Canvas() = QPixmap::fromImage(std::move(kept));
            return;
        }
    }
    {
        QPainter painter(&Canvas());
        painter.setPen(palette().color(QPalette::WindowText));
        PaintNumerals(painter, NumeralFont(look.font.installed));
    }
    if (keep && QDir().mkpath(CacheFolder()))
        common::StorePixels(path, key, Pixmap().toImage());
}

ColumnNumeralStrip::ColumnNumeralStrip(QWidget* parent)
    : NumeralStrip(QSize(kWidthTwips, kHeightTwips), "column", parent) {}

void ColumnNumeralStrip::PaintNumerals(QPainter& painter, const QFont& font) {
    for (int column = 1; column <= 19; ++column) {
        // Two digits are shifted further left so that they too sit over their line.
        const double left = 450.0 * column - (column < 10 ? 60 : 120);
        DrawTextAt(painter, left, 30, QString::number(column), font, kNumeralPoints);
    }
}

RowNumeralStrip::RowNumeralStrip(QWidget* parent)
    : NumeralStrip(QSize(kWidthTwips, kHeightTwips), "row", parent) {}

void RowNumeralStrip::PaintNumerals(QPainter& painter, const QFont& font) {
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
