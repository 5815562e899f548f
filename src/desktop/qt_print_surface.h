#pragma once

#include "common/print_surface.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace common {

/// A print surface on an active QPainter whose origin is the top left of the printable area.
/// The one place where twips become device dots.
class QtPrintSurface : public PrintSurface {
  public:
    /// `pages`, when given, is the device the painter paints on, for pages after the first.
    QtPrintSurface(QPainter& painter, double dotsPerInch, const QSizeF& pageTwips,
                   QPagedPaintDevice* pages = nullptr);

    QSizeF PageSize() const override { return pageTwips_; }
    void DrawText(double x, double y, const QString& text, const PrintFont& font,
                  const QColor& colour) override;
    void DrawLine(double x1, double y1, double x2, double y2, double width,
                  const QColor& ink) override;
    void DrawCircle(double centreX, double centreY, double radius, double width,
                    const QColor& fill) override;
    void DrawRectangle(const QRectF& rect, double width, const QColor& fill,
                       const QColor& ink) override;
    void DrawImage(const QRectF& rect, const QImage& image) override;
    bool NewPage() override;

  private:
    void SetOutline(double width, const QColor& fill, const QColor& ink = Qt::black);

    QPainter& painter_;
    QSizeF pageTwips_;
    QPagedPaintDevice* pages_ = nullptr;
};

/// Prints one A4 page in `orientation` (or on the printer's own paper) on a real printer.
/// False when the page could not be started or the printer reported an error.
bool PrintOnPrinter(QPrinter& printer, PageOrientation orientation,
                    const std::function<void(PrintSurface&)>& drawPage);

/// Writes pages in `orientation` (A4, or a card's own size for AsPrinterIs) to a vector PDF
/// file at `path`, with the fonts embedded, without any printer or display. The file at
/// `path` is replaced only by a complete PDF. False when it could not be written, with any
/// earlier file there left as it was.
bool PrintToPdf(const QString& path, const QString& title, PageOrientation orientation,
                const std::function<void(PrintSurface&)>& drawPages);

}  // namespace common
