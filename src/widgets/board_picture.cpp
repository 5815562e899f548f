#include "widgets/board_picture.h"

#include "common/stone_number.h"
#include "output/point_words.h"
#include "widgets/layout_scale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFont>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace board {

namespace {

constexpr double kNumberPoints = 11;
constexpr double kSegmentOverlap = 20;  // joins a redrawn half segment to the line beyond
constexpr double kCountMarkFraction = 0.1;
const QColor kLastMoveRed(255, 0, 0);
const QColor kBlackTerritoryBlue(0, 0, 255);
const QColor kWhiteTerritoryRed(255, 0, 0);

const QColor kCursorBlue(0, 70, 220);

bool IsStarPoint(int x, int y) {
    return x % 6 == 4 && y % 6 == 4;
}

/// The cursor's step for an arrow key; a null point for any other key.
QPoint ArrowStep(int key) {
    switch (key) {
        case Qt::Key_Left:
            return QPoint(-1, 0);
        case Qt::Key_Right:
            return QPoint(1, 0);
        case Qt::Key_Up:
            return QPoint(0, -1);
        case Qt::Key_Down:
            return QPoint(0, 1);
        default:
            return QPoint();
    }
}

/// The mouse button a key stands for on the cursor's point; Qt::NoButton for other keys.
Qt::MouseButton ClickOfKey(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return Qt::LeftButton;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return Qt::RightButton;
        default:
            return Qt::NoButton;
    }
}

/// The board as a screen reader sees it: a graphic, which screen readers announce with its
/// name and description on focus and whose description changes they read out, named 「碁盤」
/// and described by the cursor's point.
class BoardPictureAccessible : public QAccessibleWidget {
  public:
    explicit BoardPictureAccessible(BoardPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        const auto* picture = static_cast<const BoardPicture*>(widget());
        if (kind == QAccessible::Name && picture->accessibleName().isEmpty())
            return QStringLiteral("碁盤");
        if (kind == QAccessible::Description && picture->accessibleDescription().isEmpty())
            return picture->AccessibleDescription();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* BoardPictureAccessibleFactory(const QString&, QObject* object) {
    if (auto* picture = qobject_cast<BoardPicture*>(object))
        return new BoardPictureAccessible(picture);
    return nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TwipsPicture::TwipsPicture(QSize sizeTwips, QWidget* parent) : QWidget(parent) {
    ResizePicture(sizeTwips, palette().color(QPalette::Window));
}

qreal TwipsPicture::CurrentRatio() const {
    return (fixedRatio_ > 0 ? fixedRatio_ : devicePixelRatioF()) * widgets::LayoutScale();
}

void TwipsPicture::ResizePicture(QSize sizeTwips, const QColor& fill) {
    sizeTwips_ = sizeTwips;
    ratio_ = CurrentRatio();
    scale_ = widgets::LayoutScale();
    const double twipsPerPixel = TwipsPerWidgetPixel();
    const QSize logical(int(std::ceil(sizeTwips.width() / twipsPerPixel)),
                        int(std::ceil(sizeTwips.height() / twipsPerPixel)));
    setFixedSize(logical);
    pixmap_ = QPixmap(int(std::ceil(logical.width() * WidgetPixelRatio())),
                      int(std::ceil(logical.height() * WidgetPixelRatio())));
    pixmap_.fill(fill);
    update();
}

int TwipsPicture::DevicePixel(double twips) const {
    // The small tolerance keeps exact multiples (450 twips = 30 pixels) from rounding down.
    return int(std::floor(ToDevice(twips) + 1e-9));
}

QFont TwipsPicture::DeviceFont(QFont font, double points) const {
    // Sized for the pixmap's own pixels rather than drawn through a scaled painter: that keeps
    // fractional sizes, and a scaled painter would lose the bold of fonts without a bold face.
    const double pixels = ToDevice(points * 20);
    font.setPointSizeF(pixels * 72.0 / pixmap_.logicalDpiY());
    return font;
}

double TwipsPicture::TextWidth(const QString& text, const QFont& font, double points) const {
    const QFontMetricsF metrics(DeviceFont(font, points), &pixmap_);
    return metrics.horizontalAdvance(text) * kTwipsPerPixel / ratio_;
}

void TwipsPicture::DrawTextAt(QPainter& painter, double xTwips, double yTwips, const QString& text,
                              const QFont& font, double points) const {
    painter.setFont(DeviceFont(font, points));
    painter.drawText(QRectF(ToDevice(xTwips), ToDevice(yTwips), pixmap_.width(), pixmap_.height()),
                     Qt::AlignLeft | Qt::AlignTop, text);
}

void TwipsPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QRectF(rect()), pixmap_, QRectF(pixmap_.rect()));
}

// ---------------------------------------------------------------------------------------------

BoardPicture::BoardPicture(const BoardGeometry& geometry, QWidget* parent)
    : TwipsPicture(QSize(geometry.pictureWidth, geometry.pictureHeight), parent),
      geometry_(geometry) {
    QAccessible::installFactory(BoardPictureAccessibleFactory);  // once: repeats are ignored
    setMouseTracking(true);
    Canvas().fill(background_);
}

void BoardPicture::SetGeometry(const BoardGeometry& geometry) {
    geometry_ = geometry;
    ResizePicture(QSize(geometry.pictureWidth, geometry.pictureHeight), background_);
}

QPoint BoardPicture::PointPixel(int x, int y) const {
    return QPoint(DevicePixel(PointTwipsX(x)), DevicePixel(PointTwipsY(y)));
}

QPointF BoardPicture::PointCentre(int x, int y) const {
    const double half = LineWidth() / 2.0;
    return QPointF(PointPixel(x, y)) + QPointF(half, half);
}

int BoardPicture::LineWidth() const {
    return std::max(1, qRound(PixelRatio()));
}

int BoardPicture::StoneRadiusPixels() const {
    // Rounded down so that two neighbouring stones never overlap by more than one line width.
    return DevicePixel(geometry_.stoneRadius);
}

QRect BoardPicture::StoneRect(int x, int y) const {
    const QPoint corner = PointPixel(x, y);
    const int radius = StoneRadiusPixels();
    const int side = 2 * radius + LineWidth();
    return QRect(corner.x() - radius, corner.y() - radius, side, side);
}

void BoardPicture::Changed(const QRect& deviceRect) {
    const qreal ratio = WidgetPixelRatio();
    update(QRectF(deviceRect.x() / ratio, deviceRect.y() / ratio, deviceRect.width() / ratio,
                  deviceRect.height() / ratio)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void BoardPicture::DrawBoard() {
    if (PixelRatioChanged())
        ResizePicture(PictureSizeTwips(), background_);
    QPainter painter(&Canvas());
    const double half = geometry_.backgroundHalfWidth;
    const int left = DevicePixel(geometry_.centreX - half);
    const int top = DevicePixel(geometry_.centreY - half);
    const int right = DevicePixel(geometry_.centreX + half);
    const int bottom = DevicePixel(geometry_.centreY + half + 1);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), background_);

    for (int x = 4; x <= 16; x += 6) {
        for (int y = 4; y <= 16; y += 6)
            DrawStarPoint(painter, x, y);
    }
    const int width = LineWidth();
    const QPoint first = PointPixel(1, 1);
    const QPoint last = PointPixel(go::kBoardSize, go::kBoardSize);
    for (int i = 1; i <= go::kBoardSize; ++i) {
        const QPoint crossing = PointPixel(i, i);
        painter.fillRect(QRect(first.x(), crossing.y(), last.x() - first.x() + width, width),
                         Qt::black);
        painter.fillRect(QRect(crossing.x(), first.y(), width, last.y() - first.y() + width),
                         Qt::black);
    }
    update();
}

void BoardPicture::DrawStarPoint(QPainter& painter, int x, int y) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double radius = ToDevice(geometry_.starRadius);
    painter.drawEllipse(PointCentre(x, y), radius, radius);
    painter.restore();
}

void BoardPicture::StoneOn(int x, int y, int number, const go::StoneLook& look) {
    const QRect square = StoneRect(x, y);
    QPainter painter(&Canvas());
    painter.drawImage(square.topLeft(),
                      StoneImage(look.white ? StoneWhite : StoneBlack, square.size()));
    if (look.writeNumber) {
        painter.setClipRect(square);
        DrawNumber(painter, x, y, number, look);
    }
    Changed(square);
}

const QImage& BoardPicture::StoneImage(StoneImageKind kind, QSize size) const {
    // A rebuild draws hundreds of stones; each is stamped from one image drawn once per
    // colour and size instead of being drawn with smoothing every time.
    QImage& image = stoneImages_[kind];
    if (image.size() == size)
        return image;
    image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect square(QPoint(0, 0), size);
    const int width = LineWidth();
    const double radius = StoneRadiusPixels();
    const QPointF centre(radius + width / 2.0, radius + width / 2.0);
    // The fill runs under the outline so that no board colour shows between them, but keeps
    // off the square's border, which it shares with the neighbours: there only the outline is
    // drawn, so redrawing a neighbour's outline alone restores it exactly.
    if (kind != StoneOutline) {
        painter.setClipRect(square.adjusted(width, width, -width, -width));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kind == StoneWhite ? Qt::white : Qt::black);
        painter.drawEllipse(centre, radius, radius);
        painter.setClipRect(square);
    }
    painter.setPen(QPen(Qt::black, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    return image;
}

void BoardPicture::DrawNumber(QPainter& painter, int x, int y, int number,
                              const go::StoneLook& look) const {
    QFont font(kPictureFontFamily);
    font.setBold(look.printingMode);
    const QString text = QString::number(number);
    const double toTwips = kTwipsPerPixel / PixelRatio();
    const QPointF centre = PointCentre(x, y) * toTwips;
    // The number is measured against the inside of the outline, so that on the small boards
    // too it stays clear of it.
    const double inside = (StoneRadiusPixels() - LineWidth() / 2.0) * toTwips;
    // The small boards write in type scaled with their stones.
    const double points = kNumberPoints * geometry_.stoneRadius / kMainBoardGeometry.stoneRadius;
    const common::StoneNumberPlacement placement =
        common::FitNumberInStone(text, font, points, centre.x(), centre.y(), inside);
    painter.setPen(look.white ? Qt::black : Qt::white);
    DrawTextAt(painter, placement.left, placement.top, text, font, placement.points);
}

void BoardPicture::StoneOff(int x, int y, const go::BoardGrid& board) {
    QPainter painter(&Canvas());
    const QRect square = StoneRect(x, y);
    // Everything below stays inside the erased square: the lines and outlines beyond it were
    // never touched, and drawing over them again would thicken them.
    painter.setClipRect(square);
    painter.fillRect(square, background_);
    if (IsStarPoint(x, y))
        DrawStarPoint(painter, x, y);
    DrawHalfSegments(painter, x, y);
    DrawOutline(painter, x - 1, y, board);
    DrawOutline(painter, x + 1, y, board);
    DrawOutline(painter, x, y - 1, board);
    DrawOutline(painter, x, y + 1, board);
    Changed(square);
}

void BoardPicture::DrawHalfSegments(QPainter& painter, int x, int y) const {
    const QPoint crossing = PointPixel(x, y);
    const int width = LineWidth();
    const double reachX = geometry_.pitchX / 2 + kSegmentOverlap;
    const double reachY = geometry_.pitchY / 2 + kSegmentOverlap;
    if (x > 1) {
        const int end = DevicePixel(PointTwipsX(x) - reachX);
        painter.fillRect(QRect(end, crossing.y(), crossing.x() - end + width, width), Qt::black);
    }
    if (x < go::kBoardSize) {
        const int end = DevicePixel(PointTwipsX(x) + reachX);
        painter.fillRect(QRect(crossing.x(), crossing.y(), end - crossing.x() + width, width),
                         Qt::black);
    }
    if (y > 1) {
        const int end = DevicePixel(PointTwipsY(y) - reachY);
        painter.fillRect(QRect(crossing.x(), end, width, crossing.y() - end + width), Qt::black);
    }
    if (y < go::kBoardSize) {
        const int end = DevicePixel(PointTwipsY(y) + reachY);
        painter.fillRect(QRect(crossing.x(), crossing.y(), width, end - crossing.y() + width),
                         Qt::black);
    }
}

void BoardPicture::DrawOutline(QPainter& painter, int x, int y, const go::BoardGrid& board) const {
    if (!board.Occupied(x, y))
        return;
    // Stamped from the same image as the stones' outlines, so a restored outline matches the
    // original to the pixel.
    const QRect square = StoneRect(x, y);
    painter.drawImage(square.topLeft(), StoneImage(StoneOutline, square.size()));
}

void BoardPicture::Patching(int x, int y, const go::BoardGrid& board) {
    QPainter painter(&Canvas());
    DrawOutline(painter, x, y, board);
    if (go::BoardGrid::OnBoard(x, y))
        Changed(StoneRect(x, y));
}

void BoardPicture::MarkLastMove(int x, int y) {
    QPainter painter(&Canvas());
    const QPoint crossing = PointPixel(x, y);
    const int radius = StoneRadiusPixels();
    const int halfWidth = qRound(0.5 * radius);
    const int top = crossing.y() + qRound(0.45 * radius);
    const int bottom = crossing.y() + qRound(0.7 * radius);
    const QRect mark(QPoint(crossing.x() - halfWidth, top),
                     QPoint(crossing.x() + halfWidth + LineWidth() - 1, bottom));
    painter.fillRect(mark, kLastMoveRed);
    Changed(mark);
}

void BoardPicture::DrawCountMark(int x, int y, go::CountMark mark) {
    QPainter painter(&Canvas());
    const QPoint crossing = PointPixel(x, y);
    const int reachX = qRound(ToDevice(kCountMarkFraction * geometry_.pitchX));
    const int reachY = qRound(ToDevice(kCountMarkFraction * geometry_.pitchY));
    const int width = LineWidth();
    const QRect area(QPoint(crossing.x() - reachX, crossing.y() - reachY),
                     QPoint(crossing.x() + reachX + width - 1, crossing.y() + reachY + width - 1));
    if (mark == go::CountMark::Neutral) {
        // Drawn without smoothing: a cross this small would otherwise turn grey.
        painter.setPen(QPen(Qt::black, width));
        painter.drawLine(area.topLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomLeft());
    } else {
        painter.fillRect(
            area, mark == go::CountMark::BlackTerritory ? kBlackTerritoryBlue : kWhiteTerritoryRed);
    }
    Changed(area);
}

bool BoardPicture::PointFromTwips(double X, double Y, const BoardGeometry& geometry, int& x,
                                  int& y) {
    const double reachX = 9.5 * geometry.pitchX;
    const double reachY = 9.5 * geometry.pitchY;
    const bool inside = geometry.centreX - reachX < X && X < geometry.centreX + reachX &&
                        geometry.centreY - reachY < Y && Y < geometry.centreY + reachY;
    if (!inside)
        return false;
    x = int(std::floor((X - geometry.centreX) / geometry.pitchX + 0.5)) + 10;
    y = int(std::floor((Y - geometry.centreY) / geometry.pitchY + 0.5)) + 10;
    return true;
}

void BoardPicture::mousePressEvent(QMouseEvent* event) {
    const QPointF position = event->position() * TwipsPerWidgetPixel();
    int x = 0;
    int y = 0;
    const bool onPoint = PointFromTwips(position.x(), position.y(), geometry_, x, y);
    // Keys go on from the point last clicked.
    if (onPoint && keyboardCursor_)
        MoveCursorTo(QPoint(x, y));
    emit Clicked(event->button(), onPoint ? QPoint(x, y) : QPoint());
}

void BoardPicture::mouseMoveEvent(QMouseEvent*) {
    emit MouseMoved();
}

// The keyboard cursor --------------------------------------------------------------------------

void BoardPicture::SetKeyboardCursorEnabled(bool enabled) {
    keyboardCursor_ = enabled;
    setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

void BoardPicture::SetCursorPoint(QPoint point) {
    if (go::BoardGrid::OnBoard(point.x(), point.y()))
        MoveCursorTo(point);
}

void BoardPicture::SetPointWords(PointWords words) {
    pointWords_ = std::move(words);
    DescriptionChanged();
}

void BoardPicture::SetLastMoveText(const QString& text) {
    if (text == lastMoveText_)
        return;
    lastMoveText_ = text;
    DescriptionChanged();
}

QString BoardPicture::AccessibleDescription() const {
    if (!keyboardCursor_)
        return lastMoveText_;
    QString text = pointWords_ ? pointWords_(cursor_) : output::PointName(cursor_.x(), cursor_.y());
    if (!lastMoveText_.isEmpty())
        text += QStringLiteral("、") + lastMoveText_;
    return text;
}

void BoardPicture::DescriptionChanged() {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void BoardPicture::MoveCursorTo(QPoint point) {
    if (point == cursor_)
        return;
    cursor_ = point;
    update();
    DescriptionChanged();
}

bool BoardPicture::IsCursorKey(const QKeyEvent& event) const {
    if (!keyboardCursor_ || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return !ArrowStep(event.key()).isNull() || ClickOfKey(event.key()) != Qt::NoButton;
}

bool BoardPicture::event(QEvent* event) {
    // The window's arrow-key shortcuts step through the game; while the board has the focus
    // the arrows move its cursor instead (Home and End still step).
    if (event->type() == QEvent::ShortcutOverride && IsCursorKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return TwipsPicture::event(event);
}

void BoardPicture::keyPressEvent(QKeyEvent* event) {
    if (!IsCursorKey(*event)) {
        TwipsPicture::keyPressEvent(event);
        return;
    }
    cursorShown_ = true;
    update();
    const QPoint step = ArrowStep(event->key());
    if (!step.isNull()) {
        const QPoint target = cursor_ + step;
        if (go::BoardGrid::OnBoard(target.x(), target.y()))
            MoveCursorTo(target);
        return;
    }
    // A held key clicks once: a repeated take-back would undo move after move.
    if (!event->isAutoRepeat())
        emit Clicked(ClickOfKey(event->key()), cursor_);
}

void BoardPicture::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::MouseFocusReason)
        cursorShown_ = false;
    else if (event->reason() != Qt::ActiveWindowFocusReason &&
             event->reason() != Qt::PopupFocusReason)
        cursorShown_ = true;
    update();
    TwipsPicture::focusInEvent(event);
}

void BoardPicture::focusOutEvent(QFocusEvent* event) {
    update();
    TwipsPicture::focusOutEvent(event);
}

void BoardPicture::paintEvent(QPaintEvent* event) {
    TwipsPicture::paintEvent(event);
    if (!keyboardCursor_ || !cursorShown_ || !hasFocus())
        return;
    // A dark frame with a white one inside shows on the board, on black and on white stones.
    const qreal ratio = WidgetPixelRatio();
    const QRect stone = StoneRect(cursor_.x(), cursor_.y());
    const QRectF square(stone.x() / ratio, stone.y() / ratio, stone.width() / ratio,
                        stone.height() / ratio);
    QPainter painter(this);
    painter.setPen(QPen(kCursorBlue, 3));
    painter.drawRect(square.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(square.adjusted(1, 1, -1, -1));
}

}  // namespace board
