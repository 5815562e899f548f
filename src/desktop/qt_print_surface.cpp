#include "desktop/qt_print_surface.h"

#include "common/atomic_file.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace common {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
// A PDF file has no unprintable border; this one keeps the page where a printer would put it.
constexpr double kPdfMarginMillimetres = 5;

}  // namespace

QtPrintSurface::QtPrintSurface(QPainter& painter, double dotsPerInch, const QSizeF& pageTwips,
                               QPagedPaintDevice* pages)
    : painter_(painter), pageTwips_(pageTwips), pages_(pages) {
    const double dotsPerTwip = dotsPerInch / kTwipsPerInch;
    painter_.setTransform(QTransform::fromScale(dotsPerTwip, dotsPerTwip));
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
}

void QtPrintSurface::DrawText(double x, double y, const QString& text, const PrintFont& font,
                              const QColor& colour) {
    // The painter works in twips, so the type is sized in twips too, not in points (which Qt
    // would turn into dots of the device and then scale a second time).
    QFont qfont(font.family);
    qfont.setPixelSize(qMax(1, qRound(font.points * kTwipsPerPoint)));
    qfont.setBold(font.bold);
    painter_.setFont(qfont);
    painter_.setPen(colour);
    painter_.save();
    painter_.translate(x, y);
    painter_.scale(1, font.heightShare);
    const QRectF cell(0, 0, pageTwips_.width() + kTwipsPerInch, pageTwips_.height());
    painter_.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    painter_.restore();
}

void QtPrintSurface::SetOutline(double width, const QColor& fill, const QColor& ink) {
    QPen pen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(fill));
}

void QtPrintSurface::DrawLine(double x1, double y1, double x2, double y2, double width,
                              const QColor& ink) {
    SetOutline(width, Qt::transparent, ink);
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtPrintSurface::DrawCircle(double centreX, double centreY, double radius, double width,
                                const QColor& fill) {
    SetOutline(width, fill);
    painter_.drawEllipse(QPointF(centreX, centreY), radius, radius);
}

void QtPrintSurface::DrawRectangle(const QRectF& rect, double width, const QColor& fill,
                                   const QColor& ink) {
    SetOutline(width, fill, ink);
    painter_.drawRect(rect);
}

void QtPrintSurface::DrawImage(const QRectF& rect, const QImage& image) {
    painter_.drawImage(rect, image);
}

bool QtPrintSurface::NewPage() {
    if (pages_ == nullptr)
        return false;
    // A new page keeps the painter, its twips transform included.
    return pages_->newPage();
}

bool PrintOnPrinter(QPrinter& printer, PageOrientation orientation,
                    const std::function<void(PrintSurface&)>& drawPage) {
    if (orientation != PageOrientation::AsPrinterIs) {
        // A printer that refuses A4 or the orientation prints with its own settings.
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation == PageOrientation::Landscape
                                       ? QPageLayout::Landscape
                                       : QPageLayout::Portrait);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSizeF page = printer.pageLayout().paintRect(QPageLayout::Inch).size() * kTwipsPerInch;
    QtPrintSurface surface(painter, printer.resolution(), page, &printer);
    drawPage(surface);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}

namespace {

/// A4 in the orientation asked for, or for a card its own size with the printable area 3 mm
/// inside, as a printer driver would give it.
QPageLayout PdfPageLayout(PageOrientation orientation) {
    if (orientation == PageOrientation::AsPrinterIs) {
        return QPageLayout(QPageSize(QSizeF(100, 148), QPageSize::Millimeter),
                           QPageLayout::Portrait, QMarginsF(3, 3, 3, 3), QPageLayout::Millimeter);
    }
    const double margin = kPdfMarginMillimetres;
    return QPageLayout(
        QPageSize(QPageSize::A4),
        orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

/// Draws the pages into `pdf`; false when the writer could not start or finish.
bool DrawPdfPages(QIODevice& pdf, const QString& title, PageOrientation orientation,
                  const std::function<void(PrintSurface&)>& drawPages) {
    QPdfWriter writer(&pdf);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("ソラマメ Ｖ３．０"));
    writer.setResolution(1200);
    writer.setPageLayout(PdfPageLayout(orientation));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QSizeF page = writer.pageLayout().paintRect(QPageLayout::Inch).size() * kTwipsPerInch;
    QtPrintSurface surface(painter, writer.resolution(), page, &writer);
    drawPages(surface);
    return painter.end();
}

}  // namespace

bool PrintToPdf(const QString& path, const QString& title, PageOrientation orientation,
                const std::function<void(PrintSurface&)>& drawPages) {
    // The PDF writer does not notice a write that fails (a full disk): the pages are made in
    // memory, a few hundred KB at most, and then replace the file only once every byte is on
    // the disk, so a failed run never leaves half a file in place of a good one.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!DrawPdfPages(pdf, title, orientation, drawPages))
        return false;
    return ReplaceFileAtomically(path, pdf.data());
}

}  // namespace common
