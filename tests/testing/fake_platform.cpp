#include "testing/fake_platform.h"

#include <cmath>

namespace {

QString Point(double x, double y) {
    return OperationNumber(x) + ',' + OperationNumber(y);
}

QString Fill(const QColor& fill) {
    return fill.alpha() == 0 ? QString() : ' ' + fill.name();
}

/// Black is the usual ink and goes unmentioned; any other colour is named.
QString Ink(const QColor& ink) {
    return ink == QColor(Qt::black) ? QString() : QStringLiteral(" ink ") + ink.name();
}

}  // namespace

QString OperationNumber(double value) {
    return QString::number(std::round(value * 100) / 100, 'g', 12);
}

void RecordingPrintSurface::DrawText(double x, double y, const QString& text,
                                     const common::PrintFont& font, const QColor& colour) {
    texts.append({x, y, text, font});
    const QString flattened = font.heightShare == 1
                                  ? QString()
                                  : QStringLiteral(" flat") + OperationNumber(font.heightShare);
    operations.append(QStringLiteral("text %1 %2 %3%4%5 %6 %7")
                          .arg(Point(x, y), font.family, OperationNumber(font.points),
                               font.bold ? QStringLiteral(" bold") : QString(), flattened,
                               colour.name(), text));
}

void RecordingPrintSurface::DrawLine(double x1, double y1, double x2, double y2, double width,
                                     const QColor& ink) {
    operations.append(
        QStringLiteral("line %1 %2 w%3").arg(Point(x1, y1), Point(x2, y2), OperationNumber(width)) +
        Ink(ink));
}

void RecordingPrintSurface::DrawCircle(double centreX, double centreY, double radius, double width,
                                       const QColor& fill) {
    operations.append(QStringLiteral("circle %1 r%2 w%3%4")
                          .arg(Point(centreX, centreY), OperationNumber(radius),
                               OperationNumber(width), Fill(fill)));
}

void RecordingPrintSurface::DrawRectangle(const QRectF& rect, double width, const QColor& fill,
                                          const QColor& ink) {
    operations.append(QStringLiteral("rect %1 %2x%3 w%4%5")
                          .arg(Point(rect.x(), rect.y()), OperationNumber(rect.width()),
                               OperationNumber(rect.height()), OperationNumber(width), Fill(fill)) +
                      Ink(ink));
}

void RecordingPrintSurface::DrawImage(const QRectF& rect, const QImage& image) {
    operations.append(QStringLiteral("image %1 %2x%3 %4x%5")
                          .arg(Point(rect.x(), rect.y()), OperationNumber(rect.width()),
                               OperationNumber(rect.height()))
                          .arg(image.width())
                          .arg(image.height()));
}

bool RecordingPrintSurface::NewPage() {
    operations.append(QStringLiteral("new page"));
    return true;
}

common::MessageAnswer FakePlatform::ShowMessage(const QString& text, const QString& title,
                                                common::MessageButtons buttons,
                                                common::MessageIcon /*icon*/,
                                                common::DefaultButton defaultButton) {
    messages.append({text, title, buttons, defaultButton});
    if (!scriptedAnswers.isEmpty())
        return scriptedAnswers.takeFirst();
    return buttons == common::MessageButtons::YesNo ||
                   buttons == common::MessageButtons::YesNoCancel
               ? common::MessageAnswer::Yes
               : common::MessageAnswer::Ok;
}

bool FakePlatform::PrintPage(const QString& documentName, common::PageOrientation orientation,
                             const std::function<void(common::PrintSurface&)>& drawPage) {
    const bool landscape = orientation == common::PageOrientation::Landscape;
    RecordingPrintSurface surface(landscape ? QSizeF(kA4Height, kA4Width)
                                            : QSizeF(kA4Width, kA4Height));
    drawPage(surface);
    prints.append({documentName, orientation, surface.operations});
    return !failPrints;
}
