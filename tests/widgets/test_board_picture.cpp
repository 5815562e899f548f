#include <QAccessible>
#include <QLineEdit>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QShortcut>
#include <QtTest>

#include "common/font_setup.h"
#include "widgets/board_picture.h"
#include "widgets/numeral_strips.h"

using board::BoardGeometry;
using board::BoardPicture;
using go::BoardGrid;
using go::CountMark;
using go::StoneLook;

namespace {

QImage ImageOf(const board::TwipsPicture& picture) {
    return picture.Pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

/// Empty when the images agree, else where and how they first differ.
QString FirstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(actual.pixel(x, y)).name(), QColor(expected.pixel(x, y)).name());
        }
    }
    return QString();
}

const BoardGeometry& GeometryFor(bool small) {
    return small ? board::kSmallBoardGeometry : board::kMainBoardGeometry;
}

go::StoneLook Look(bool white, bool writeNumber, bool printing = false) {
    go::StoneLook look;
    look.white = white;
    look.writeNumber = writeNumber;
    look.printingMode = printing;
    return look;
}

/// The device pixel at the grid crossing of point (x, y).
QPoint Crossing(const BoardPicture& picture, int x, int y) {
    return picture.StoneRect(x, y).center();
}

bool Near(QColor actual, QColor expected) {
    return qAbs(actual.red() - expected.red()) < 60 &&
           qAbs(actual.green() - expected.green()) < 60 &&
           qAbs(actual.blue() - expected.blue()) < 60;
}

/// Pixels inside the stone (clear of its outline) in the colour of its number.
int NumberInk(const QImage& image, const QRect& stone, bool whiteStone) {
    int ink = 0;
    const QPoint centre = stone.center();
    const int reach = stone.width() / 2 - 3;
    for (int y = centre.y() - reach; y <= centre.y() + reach; ++y) {
        for (int x = centre.x() - reach; x <= centre.x() + reach; ++x) {
            const QPoint offset = QPoint(x, y) - centre;
            if (offset.x() * offset.x() + offset.y() * offset.y() > reach * reach)
                continue;
            const int grey = qGray(image.pixel(x, y));
            if (whiteStone ? grey < 128 : grey > 128)
                ++ink;
        }
    }
    return ink;
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour.rgb())
                return true;
        }
    }
    return false;
}

bool HasInk(const QImage& image, const QRectF& areaTwips) {
    const double scale = 1.0 / board::TwipsPicture::kTwipsPerPixel;
    const QRect area = QRectF(areaTwips.topLeft() * scale, areaTwips.size() * scale)
                           .toAlignedRect()
                           .intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                return true;
        }
    }
    return false;
}

/// A window that holds a board played from the keyboard, a line edit to take the focus away,
/// and, like the main window, shortcuts on Left, Home and End; `log` lists the board's clicks
/// ("L16,4", "R16,4") and the shortcuts that fired.
struct KeyboardBoard {
    QWidget window;
    BoardPicture* picture = new BoardPicture(board::kSmallBoardGeometry, &window);
    QLineEdit* elsewhere = new QLineEdit(&window);
    QStringList log;

    explicit KeyboardBoard(bool cursorEnabled = true) {
        picture->SetPixelRatio(1);
        picture->DrawBoard();
        picture->SetKeyboardCursorEnabled(cursorEnabled);
        elsewhere->move(0, picture->height());
        QObject::connect(picture, &BoardPicture::Clicked,
                         [this](Qt::MouseButton button, QPoint point) {
                             log << QStringLiteral("%1%2,%3")
                                        .arg(button == Qt::LeftButton ? 'L' : 'R')
                                        .arg(point.x())
                                        .arg(point.y());
                         });
        for (const char* key : {"Left", "Home", "End"}) {
            auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), &window);
            QObject::connect(shortcut, &QShortcut::activated,
                             [this, key] { log << QString::fromLatin1(key); });
        }
        window.show();
        window.activateWindow();
    }
    /// The picture as the screen shows it, cursor included.
    QImage Shown() const { return picture->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    bool ShowsOnlyPixmap() const { return FirstDifference(Shown(), ImageOf(*picture)).isEmpty(); }
};

}  // namespace

class TestBoardPicture : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void eraseLeavesFreshBoard_data();
    void eraseLeavesFreshBoard();
    void neighbourOutlinesSurviveErase_data();
    void neighbourOutlinesSurviveErase();
    void patchingDrawsOutlineOnlyOnStones_data();
    void patchingDrawsOutlineOnlyOnStones();
    void numberFollowsLook_data();
    void numberFollowsLook();
    void lastMoveMarkIsRedBarInLowerHalf_data();
    void lastMoveMarkIsRedBarInLowerHalf();
    void countMarkColours_data();
    void countMarkColours();
    void numberFitsInStone_data();
    void numberFitsInStone();
    void pointFromTwips_data();
    void pointFromTwips();
    void numeralCaption_data();
    void numeralCaption();
    void numeralStripsWriteEveryNumeral();
    void keyboardCursor_data();
    void keyboardCursor();
    void cursorShownOnlyWithKeyboardFocus();
    void accessibleBoard();
};

void TestBoardPicture::eraseLeavesFreshBoard_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("printing");
    QTest::addColumn<bool>("small");
    QTest::addColumn<double>("ratio");
    QTest::newRow("star point 10-10") << 10 << 10 << 7 << false << false << 1.0;
    QTest::newRow("plain point 4-5") << 4 << 5 << 8 << false << false << 1.0;
    QTest::newRow("left edge 1-7") << 1 << 7 << 7 << false << false << 1.0;
    QTest::newRow("top edge 9-1") << 9 << 1 << 7 << false << false << 1.0;
    QTest::newRow("corner 19-19") << 19 << 19 << 7 << false << false << 1.0;
    QTest::newRow("bold three digits") << 10 << 10 << 100 << true << false << 1.0;
    QTest::newRow("star point 16-4 at ratio 2") << 16 << 4 << 7 << false << false << 2.0;
    QTest::newRow("edge 1-19 at ratio 1.5") << 1 << 19 << 7 << false << false << 1.5;
    QTest::newRow("small board star 4-4") << 4 << 4 << 7 << false << true << 1.0;
    QTest::newRow("small board edge 19-3") << 19 << 3 << 256 << false << true << 2.0;
}

void TestBoardPicture::eraseLeavesFreshBoard() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, number);
    QFETCH(bool, printing);
    QFETCH(bool, small);
    QFETCH(double, ratio);
    BoardPicture picture(GeometryFor(small));
    picture.SetPixelRatio(ratio);
    picture.DrawBoard();
    const QImage fresh = ImageOf(picture);

    picture.StoneOn(x, y, number, Look(number % 2 == 0, true, printing));
    picture.MarkLastMove(x, y);
    QVERIFY(ImageOf(picture) != fresh);
    picture.StoneOff(x, y, go::BoardGrid());
    QCOMPARE(FirstDifference(ImageOf(picture), fresh), QString());
}

void TestBoardPicture::neighbourOutlinesSurviveErase_data() {
    QTest::addColumn<QPoint>("erased");
    QTest::addColumn<QList<QPoint>>("kept");
    QTest::addColumn<bool>("small");
    QTest::addColumn<double>("ratio");
    const QList<QPoint> fourSides{{9, 10}, {11, 10}, {10, 9}, {10, 11}};
    QTest::newRow("white on the left") << QPoint(11, 10) << QList<QPoint>{{10, 10}} << false << 1.0;
    QTest::newRow("four sides") << QPoint(10, 10) << fourSides << false << 1.0;
    QTest::newRow("diagonals") << QPoint(10, 10) << QList<QPoint>{{9, 9}, {11, 11}} << false << 1.0;
    QTest::newRow("four sides at ratio 2") << QPoint(10, 10) << fourSides << false << 2.0;
    QTest::newRow("small board four sides") << QPoint(10, 10) << fourSides << true << 1.0;
    QTest::newRow("edge stone below") << QPoint(1, 18) << QList<QPoint>{{1, 19}} << true << 1.5;
}

void TestBoardPicture::neighbourOutlinesSurviveErase() {
    QFETCH(QPoint, erased);
    QFETCH(QList<QPoint>, kept);
    QFETCH(bool, small);
    QFETCH(double, ratio);
    BoardPicture picture(GeometryFor(small));
    picture.SetPixelRatio(ratio);
    picture.DrawBoard();
    go::BoardGrid board;
    for (int i = 0; i < kept.size(); ++i) {
        const int number = i + 1;
        board.Set(kept[i].x(), kept[i].y(), qint16(number));
        picture.StoneOn(kept[i].x(), kept[i].y(), number, Look(number % 2 == 0, true));
    }
    const QImage withoutErasedStone = ImageOf(picture);

    picture.StoneOn(erased.x(), erased.y(), 99, Look(false, true));
    QVERIFY(ImageOf(picture) != withoutErasedStone);
    picture.StoneOff(erased.x(), erased.y(), board);
    QCOMPARE(FirstDifference(ImageOf(picture), withoutErasedStone), QString());
}

void TestBoardPicture::patchingDrawsOutlineOnlyOnStones_data() {
    QTest::addColumn<bool>("occupied");
    QTest::newRow("stone on the point") << true;
    QTest::newRow("empty point") << false;
}

void TestBoardPicture::patchingDrawsOutlineOnlyOnStones() {
    QFETCH(bool, occupied);
    BoardPicture picture;
    picture.SetPixelRatio(1);
    picture.DrawBoard();
    const QImage fresh = ImageOf(picture);
    go::BoardGrid board;
    if (occupied)
        board.Set(7, 8, 3);

    picture.Patching(7, 8, board);
    const QImage patched = ImageOf(picture);
    QCOMPARE(patched != fresh, occupied);
    // The outline has no fill: inside the circle the board still shows.
    const QPoint inside = Crossing(picture, 7, 8) + QPoint(5, 5);
    QCOMPARE(patched.pixel(inside), fresh.pixel(inside));
}

void TestBoardPicture::numberFollowsLook_data() {
    QTest::addColumn<bool>("white");
    QTest::addColumn<bool>("writeNumber");
    QTest::addColumn<bool>("printing");
    QTest::addColumn<int>("number");
    QTest::newRow("white stone, black number") << true << true << false << 8;
    QTest::newRow("black stone, white number") << false << true << false << 57;
    QTest::newRow("white stone without number") << true << false << false << 8;
    QTest::newRow("black stone without number") << false << false << false << 57;
    QTest::newRow("printing, three digits") << true << true << true << 388;
}

void TestBoardPicture::numberFollowsLook() {
    QFETCH(bool, white);
    QFETCH(bool, writeNumber);
    QFETCH(bool, printing);
    QFETCH(int, number);
    BoardPicture picture;
    picture.SetPixelRatio(1);
    picture.DrawBoard();
    picture.StoneOn(10, 10, number, Look(white, writeNumber, printing));
    const int ink = NumberInk(ImageOf(picture), picture.StoneRect(10, 10), white);
    QCOMPARE(ink > 0, writeNumber);
}

void TestBoardPicture::lastMoveMarkIsRedBarInLowerHalf_data() {
    QTest::addColumn<bool>("small");
    QTest::addColumn<double>("ratio");
    QTest::newRow("main board") << false << 1.0;
    QTest::newRow("main board at ratio 2") << false << 2.0;
    QTest::newRow("small board") << true << 1.0;
}

void TestBoardPicture::lastMoveMarkIsRedBarInLowerHalf() {
    QFETCH(bool, small);
    QFETCH(double, ratio);
    BoardPicture picture(GeometryFor(small));
    picture.SetPixelRatio(ratio);
    picture.DrawBoard();
    picture.StoneOn(4, 16, 5, Look(false, false));
    picture.MarkLastMove(4, 16);

    const QImage marked = ImageOf(picture);
    const QPoint centre = Crossing(picture, 4, 16);
    const int radius = picture.StoneRect(4, 16).width() / 2;
    const QColor red(255, 0, 0);
    QCOMPARE(QColor(marked.pixel(centre + QPoint(0, radius * 57 / 100))), red);
    QCOMPARE(QColor(marked.pixel(centre + QPoint(radius / 3, radius * 57 / 100))), red);
    QCOMPARE(QColor(marked.pixel(centre + QPoint(radius / 3, radius * 30 / 100))),
             QColor(Qt::black));
    QCOMPARE(QColor(marked.pixel(centre + QPoint(radius / 3, radius * 85 / 100))),
             QColor(Qt::black));

    // Drawing the stone again takes the mark away.
    picture.StoneOn(4, 16, 5, Look(false, false));
    QVERIFY(!HasColour(ImageOf(picture), picture.StoneRect(4, 16), red));
}

void TestBoardPicture::countMarkColours_data() {
    QTest::addColumn<int>("mark");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("neutral cross") << int(go::CountMark::Neutral) << QColor(Qt::black);
    QTest::newRow("black territory") << int(go::CountMark::BlackTerritory) << QColor(0, 0, 255);
    QTest::newRow("white territory") << int(go::CountMark::WhiteTerritory) << QColor(255, 0, 0);
}

void TestBoardPicture::countMarkColours() {
    QFETCH(int, mark);
    QFETCH(QColor, expected);
    BoardPicture picture;
    picture.SetPixelRatio(1);
    picture.DrawBoard();
    const QImage fresh = ImageOf(picture);
    picture.DrawCountMark(5, 12, go::CountMark(mark));

    const QImage marked = ImageOf(picture);
    const QPoint centre = Crossing(picture, 5, 12);
    const QPoint onMark = centre + QPoint(2, 2);
    const QPoint besideMark = centre + QPoint(6, 2);
    QVERIFY2(Near(marked.pixel(onMark), expected), qPrintable(QColor(marked.pixel(onMark)).name()));
    QCOMPARE(marked.pixel(besideMark), fresh.pixel(besideMark));
}

void TestBoardPicture::numberFitsInStone_data() {
    QTest::addColumn<bool>("small");
    QTest::addColumn<bool>("printing");
    QTest::addColumn<int>("number");
    QTest::newRow("main, one digit") << false << false << 7;
    QTest::newRow("main, three digits") << false << false << 256;
    QTest::newRow("main printing, three digits") << false << true << 388;
    QTest::newRow("small, two digits") << true << false << 10;
    QTest::newRow("small, three digits") << true << false << 192;
    QTest::newRow("small printing, three digits") << true << true << 256;
}

void TestBoardPicture::numberFitsInStone() {
    QFETCH(bool, small);
    QFETCH(bool, printing);
    QFETCH(int, number);
    BoardPicture picture(GeometryFor(small));
    picture.SetPixelRatio(2);
    picture.DrawBoard();
    picture.StoneOn(10, 10, number, Look(false, true, printing));
    const QImage image = ImageOf(picture);
    const QRect stone = picture.StoneRect(10, 10);
    // The white ink of the number on the black stone, clear of the outline's smoothing.
    QRect ink;
    const int reach = stone.width() / 2 - 3;
    for (int y = stone.top(); y <= stone.bottom(); ++y) {
        for (int x = stone.left(); x <= stone.right(); ++x) {
            const QPoint offset = QPoint(x, y) - stone.center();
            const bool inside = offset.x() * offset.x() + offset.y() * offset.y() < reach * reach;
            if (inside && qGray(image.pixel(x, y)) > 160)
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.width() <= 0.9 * stone.width(), qPrintable(QString::number(ink.width())));
    const QPoint offCentre = ink.center() - stone.center();
    QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

void TestBoardPicture::pointFromTwips_data() {
    QTest::addColumn<bool>("small");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");
    QTest::addColumn<bool>("onBoard");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("centre") << false << 4297.0 << 4297.0 << true << 10 << 10;
    QTest::newRow("left bound is off") << false << 22.0 << 4297.0 << false << 0 << 0;
    QTest::newRow("just inside left") << false << 22.5 << 4297.0 << true << 1 << 10;
    QTest::newRow("right bound is off") << false << 8572.0 << 4297.0 << false << 0 << 0;
    QTest::newRow("just inside right") << false << 8571.5 << 4297.0 << true << 19 << 10;
    QTest::newRow("top bound is off") << false << 4297.0 << 22.0 << false << 0 << 0;
    QTest::newRow("bottom bound is off") << false << 4297.0 << 8572.0 << false << 0 << 0;
    QTest::newRow("half pitch right rounds up") << false << 4522.0 << 4297.0 << true << 11 << 10;
    QTest::newRow("under half pitch right") << false << 4521.0 << 4297.0 << true << 10 << 10;
    QTest::newRow("half pitch left rounds up") << false << 4072.0 << 4297.0 << true << 10 << 10;
    QTest::newRow("past half pitch left") << false << 4071.0 << 4297.0 << true << 9 << 10;
    QTest::newRow("half pitch down") << false << 4297.0 << 4747.0 << true << 10 << 11;
    QTest::newRow("small board centre") << true << 2578.0 << 2578.0 << true << 10 << 10;
    QTest::newRow("small board bound is off") << true << 13.0 << 2578.0 << false << 0 << 0;
    QTest::newRow("small board just inside") << true << 13.5 << 5142.5 << true << 1 << 19;
}

void TestBoardPicture::pointFromTwips() {
    QFETCH(bool, small);
    QFETCH(double, X);
    QFETCH(double, Y);
    QFETCH(bool, onBoard);
    QFETCH(int, x);
    QFETCH(int, y);
    int pointX = 0;
    int pointY = 0;
    QCOMPARE(BoardPicture::PointFromTwips(X, Y, GeometryFor(small), pointX, pointY), onBoard);
    if (onBoard) {
        QCOMPARE(pointX, x);
        QCOMPARE(pointY, y);
    }
}

void TestBoardPicture::numeralCaption_data() {
    QTest::addColumn<bool>("smallScreen");
    QTest::addColumn<bool>("showNumerals");
    QTest::addColumn<bool>("numeralPitch");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("columnStrip");
    QTest::addColumn<bool>("rowStrip");
    const QString title = QStringLiteral("ソラマメ Ｖ３．０");
    QTest::newRow("large, numerals") << false << true << true << title << true << true;
    QTest::newRow("large, no numerals") << false << false << false << title << false << false;
    QTest::newRow("small, numerals, pitch")
        << true << true << true
        << QStringLiteral(
               "   1    2    3     4    5     6    7     8     9    10   11   12   13   14   15    "
               "16   17   18   19")
        << false << true;
    QTest::newRow("small, numerals, no pitch")
        << true << true << false
        << QStringLiteral(
               "   1      2      3      4      5      6      7      8      9     10     11    12   "
               " 13     14    15     16    17     18    19")
        << false << true;
    QTest::newRow("small, no numerals") << true << false << true << title << false << false;
}

void TestBoardPicture::numeralCaption() {
    QFETCH(bool, smallScreen);
    QFETCH(bool, showNumerals);
    QFETCH(bool, numeralPitch);
    QFETCH(QString, caption);
    QFETCH(bool, columnStrip);
    QFETCH(bool, rowStrip);
    QCOMPARE(board::NumeralCaption(smallScreen, showNumerals, numeralPitch), caption);
    const board::NumeralStripVisibility visible =
        board::VisibleNumeralStrips(smallScreen, showNumerals);
    QCOMPARE(visible.columnStrip, columnStrip);
    QCOMPARE(visible.rowStrip, rowStrip);
}

void TestBoardPicture::numeralStripsWriteEveryNumeral() {
    board::ColumnNumeralStrip columns;
    columns.SetPixelRatio(1);
    columns.DrawNumerals();
    const QImage columnImage = ImageOf(columns);
    for (int column = 1; column <= 19; ++column) {
        const double left = 450.0 * column - (column < 10 ? 60 : 120);
        QVERIFY2(HasInk(columnImage, QRectF(left, 30, 250, 250)),
                 qPrintable(QString::number(column)));
    }
    board::RowNumeralStrip rows;
    rows.SetPixelRatio(1);
    rows.DrawNumerals();
    const QImage rowImage = ImageOf(rows);
    for (int row = 1; row <= 19; ++row) {
        const double top = row < 10 ? 450.0 * row - 280 : row == 10 ? 4220 : 450.0 * row - 380;
        QVERIFY2(HasInk(rowImage, QRectF(50, top, 200, 250)), qPrintable(QString::number(row)));
        if (row > 10)
            QVERIFY(HasInk(rowImage, QRectF(50, top + 150, 200, 250)));
    }
    // A stacked numeral is two shapes with clear pixel rows between them (more where the
    // lower character has strokes apart), all within its row.
    rows.SetPixelRatio(2);
    rows.DrawNumerals();
    const QImage sharp = ImageOf(rows);
    for (int row = 11; row <= 19; ++row) {
        const int line = int((4297 + (row - 10) * 450) * 2 / 15.0);
        QList<bool> inked;
        for (int y = line - 30; y < line + 30; ++y) {
            bool any = false;
            for (int x = 0; x < sharp.width(); ++x)
                any = any || qGray(sharp.pixel(x, y)) < 128;
            inked.append(any);
        }
        int runs = 0;
        for (int i = 0; i < inked.size(); ++i)
            runs += inked[i] && (i == 0 || !inked[i - 1]) ? 1 : 0;
        QVERIFY2(!inked.first() && !inked.last(), qPrintable(QString::number(row)));
        QVERIFY2(runs >= 2, qPrintable(QString::number(row)));
    }
}

void TestBoardPicture::keyboardCursor_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QString>("log");
    const QPoint centre(10, 10);
    QTest::newRow("arrows move") << true << centre
                                 << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Up,
                                               Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}
                                 << QPoint(9, 11) << QString();
    QTest::newRow("stops at the edges")
        << true << QPoint(1, 19) << QList<int>{Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}
        << QPoint(1, 18) << QString();
    QTest::newRow("stops at the far edges")
        << true << QPoint(19, 1) << QList<int>{Qt::Key_Right, Qt::Key_Up} << QPoint(19, 1)
        << QString();
    QTest::newRow("enter and space place")
        << true << QPoint(16, 4) << QList<int>{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}
        << QPoint(16, 4) << QStringLiteral("L16,4 L16,4 L16,4");
    QTest::newRow("backspace and delete take back")
        << true << QPoint(16, 4) << QList<int>{Qt::Key_Right, Qt::Key_Backspace, Qt::Key_Delete}
        << QPoint(17, 4) << QStringLiteral("R17,4 R17,4");
    QTest::newRow("home and end stay the window's")
        << true << centre << QList<int>{Qt::Key_Home, Qt::Key_Right, Qt::Key_End} << QPoint(11, 10)
        << QStringLiteral("Home End");
    QTest::newRow("a board without the cursor leaves every key")
        << false << centre << QList<int>{Qt::Key_Left, Qt::Key_Return} << centre
        << QStringLiteral("Left");
}

void TestBoardPicture::keyboardCursor() {
    QFETCH(bool, enabled);
    QFETCH(QPoint, start);
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, cursor);
    QFETCH(QString, log);
    KeyboardBoard board(enabled);
    QVERIFY(QTest::qWaitForWindowActive(&board.window));
    board.picture->SetCursorPoint(start);
    board.picture->setFocus(Qt::TabFocusReason);
    for (int key : keys)
        QTest::keyClick(board.picture, Qt::Key(key));
    QCOMPARE(board.picture->CursorPoint(), cursor);
    QCOMPARE(board.log.join(QLatin1Char(' ')), log);
}

void TestBoardPicture::cursorShownOnlyWithKeyboardFocus() {
    KeyboardBoard board;
    QVERIFY(QTest::qWaitForWindowActive(&board.window));
    board.picture->StoneOn(10, 10, 1, Look(false, true));
    board.elsewhere->setFocus(Qt::TabFocusReason);
    QVERIFY(board.ShowsOnlyPixmap());
    board.picture->setFocus(Qt::TabFocusReason);
    QVERIFY(!board.ShowsOnlyPixmap());
    // The cursor is drawn around the point, over the stone, and nowhere else.
    const QImage shown = board.Shown();
    const QRect around = board.picture->StoneRect(10, 10).adjusted(-3, -3, 3, 3);
    QVERIFY(HasColour(shown, around, QColor(0, 70, 220)));
    QVERIFY(HasColour(shown, around, Qt::white));
    QImage outside = shown;
    QPainter(&outside).drawImage(around.topLeft(), ImageOf(*board.picture).copy(around));
    QCOMPARE(FirstDifference(outside, ImageOf(*board.picture)), QString());
    board.elsewhere->setFocus(Qt::TabFocusReason);
    QVERIFY(board.ShowsOnlyPixmap());
    // A click gives the focus and moves the cursor without showing it; a key shows it there.
    QTest::mouseClick(board.picture, Qt::LeftButton, {}, board.picture->StoneRect(4, 16).center());
    QVERIFY(board.picture->hasFocus());
    QCOMPARE(board.picture->CursorPoint(), QPoint(4, 16));
    QVERIFY(board.ShowsOnlyPixmap());
    QTest::keyClick(board.picture, Qt::Key_Right);
    QVERIFY(!board.ShowsOnlyPixmap());
}

void TestBoardPicture::accessibleBoard() {
    KeyboardBoard board;
    QVERIFY(QTest::qWaitForWindowActive(&board.window));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(board.picture);
    QVERIFY(reader);
    QCOMPARE(reader->role(), QAccessible::Graphic);
    QVERIFY(reader->state().focusable);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("碁盤"));
    QCOMPARE(reader->text(QAccessible::Description), QStringLiteral("10の十"));
    board.picture->SetPointWords(
        [](QPoint point) { return QStringLiteral("%1-%2 空き").arg(point.x()).arg(point.y()); });
    board.picture->SetLastMoveText(QStringLiteral("直前の手 黒 1手目 16の四 右上隅星"));
    board.picture->setFocus(Qt::TabFocusReason);
    QTest::keyClick(board.picture, Qt::Key_Up);
    QCOMPARE(reader->text(QAccessible::Description),
             QStringLiteral("10-9 空き、直前の手 黒 1手目 16の四 右上隅星"));
}

QTEST_MAIN(TestBoardPicture)
#include "test_board_picture.moc"
