// The address window: loading an opponent's address, storing to the right files, the layout
// buttons, the kind list, typing the postal code, printing and the window buttons.
#include "common/font_setup.h"
#include "postcard/address_card_window.h"
#include "registration/registration.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

using postcard::BoxPlace;
Q_DECLARE_METATYPE(postcard::BoxPlace)

namespace {

const QByteArray kYamadaFile("\r\n\r\n\r\n\r\n\x8e\x52\x93\x63\x97\x6c\r\n\r\n");  // 山田様

/// An address window on a fresh data root, for the opponent named in `opponent`.
struct Window {
    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    QWidget main;
    QString opponent = QStringLiteral("山田");
    std::unique_ptr<postcard::AddressCardWindow> form;

    Window() {
        store::StartStore(state, root.path());
        admin::RegisterGame(state, {QStringLiteral("山田"), "01"}, platform.today);
        form = std::make_unique<postcard::AddressCardWindow>(state, platform, &main);
        form->SetOpponentSource([this] { return opponent; });
    }
    template <typename Control>
    Control* Find(const QString& name) const {
        return FindControl<Control>(*form, name);
    }
    QLineEdit* Postal(int i) const { return Find<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
    QLineEdit* Line(int i) const { return Find<QLineEdit>(QStringLiteral("Text2_%1").arg(i)); }
    void Click(const QString& name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
};

}  // namespace

class TestAddressCardWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void openingLoadsTheRegisteredAddress() {
        Window w;
        QCOMPARE(w.root.Read("Address/山田.txt"), kYamadaFile);
        w.form->show();
        QCOMPARE(w.Find<QLabel>("Label2")->text(), QStringLiteral("山田"));
        QCOMPARE(w.Line(3)->text(), QStringLiteral("山田様"));
        for (int i = 0; i < postcard::kPostalCodeBoxes; ++i)
            QVERIFY(w.Postal(i)->text().isEmpty());
        QCOMPARE(w.Find<QListWidget>("List2")->count(), 5);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("はがき宛名"));
    }

    void switchingOpponentsStoresToTheLoadedOne() {
        Window w;
        w.root.Write("Address/佐藤.txt", "5300001\r\nOSAKA\r\n\r\n\r\n\r\n\r\n");
        w.form->show();
        w.Line(0)->setText("typed for yamada");
        w.opponent = QStringLiteral("佐藤");
        w.form->hide();
        w.form->show();
        QCOMPARE(w.Line(0)->text(), QStringLiteral("OSAKA"));
        QCOMPARE(w.Postal(6)->text(), QStringLiteral("1"));
        w.Line(1)->setText("KITA");
        w.Click("Command3");
        QCOMPARE(w.root.Read("Address/佐藤.txt"),
                 QByteArray("5300001\r\nOSAKA\r\nKITA\r\n\r\n\r\n\r\n"));
        QCOMPARE(w.root.Read("Address/山田.txt"), kYamadaFile);

        // An opponent without a file shows empty boxes, never the last opponent's address.
        w.opponent = QStringLiteral("鈴木");
        w.form->Reload();
        QCOMPARE(w.Line(0)->text(), QString());
        QCOMPARE(w.Postal(0)->text(), QString());
        QVERIFY(w.platform.messages.isEmpty());
    }

    void buttonsMoveAndSizeBoxes_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("box");
        QTest::addColumn<BoxPlace>("place");
        QTest::newRow("postal left") << "Command1_0" << 1 << 6 << BoxPlace{4838, 680, 18};
        QTest::newRow("postal down") << "Command1_3" << 2 << 0 << BoxPlace{2495, 700, 18};
        QTest::newRow("postal smaller stops at 8")
            << "Command1_4" << 12 << 2 << BoxPlace{3289, 680, 8};
        QTest::newRow("wider leaves box 0") << "Command1_7" << 1 << 0 << BoxPlace{2495, 680, 18};
        QTest::newRow("wider moves box 6") << "Command1_7" << 2 << 6 << BoxPlace{4908, 680, 18};
        QTest::newRow("narrower box 1") << "Command1_6" << 1 << 1 << BoxPlace{2887, 680, 18};
        QTest::newRow("line up") << "Command2_2" << 1 << 10 << BoxPlace{1425, 3660, 18};
        QTest::newRow("line left") << "Command2_0" << 30 << 10 << BoxPlace{-375, 3720, 18};
        QTest::newRow("line larger") << "Command2_5" << 1 << 10 << BoxPlace{1425, 3720, 19};
    }
    void buttonsMoveAndSizeBoxes() {
        QFETCH(QString, button);
        QFETCH(int, clicks);
        QFETCH(int, box);
        QFETCH(BoxPlace, place);
        Window w;
        w.form->show();
        QTest::mouseClick(w.Line(3), Qt::LeftButton);  // the line the address buttons move
        for (int i = 0; i < clicks; ++i)
            w.Click(button);
        QVERIFY(w.form->Card().layout[size_t(box)] == place);
        QLineEdit* edit = box < 7 ? w.Postal(box) : w.Line(box - 7);
        QCOMPARE(edit->pos(), QPoint(qRound(place.left / 15.0), qRound(place.top / 15.0)));
        if (button == "Command2_5") {
            // The height follows the characters: two sizes smaller is lower.
            const int larger = w.Line(3)->height();
            w.Click("Command2_4");
            w.Click("Command2_4");
            QVERIFY(w.Line(3)->height() < larger);
        }
        QCOMPARE(w.Line(3)->palette().color(QPalette::Base), QColor(192, 255, 255));
        QVERIFY(w.Line(0)->palette().color(QPalette::Base) != QColor(192, 255, 255));
    }

    void layoutFollowsTheCardKind() {
        Window w;
        w.root.Write("TextPos2.dat", QByteArray(" 100 , 200 , 12 \r\n").repeated(16));
        w.form->show();
        auto* kinds = w.Find<QListWidget>("List2");
        kinds->setCurrentRow(2);  // 封筒
        QVERIFY((w.form->Card().layout[9] == BoxPlace{100, 200, 12}));
        kinds->setCurrentRow(3);  // 絵はがき has no layout yet: the boxes stay
        QVERIFY((w.form->Card().layout[9] == BoxPlace{100, 200, 12}));
        w.Click("Command3");
        QCOMPARE(w.root.Read("TextPos3.dat"), w.root.Read("TextPos2.dat"));
        QCOMPARE(w.root.Read("AddressSet.dat"),
                 QByteArray("\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9,"
                            "\x8a\x47\x82\xcd\x82\xaa\x82\xab\r\n"));

        // A new window takes the stored kind and its layout on activation.
        postcard::AddressCardWindow again(w.state, w.platform, &w.main);
        again.show();
        QCOMPARE(again.findChild<QListWidget*>("List2")->currentRow(), 3);
        QVERIFY((again.Card().layout[0] == BoxPlace{100, 200, 12}));
    }

    void typingThePostalCodeWalksTheBoxes() {
        Window w;
        w.form->show();
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(QApplication::focusWidget(), w.Postal(0));
        for (const char digit : QByteArray("1000001"))
            QTest::keyClick(QApplication::focusWidget(), digit);
        QCOMPARE(QApplication::focusWidget(), w.Line(0));
        const auto code = w.form->Card().addressee.postalCode;
        QCOMPARE(QStringList(code.begin(), code.end()).join(""), QStringLiteral("1000001"));
        // Back in a filled box, a digit replaces the one there.
        w.Postal(2)->setFocus();
        QTest::keyClick(w.Postal(2), Qt::Key_9);
        QCOMPARE(w.Postal(2)->text(), QStringLiteral("9"));
        w.Line(7)->setFocus();
        QTest::keyClick(w.Line(7), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.Line(8));
    }

    void printsTheCardAndReportsFailure() {
        Window w;
        w.form->show();
        w.Click("Command5");
        QCOMPARE(w.platform.prints.size(), 1);
        QCOMPARE(w.platform.prints[0].orientation, common::PageOrientation::AsPrinterIs);
        QCOMPARE(w.platform.prints[0].operations,
                 QStringList{"text 1254.9,3549.9 ＭＳ Ｐ明朝 18 #000000 山田様"});

        auto* frames = w.Find<QCheckBox>("Check1");
        QCOMPARE(frames->text(), QStringLiteral("〒No.枠なし"));
        frames->click();
        QCOMPARE(frames->text(), QStringLiteral("〒No.枠あり"));
        w.platform.failPrints = true;
        w.Click("Command5");
        // Seven red frames and the dash between the third and fourth.
        QCOMPARE(w.platform.prints[1].operations.filter("ink #ff0000").size(), 8);
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].title, QStringLiteral("印刷ができません。"));
    }

    void helpReplyAndBack() {
        Window w;
        w.form->show();
        QSignalSpy reply(w.form.get(), &postcard::AddressCardWindow::ReplyWindowRequested);
        w.Click("Command7");
        QCOMPARE(reply.size(), 1);
        QVERIFY(w.form->isVisible());
        w.Click("Command4");
        QCOMPARE(w.platform.editorStarts, QStringList{w.root.File("宛名説明.txt")});
        w.Click("Command6");
        QVERIFY(!w.form->isVisible());
        QVERIFY(w.main.isVisible());
    }
};

QTEST_MAIN(TestAddressCardWindow)
#include "test_address_card_window.moc"
