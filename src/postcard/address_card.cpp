#include "postcard/address_card.h"

#include "widgets/layout_scale.h"

#include <QPainter>

namespace postcard {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kTwipsPerPoint = 20;
const QColor kHeadingRed(255, 0, 0);

}  // namespace

int PixelSizeOfPoints(double points) {
    return qMax(1, qRound(points * kTwipsPerPoint / kTwipsPerPixel));
}

AddressCardPicture::AddressCardPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(widgets::Scaled(TwipsRect(0, 0, kWidthTwips, kHeightTwips).size()));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void AddressCardPicture::paintEvent(QPaintEvent* /*event*/) {
    // Only a reminder of what is printed on the card already; none of it goes to the printer.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The rest is laid out at 100 %.
    if (widgets::LayoutScale() != 1.0)
        painter.scale(widgets::LayoutScale(), widgets::LayoutScale());

    QFont heading(QStringLiteral("ＭＳ Ｐ明朝"));
    heading.setPixelSize(PixelSizeOfPoints(12));
    painter.setFont(heading);
    painter.setPen(kHeadingRed);
    painter.drawText(TwipsRect(1500, 150, 2700, 420), Qt::AlignCenter,
                     QStringLiteral("郵　便　は　が　き"));

    const QRect stamp = TwipsRect(300, 300, 1080, 1380);
    painter.setPen(QPen(kHeadingRed, 1, Qt::DashLine));
    painter.drawRect(stamp);
    QFont stampFont(QStringLiteral("ＭＳ Ｐゴシック"));
    stampFont.setPixelSize(PixelSizeOfPoints(9));
    stampFont.setBold(true);
    painter.setFont(stampFont);
    painter.drawText(stamp.adjusted(0, 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("NIPPON"));
    stampFont.setPixelSize(PixelSizeOfPoints(20));
    painter.setFont(stampFont);
    painter.drawText(stamp, Qt::AlignCenter, QStringLiteral("50"));
}

}  // namespace postcard
