#pragma once

#include "common/font_setup.h"
#include "common/numerals.h"
#include "widgets/board_picture.h"

#include <QByteArray>
#include <QRgb>
#include <QSize>
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

/// Everything the pixels of a numeral strip depend on; a drawing kept from an earlier start
/// is shown only when all of it is unchanged.
struct NumeralStripLook {
    QByteArray strip;  // which strip: "column" or "row"
    QSize devicePixels;
    qreal pixelRatio = 1;
    int dpi = 96;
    QString family;  // the picture font's family after substitution
    common::ResolvedFont font;
    QRgb background = 0;
    QRgb ink = 0;
    QByteArray qtVersion;
    QString platform;
};

/// The key a strip's drawing is kept under: equal exactly when the looks are.
QByteArray NumeralStripKey(const NumeralStripLook& look);

/// Where the strips keep their drawings between starts; empty (the default) keeps none.
void SetNumeralStripCacheFolder(const QString& folder);

/// A strip of numerals beside the board. Drawn once for each look: a drawing kept under the
/// same key (from this start or an earlier one) is shown again instead of being drawn anew.
/// The picture font alone has every numeral, so it is used without Qt's fallback fonts; where
/// it is not installed the numerals are drawn with the fallbacks and nothing is kept.
class NumeralStrip : public TwipsPicture {
    Q_OBJECT

  public:
    /// Shows the strip's numerals for the current look.
    void DrawNumerals();
    /// The look the strip would be drawn in now.
    NumeralStripLook CurrentLook() const;

  protected:
    NumeralStrip(QSize sizeTwips, const QByteArray& strip, QWidget* parent);
    /// Writes the numerals onto the blank picture.
    virtual void PaintNumerals(QPainter& painter, const QFont& font) = 0;

  private:
    QByteArray strip_;
    QByteArray drawnKey_;
};

/// The column numerals 1 to 19 in a strip above the board. The strip begins at the left edge
/// of the row strip, so it is that much wider than the board.
class ColumnNumeralStrip : public NumeralStrip {
    Q_OBJECT

  public:
    static constexpr int kWidthTwips = 240 + 8595;
    static constexpr int kHeightTwips = 315;

    explicit ColumnNumeralStrip(QWidget* parent = nullptr);

  protected:
    void PaintNumerals(QPainter& painter, const QFont& font) override;
};

/// The row numerals 一 to 十九 in a strip left of the board, level with its top.
class RowNumeralStrip : public NumeralStrip {
    Q_OBJECT

  public:
    static constexpr int kWidthTwips = 240;
    static constexpr int kHeightTwips = 8595;

    explicit RowNumeralStrip(QWidget* parent = nullptr);

  protected:
    void PaintNumerals(QPainter& painter, const QFont& font) override;
};

}  // namespace board
