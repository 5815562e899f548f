#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace common {

/// How a page is set up: A4 in portrait or landscape, or, for postcards, whatever paper and
/// orientation the printer has (a PDF then gets the size of a postcard).
enum class PageOrientation { Portrait, Landscape, AsPrinterIs };

/// Twips per millimetre, as the print positions are converted.
inline constexpr double kTwipsPerMillimetre = 56.7;

/// How a text is set on paper.
struct PrintFont {
    QString family;
    double points = 10;
    bool bold = false;
    /// Below 1 the characters are flattened to that share of their height, downwards from
    /// the top of the cell.
    double heightShare = 1;
};

/// One printed page, addressed in twips from the top left of the printable area. Texts are
/// placed by the top-left corner of their cell, not by the baseline. Line widths are in twips.
class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    /// The printable area of the page.
    virtual QSizeF PageSize() const = 0;
    virtual void DrawText(double x, double y, const QString& text, const PrintFont& font,
                          const QColor& colour) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2, double width,
                          const QColor& ink) = 0;
    /// A circle with a black outline; `fill` transparent leaves the inside unpainted.
    virtual void DrawCircle(double centreX, double centreY, double radius, double width,
                            const QColor& fill) = 0;
    /// A rectangle outlined in `ink`; `fill` transparent leaves the inside unpainted.
    virtual void DrawRectangle(const QRectF& rect, double width, const QColor& fill,
                               const QColor& ink) = 0;
    /// The image stretched over `rect`.
    virtual void DrawImage(const QRectF& rect, const QImage& image) = 0;
    /// Ends the page and starts a blank one of the same set-up; false when the device cannot.
    virtual bool NewPage() { return false; }
};

}  // namespace common
