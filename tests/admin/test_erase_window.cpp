// The erase window: every message through its buttons with the lists after it, the views that
// switch the games folder, the chosen game on the small board, help and back.
#include "admin/erase_window.h"
#include "common/font_setup.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"
#include "widgets/board_picture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using common::MessageAnswer;

namespace {

const QByteArray kHandicapGame =
    "2001/01/01,-3 , 4 , 25 ,\x94\x92                             \r\n"
    "12-07-2002, 1 , 16 , 4 ,                              \r\n"
    "12-07-2002, 2 , 4 , 16 ,                              \r\n";
const QByteArray kEvenGame = "2001/01/01, 0 , 1 , 31 ,\x8d\x95                             \r\n";

/// An erase window beside a stand-in main window, on a data root holding 山田 (01, 02) and
/// an empty 空 in progress, 佐藤 (05) and an empty 鈴木 backed up, and 山田 (02) backed up.
struct Window {
    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    QWidget main;
    std::unique_ptr<admin::EraseWindow> form;

    Window() {
        store::StartStore(state, root.path());
        root.Write("対局中棋譜/山田/01.txt", kHandicapGame);
        root.Write("対局中棋譜/山田/02.txt", kEvenGame);
        QDir().mkpath(root.File("対局中棋譜/空"));
        root.Write("退避後棋譜/佐藤/05.txt", kEvenGame);
        root.Write("退避後棋譜/山田/02.txt", kEvenGame);
        QDir().mkpath(root.File("退避後棋譜/鈴木"));
        form = std::make_unique<admin::EraseWindow>(state, platform, &main);
    }
    template <typename Control>
    Control* Find(const QString& name) const {
        return FindControl<Control>(*form, name);
    }
    QStringList Items(const char* list) const { return ::Items(Find<QListWidget>(list)); }
    void Choose(const char* list, const QString& name) const {
        if (name.isEmpty())
            return;
        auto* widget = Find<QListWidget>(list);
        widget->setCurrentItem(widget->findItems(name, Qt::MatchExactly).value(0));
    }
    QString Text(const char* name) const {
        if (auto* box = form->findChild<QLineEdit*>(name))
            return box->text();
        return Find<QLabel>(name)->text();
    }
};

/// Clicks the option's label; a radio button answers only over its circle and text.
/// Clicks the coloured box at its right end, past the caption: the whole box takes the click.
void ClickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {},
                      QPoint(option->width() - 3, option->height() / 2));
}

}  // namespace

class TestEraseWindow : public QObject {
    Q_OBJECT
    // Erased records go to a trash of the test's own, never to the player's.
    QTemporaryDir home_;
    QString TrashFiles() const { return home_.path() + "/share/Trash/files"; }

  private slots:
    void initTestCase() {
        common::SubstituteWindowsFonts();
        QVERIFY(home_.isValid());
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path() + "/share"));
    }

    void buttonsShowTheirMessagesAndRebuildTheLists_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("backedUpView");
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("messages");  // title, text, title, text ...
        QTest::addColumn<QStringList>("opponents");
        QTest::addColumn<QStringList>("games");
        const QStringList both{"山田", "空"};
        const QStringList noOpponent{"対局者が指定されていません。", "対局者を選択してください。"};
        const QStringList noGame{"対局名が指定されていません。", "対局名を選択してください。"};
        QTest::newRow("erase, no opponent") << "Command1" << false << ""
                                            << "" << false << noOpponent << both << QStringList();
        QTest::newRow("erase game")
            << "Command1" << false << "山田"
            << "01" << false
            << QStringList{"棋譜データ消去の確認",
                           "山田 さんの 01 局を消去します。よろしいですか？",
                           "棋譜データを消去しました。",
                           "山田 さんの 01 局を消去しました。\n"
                           "ごみ箱に移しました。ごみ箱から元に戻せます。\n%T/01.txt"}
            << both << QStringList();
        QTest::newRow("erase game, cancel")
            << "Command1" << false << "山田"
            << "01" << true
            << QStringList{"棋譜データ消去の確認",
                           "山田 さんの 01 局を消去します。よろしいですか？"}
            << both << QStringList{"01", "02"};
        QTest::newRow("erase opponent")
            << "Command1" << false << "空"
            << "" << false
            << QStringList{"対局者消去の確認", "空 さんを消去します。よろしいですか？",
                           "対局者を消去しました。",
                           "空 さんを消去しました。\n"
                           "ごみ箱に移しました。ごみ箱から元に戻せます。\n%T/空"}
            << QStringList{"山田"} << QStringList();
        QTest::newRow("back up, no game")
            << "Command3" << false << "山田"
            << "" << false << noGame << both << QStringList{"01", "02"};
        QTest::newRow("back up game")
            << "Command3" << false << "山田"
            << "01" << false
            << QStringList{"棋譜データ退避の確認",
                           "山田 さんの 01 局を退避します。よろしいですか？",
                           "棋譜データを退避しました。", "山田 さんの 01 局を退避しました。"}
            << both << QStringList();
        QTest::newRow("back up over a stored game")
            << "Command3" << false << "山田"
            << "02" << false
            << QStringList{"同じ対局名の棋譜があります。",
                           "山田 さんの 02 局は「退避後の棋譜」にすでにあるため退避しません。"}
            << both << QStringList{"01", "02"};
        QTest::newRow("back up opponent")
            << "Command3" << false << "空"
            << "" << false
            << QStringList{"対局者退避の確認", "空 さんを退避します。よろしいですか？",
                           "対局者を退避しました。", "空 さんを退避しました。"}
            << QStringList{"山田"} << QStringList();
        QTest::newRow("restore game")
            << "Command4" << true << "佐藤"
            << "05" << false
            << QStringList{"棋譜データ復帰の確認",
                           "佐藤 さんの 05 局を復帰します。よろしいですか？",
                           "棋譜データを復帰しました。", "佐藤 さんの 05 局を復帰しました。"}
            << QStringList{"佐藤", "山田", "鈴木"} << QStringList();
        QTest::newRow("restore opponent")
            << "Command4" << true << "鈴木"
            << "" << false
            << QStringList{"対局者復帰の確認", "鈴木 さんを復帰します。よろしいですか？",
                           "対局者を復帰しました。", "鈴木 さんを復帰しました。"}
            << QStringList{"佐藤", "山田"} << QStringList();
    }
    void buttonsShowTheirMessagesAndRebuildTheLists() {
        QFETCH(QString, button);
        QFETCH(bool, backedUpView);
        QFETCH(QString, opponent);
        QFETCH(QString, game);
        QFETCH(bool, cancel);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, opponents);
        QFETCH(QStringList, games);
        QDir(TrashFiles()).removeRecursively();
        messages.replaceInStrings("%T", QDir::toNativeSeparators(TrashFiles()));
        Window w;
        w.form->show();
        if (backedUpView)
            ClickOption(w.Find<QRadioButton>("Option2"));
        w.Choose("List1", opponent);
        w.Choose("List2", game);
        if (cancel)
            w.platform.scriptedAnswers << MessageAnswer::Cancel;
        QTest::mouseClick(w.Find<QPushButton>(button), Qt::LeftButton);
        QStringList shown;
        for (const FakePlatform::Message& message : w.platform.messages)
            shown << message.title << message.text;
        QCOMPARE(shown, messages);
        const bool asked = messages.size() > 2 || cancel;
        QCOMPARE(w.platform.messages[0].buttons,
                 asked ? common::MessageButtons::OkCancel : common::MessageButtons::Ok);
        // Enter must not erase: the erase question defaults to Cancel.
        QCOMPARE(w.platform.messages[0].defaultButton, asked && button == "Command1"
                                                           ? common::DefaultButton::Safe
                                                           : common::DefaultButton::Affirmative);
        QCOMPARE(w.Items("List1"), opponents);
        QCOMPARE(w.Items("List2"), games);
        if (messages.size() > 2) {  // done: nothing left chosen or shown
            QCOMPARE(w.Find<QListWidget>("List1")->currentRow(), -1);
            for (const char* box : {"Text1", "Text2", "Label2", "Label5"})
                QCOMPARE(w.Text(box), QString());
            QCOMPARE(w.Find<QListWidget>("List3")->currentRow(), -1);
        }
    }

    void viewsSwitchTheGamesFolder() {
        Window w;
        w.state.currentGamesFolder = w.state.backedUpFolder;  // chosen in the main window
        w.state.selectedOpponentIndex = 1;
        w.form->show();
        auto* option1 = w.Find<QRadioButton>("Option1");
        auto* option2 = w.Find<QRadioButton>("Option2");
        QVERIFY(option2->isChecked());
        QVERIFY(!w.Find<QPushButton>("Command3")->isEnabled());
        QVERIFY(w.Find<QPushButton>("Command4")->isEnabled());
        QCOMPARE(w.Text("Text1"), QStringLiteral("山田"));

        ClickOption(option1);
        QCOMPARE(w.state.currentGamesFolder, w.state.inProgressFolder);
        QCOMPARE(w.state.selectedOpponentIndex, -1);
        QVERIFY(w.state.replyStale);
        QCOMPARE(w.Items("List1"), (QStringList{"山田", "空"}));
        QCOMPARE(w.Text("Text1"), QString());
        QVERIFY(w.Find<QPushButton>("Command3")->isEnabled());
        QVERIFY(!w.Find<QPushButton>("Command4")->isEnabled());
        QVERIFY(option1->styleSheet().contains("rgb(0, 0, 128)"));
        QVERIFY(option2->styleSheet().contains("rgb(64, 64, 64)"));

        ClickOption(option2);
        QCOMPARE(w.state.currentGamesFolder, w.state.backedUpFolder);
        QCOMPARE(w.Items("List1"), (QStringList{"佐藤", "山田", "鈴木"}));
        QVERIFY(option2->styleSheet().contains("rgb(0, 0, 128)"));
    }

    void showsTheChosenGame() {
        Window w;
        w.state.selectedOpponentIndex = 0;
        w.state.selectedGameIndex = 0;
        w.form->show();
        QCOMPARE(w.Text("Text1"), QStringLiteral("山田"));
        QCOMPARE(w.Text("Text2"), QStringLiteral("01"));
        QCOMPARE(w.Text("Label2"), QStringLiteral("３子"));
        QCOMPARE(w.Text("Label5"), QStringLiteral("コミ黒２目半"));
        QCOMPARE(w.Find<QListWidget>("List3")->currentItem()->text(), QStringLiteral("白"));
        const auto* board = w.Find<board::BoardPicture>("Picture1");
        QCOMPARE(PixelAt(board, board->StoneRect(16, 4).center()), QColor(Qt::white));
        const QPoint last = board->StoneRect(4, 16).center();
        QCOMPARE(PixelAt(board, last + QPoint(0, 5)), QColor(255, 0, 0));

        w.Choose("List2", "02");
        QCOMPARE(w.Text("Label2"), QStringLiteral("互先"));
        QCOMPARE(w.Find<QListWidget>("List3")->currentItem()->text(), QStringLiteral("黒"));

        // Another opponent: the game box and the board empty, so no button names a game
        // that is not chosen.
        w.Choose("List1", "空");
        QCOMPARE(w.Text("Text1"), QStringLiteral("空"));
        QCOMPARE(w.Text("Text2"), QString());
        QCOMPARE(w.state.selectedOpponentIndex, 1);
        QCOMPARE(PixelAt(board, board->StoneRect(16, 4).center() + QPoint(2, 2)),
                 QColor(238, 196, 120));
    }

    void noteHelpAndBack() {
        Window w;
        w.form->show();
        QCOMPARE(w.form->windowTitle(), QStringLiteral("対局の消去／退避／復帰"));
        QCOMPARE(w.Text("Label7"),
                 QStringLiteral("１．「退避の実行」は対局または対局者を退避します。\r\n"
                                "２．「退避の実行」は「対局中の棋譜」を退避します。\r\n"
                                "３．「復帰の実行」は「退避後の棋譜」を復帰します。"));
        QTest::mouseClick(w.Find<QPushButton>("Command6"), Qt::LeftButton);
        QCOMPARE(w.platform.editorStarts, QStringList{w.root.File("消去説明.txt")});
        QTest::mouseClick(w.Find<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(!w.form->isVisible());
        QVERIFY(w.main.isVisible());
    }
};

QTEST_MAIN(TestEraseWindow)
#include "test_erase_window.moc"
