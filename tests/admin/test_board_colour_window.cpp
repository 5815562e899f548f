// The board colour window: the bars colour only the preview; "碁盤色の登録" stores the colour,
// writes the settings file and tells the windows that draw boards.
#include "admin/board_colour_window.h"
#include "admin/registration_window.h"
#include "common/font_setup.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "widgets/board_picture.h"

#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

/// A registration window with its board colour window opened by "碁盤色設定".
struct Windows {
    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    QWidget main;
    std::unique_ptr<admin::RegistrationWindow> registration;
    admin::BoardColourWindow* colourWindow = nullptr;

    Windows() {
        store::StartStore(state, root.path());
        registration = std::make_unique<admin::RegistrationWindow>(state, platform, &main);
        registration->show();
        registration->OpenBoardColourWindow();
        colourWindow = registration->findChild<admin::BoardColourWindow*>();
        if (colourWindow == nullptr)
            qFatal("no board colour window");
    }
    QScrollBar* Bar(int index) const {
        return colourWindow->findChild<QScrollBar*>(QStringLiteral("HScroll1_%1").arg(index));
    }
    void SetBars(int red, int green, int blue) const {
        Bar(0)->setValue(red);
        Bar(1)->setValue(green);
        Bar(2)->setValue(blue);
    }
    /// A pixel of the board background, clear of lines and star points.
    static QColor Background(const QWidget* window) {
        const auto* board = window->findChild<board::BoardPicture*>(QStringLiteral("Picture1"));
        const QPoint free = board->StoneRect(10, 10).center() + QPoint(5, 5);
        return board->Pixmap().toImage().pixelColor(free);
    }
};

const QColor kFirstStartColour(238, 196, 120);

}  // namespace

class TestBoardColourWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void barsColourOnlyThePreview_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("deeper yellow") << 238 << 196 << 40;
        QTest::newRow("white") << 255 << 255 << 255;
        QTest::newRow("black") << 0 << 0 << 0;
    }
    void barsColourOnlyThePreview() {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        Windows w;
        QCOMPARE(Windows::Background(w.colourWindow), kFirstStartColour);
        QSignalSpy stored(w.registration.get(), &admin::RegistrationWindow::BoardColourChanged);
        w.SetBars(red, green, blue);
        QCOMPARE(Windows::Background(w.colourWindow), QColor(red, green, blue));
        QCOMPARE(Windows::Background(w.registration.get()), kFirstStartColour);
        QCOMPARE(w.state.settings.boardColour, common::Settings::WindowsColour(238, 196, 120));
        QCOMPARE(stored.size(), 0);
        QVERIFY(!QFile::exists(w.root.File("KurumiSet.dat")));
    }

    void registeringStoresTheColour() {
        Windows w;
        QSignalSpy fromForm3(w.colourWindow, &admin::BoardColourWindow::BoardColourChanged);
        QSignalSpy fromForm2(w.registration.get(), &admin::RegistrationWindow::BoardColourChanged);
        w.SetBars(200, 150, 100);
        QTest::mouseClick(w.colourWindow->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(fromForm3.size(), 1);
        QCOMPARE(fromForm2.size(), 1);
        QCOMPARE(w.state.settings.red, qint16(200));
        QCOMPARE(w.state.settings.green, qint16(150));
        QCOMPARE(w.state.settings.blue, qint16(100));
        // 200 + 256 * 150 + 65536 * 100
        QCOMPARE(w.state.settings.boardColour, 6592200);
        QCOMPARE(w.root.Read("KurumiSet.dat"),
                 QByteArray(" 0 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 200 , 150 , 100 \r\n"
                            " 6592200 \r\n 0 \r\n 0 \r\n\r\n\r\n\r\n\r\n\r\n"));
        QCOMPARE(Windows::Background(w.colourWindow), QColor(200, 150, 100));
        QCOMPARE(Windows::Background(w.registration.get()), QColor(200, 150, 100));
    }

    void leavingWithoutRegisteringKeepsTheStoredColour() {
        Windows w;
        w.SetBars(10, 20, 30);
        QTest::mouseClick(w.colourWindow->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QVERIFY(!w.colourWindow->isVisible());
        QVERIFY(w.main.isVisible());
        w.registration->OpenBoardColourWindow();
        QCOMPARE(w.Bar(0)->value(), 238);
        QCOMPARE(w.Bar(1)->value(), 196);
        QCOMPARE(w.Bar(2)->value(), 120);
        QCOMPARE(Windows::Background(w.colourWindow), kFirstStartColour);
    }

    void previewLinesUpWithTheMainBoard() {
        TempRoot root;
        common::AppState state;
        store::StartStore(state, root.path());
        FakePlatform platform;
        QWidget main;
        auto* mainBoard = new QWidget(&main);
        mainBoard->setObjectName(QStringLiteral("Picture1"));
        mainBoard->setGeometry(24, 40, 573, 573);
        admin::BoardColourWindow form(state, platform, &main);
        QCOMPARE(form.findChild<QWidget*>(QStringLiteral("Picture1"))->pos(), QPoint(24, 40));
    }
};

QTEST_MAIN(TestBoardColourWindow)
#include "test_board_colour_window.moc"
