#pragma once

#include "go/board_canvas.h"
#include "go/board_grid.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QFont;
class QKeyEvent;
class QPainter;

namespace board {

/// The family every board picture writes in; mapped to an installed font at start.
inline const QString kPictureFontFamily = QStringLiteral("ＭＳ Ｐゴシック");

/// Where the board lies on its picture and how large its parts are, all in twips.
struct BoardGeometry {
    double centreX = 0;  // the point 10-10
    double centreY = 0;
    double pitchX = 0;  // distance between lines
    double pitchY = 0;
    double starRadius = 0;
    double stoneRadius = 0;
    double backgroundHalfWidth = 0;  // the background fill around the centre
    int pictureWidth = 0;
    int pictureHeight = 0;
};

/// The board of the main window.
inline constexpr BoardGeometry kMainBoardGeometry{4297, 4297, 450, 450, 40, 225, 4297, 8595, 8595};
/// The board of the registration and erase windows: 0.6 of the main board, except the
/// background, which keeps its full half-width so that it fills the whole picture.
inline constexpr BoardGeometry kSmallBoardGeometry{2578, 2578, 270, 270, 24, 135, 4297, 5157, 5157};

/// A widget whose drawing is kept in a pixmap between repaints and addressed in twips.
/// The pixmap holds device pixels, so drawings stay sharp on HiDPI screens.
class TwipsPicture : public QWidget {
    Q_OBJECT

  public:
    static constexpr double kTwipsPerPixel = 15.0;

    /// A blank picture of the given size in twips.
    explicit TwipsPicture(QSize sizeTwips, QWidget* parent = nullptr);

    /// The drawing, in device pixels.
    const QPixmap& Pixmap() const { return pixmap_; }
    /// Device pixels per logical pixel; 0 (the default) follows the widget's screen. The new
    /// ratio takes effect when the picture is next drawn anew.
    void SetPixelRatio(qreal ratio) { fixedRatio_ = ratio; }

  protected:
    /// Starts a new blank pixmap of the given size at the current pixel ratio.
    void ResizePicture(QSize sizeTwips, const QColor& fill);
    /// Device pixels per pixel at 100 %: the screen's ratio times the layout's scale, as the
    /// current pixmap was made for.
    qreal PixelRatio() const { return ratio_; }
    /// Device pixels per pixel of the widget, for what is drawn or updated on the widget itself.
    qreal WidgetPixelRatio() const { return ratio_ / scale_; }
    double TwipsPerWidgetPixel() const { return kTwipsPerPixel / scale_; }
    /// Whether the screen's ratio differs from the one the pixmap was made for.
    bool PixelRatioChanged() const { return CurrentRatio() != ratio_; }
    QSize PictureSizeTwips() const { return sizeTwips_; }

    double ToDevice(double twips) const { return twips * ratio_ / kTwipsPerPixel; }
    /// The device pixel that holds the position `twips`.
    int DevicePixel(double twips) const;
    /// Writes text with the top-left corner of its cell at (xTwips, yTwips), the way the
    /// layouts place text; `font` carries family and bold, `points` the size.
    void DrawTextAt(QPainter& painter, double xTwips, double yTwips, const QString& text,
                    const QFont& font, double points) const;
    /// The advance of `text` in twips.
    double TextWidth(const QString& text, const QFont& font, double points) const;
    QPixmap& Canvas() { return pixmap_; }

    void paintEvent(QPaintEvent* event) override;

  private:
    QFont DeviceFont(QFont font, double points) const;
    qreal CurrentRatio() const;

    QSize sizeTwips_;
    qreal fixedRatio_ = 0;
    qreal ratio_ = 1;
    /// The layout's scale the pixmap was made for.
    qreal scale_ = 1;
    QPixmap pixmap_;
};

/// The board picture: the grid, stones with their numbers, the last-move mark and the count
/// marks, drawn one change at a time onto the kept drawing. With the keyboard cursor enabled
/// it also takes the focus and is played from the keyboard: the arrow keys move a cursor over
/// the points, Enter or Space click its point, Backspace or Delete right-click it. The cursor
/// is drawn over the kept drawing, never into it, and only while the picture has the focus
/// from the keyboard. A screen reader finds the picture as 「碁盤」, described by the cursor's
/// point and the last move.
class BoardPicture : public TwipsPicture, public go::BoardCanvas {
    Q_OBJECT

  public:
    /// The words for a board point: the point and what stands there ("16の四 黒 23手目").
    using PointWords = std::function<QString(QPoint point)>;

    /// A blank picture in the board colour, sized for `geometry`.
    explicit BoardPicture(const BoardGeometry& geometry = kMainBoardGeometry,
                          QWidget* parent = nullptr);

    /// Changes the board's size; the picture is blank until the board is drawn again.
    void SetGeometry(const BoardGeometry& geometry);
    /// The geometry the picture draws with, for turning clicks into points.
    const BoardGeometry& Geometry() const { return geometry_; }
    /// The board colour; used from the next drawing on.
    void SetBackground(const QColor& colour) { background_ = colour; }

    /// The empty board: background, star points and the 19 lines each way.
    void DrawBoard() override;
    /// A white or black stone with an outline, and its number when the look asks for it.
    void StoneOn(int x, int y, int number, const go::StoneLook& look) override;
    /// Restores the board under the stone and the outlines of the neighbours in `board`.
    void StoneOff(int x, int y, const go::BoardGrid& board) override;
    /// Redraws the outline of the stone on (x, y), if `board` has one there.
    void Patching(int x, int y, const go::BoardGrid& board);
    /// The red bar in the lower half of the stone on (x, y).
    void MarkLastMove(int x, int y) override;
    /// A small cross for a neutral point, a blue or red square for territory.
    void DrawCountMark(int x, int y, go::CountMark mark) override;

    /// The device-pixel square a stone on (x, y) may cover; an erase fills exactly this.
    QRect StoneRect(int x, int y) const;

    /// The board point under a picture position in twips; false off the board.
    static bool PointFromTwips(double X, double Y, const BoardGeometry& geometry, int& x, int& y);

    /// Lets the picture take the focus (Tab or a click) and be played from the keyboard; off
    /// by default, for the pictures that only show a board.
    void SetKeyboardCursorEnabled(bool enabled);
    /// The point the keyboard cursor is on (10-10 at first).
    QPoint CursorPoint() const { return cursor_; }
    /// Moves the keyboard cursor; a point off the board is ignored.
    void SetCursorPoint(QPoint point);
    /// Sets what the screen reader hears for the cursor's point; without it, the point's name.
    void SetPointWords(PointWords words);
    /// Sets the last move's words, which close the description; empty for none.
    void SetLastMoveText(const QString& text);
    /// What a screen reader reads after the name: the cursor's point and the last move.
    QString AccessibleDescription() const;

  signals:
    /// A mouse button went down on the picture: on board point `point` (1..19 each way), or
    /// off the points (a null point), so that a window can still answer a click anywhere.
    void Clicked(Qt::MouseButton button, QPoint point);
    /// The mouse moved over the picture, with or without a button held.
    void MouseMoved();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    /// Whether the picture answers `event` itself rather than a window shortcut.
    bool IsCursorKey(const QKeyEvent& event) const;
    void MoveCursorTo(QPoint point);
    void DescriptionChanged();
    /// Top-left device pixel of the point's grid crossing; lines are LineWidth() wide from it.
    QPoint PointPixel(int x, int y) const;
    QPointF PointCentre(int x, int y) const;
    double PointTwipsX(int x) const { return geometry_.centreX + (x - 10) * geometry_.pitchX; }
    double PointTwipsY(int y) const { return geometry_.centreY + (y - 10) * geometry_.pitchY; }
    int LineWidth() const;
    int StoneRadiusPixels() const;
    void DrawStarPoint(QPainter& painter, int x, int y) const;
    void DrawHalfSegments(QPainter& painter, int x, int y) const;
    void DrawOutline(QPainter& painter, int x, int y, const go::BoardGrid& board) const;
    void DrawNumber(QPainter& painter, int x, int y, int number, const go::StoneLook& look) const;
    void Changed(const QRect& deviceRect);
    enum StoneImageKind { StoneBlack = 0, StoneWhite = 1, StoneOutline = 2 };
    const QImage& StoneImage(StoneImageKind kind, QSize size) const;

    BoardGeometry geometry_;
    QColor background_{238, 196, 120};
    mutable std::array<QImage, 3> stoneImages_;  // by StoneImageKind, for the current size
    bool keyboardCursor_ = false;
    // A click gives the focus without showing the cursor, so that playing with the mouse looks
    // as it always did; Tab or any cursor key shows it.
    bool cursorShown_ = false;
    QPoint cursor_{10, 10};
    PointWords pointWords_;
    QString lastMoveText_;
};

}  // namespace board
