#include "widgets/board_picture.h"
#include "widgets/layout_scale.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using board::BoardPicture;

/// Display sizes below 100 %: windows, controls and the board shrink together, still fit an
/// 800 x 600 screen with their frame, and stay exactly as they were at 100 %.
class TestLayoutScale : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { widgets::SetLayoutScale(1.0); }
    void windowsAtScale_data();
    void windowsAtScale();
};

void TestLayoutScale::windowsAtScale_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("window");  // opened from the menu on a 600-pixel screen, which
                                        // is short only at 100 %
    QTest::addColumn<QRect>("control");
    QTest::newRow("100 % unchanged") << 1.0 << QSize(800, 600) << QRect(100, 40, 60, 20);
    QTest::newRow("90 %") << 0.9 << QSize(720, 555) << QRect(90, 36, 54, 18);
    QTest::newRow("80 %") << 0.8 << QSize(640, 494) << QRect(80, 32, 48, 16);
    QTest::newRow("70 %") << 0.7 << QSize(560, 432) << QRect(70, 28, 42, 14);
}

void TestLayoutScale::windowsAtScale() {
    QFETCH(double, scale);
    QFETCH(QSize, window);
    QFETCH(QRect, control);
    widgets::SetLayoutScale(scale);

    QWidget form;
    common::PlaceSecondaryWindow(&form, QStringLiteral("ＭＳ 明朝"), 600, nullptr);
    QCOMPARE(form.size(), window);
    // Below 100 %, with an openbox frame (1 pixel each side, a title bar of 19) it fits 800 x 600.
    if (scale < 1.0)
        QVERIFY(form.width() + 2 <= 800 && form.height() + 21 <= 600);
    QCOMPARE(form.font().pointSizeF(), 9 * scale);

    // Controls that touch at 100 % still touch.
    QLabel* left = widgets::Caption(&form, "Left", QString(), QRect(100, 40, 60, 20));
    QLabel* right = widgets::Caption(&form, "Right", QString(), QRect(160, 40, 33, 20));
    QCOMPARE(left->geometry(), control);
    QCOMPARE(right->x(), left->geometry().right() + 1);

    // The board shrinks with the window and a click still lands on the point under it.
    auto* picture = new BoardPicture(board::kMainBoardGeometry, &form);
    picture->SetPixelRatio(1);
    picture->DrawBoard();
    QVERIFY(qAbs(picture->width() - 8595 / 15.0 * scale) <= 1);
    QSignalSpy clicks(picture, &BoardPicture::Clicked);
    for (const QPoint point : {QPoint(16, 4), QPoint(1, 19), QPoint(10, 10)}) {
        QTest::mouseClick(picture, Qt::LeftButton, {},
                          picture->StoneRect(point.x(), point.y()).center());
        QCOMPARE(clicks.takeLast().at(1).toPoint(), point);
    }
}

QTEST_MAIN(TestLayoutScale)
#include "test_layout_scale.moc"
