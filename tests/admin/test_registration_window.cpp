// The registration window: its checks with their messages and focus, registering and changing
// through the controls, the lists and the small board, the keys, the guide and the options,
// the engine's among them.
#include "admin/engine_settings_dialog.h"
#include "admin/registration_window.h"
#include "common/cp932_codec.h"
#include "common/font_setup.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"
#include "widgets/board_picture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kKuro("\x8d\x95");   // 黒
const QByteArray kShiro("\x94\x92");  // 白
const QByteArray kMoves =
    "12-07-2002, 1 , 16 , 4 ,                              \r\n"
    "12-07-2002, 2 , 4 , 16 ,                              \r\n";

QByteArray Header(const QByteArray& date, const QByteArray& fields, const QByteArray& colour) {
    return date + "," + fields + "," + colour + QByteArray(29, ' ') + "\r\n";
}

/// The settings file for the first-start values with the four options as given.
QByteArray SettingsFile(int numbers, int numerals, int pitch, int guide) {
    QByteArray bytes = " 0 \r\n";
    for (int option : {numbers, numerals, pitch, guide})
        bytes += QByteArray(" ") + char('0' + option) + " \r\n";
    return bytes + " 0 \r\n 238 , 196 , 120 \r\n 7914734 \r\n 0 \r\n 0 \r\n\r\n\r\n\r\n\r\n\r\n";
}

/// A registration window on a fresh data root, beside a stand-in main window.
struct Window {
    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    QWidget main;
    std::unique_ptr<admin::RegistrationWindow> form;

    explicit Window(bool create = true) {
        store::StartStore(state, root.path());
        if (create)
            Create();
    }
    void Create() { form = std::make_unique<admin::RegistrationWindow>(state, platform, &main); }
    template <typename Control>
    Control* Find(const char* name) const {
        return FindControl<Control>(*form, QLatin1String(name));
    }
    bool ShowActive() {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
    void Type(const QString& opponent, const QString& game) {
        Find<QLineEdit>("Text1")->setText(opponent);
        Find<QLineEdit>("Text2")->setText(game);
    }
    QStringList Items(const char* list) const { return ::Items(Find<QListWidget>(list)); }
};

}  // namespace

class TestRegistrationWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void refusedNamesSetFocusAndClear_data() {
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("text1After");
        QTest::addColumn<QString>("text2After");
        QTest::newRow("blank opponent") << "  "
                                        << "01"
                                        << "「対局者」が入力されていません。"
                                        << "「対局者」を入力してください。"
                                        << "Text1"
                                        << "  "
                                        << "01";
        QTest::newRow("slash in opponent") << "山/田"
                                           << "01"
                                           << "使えない文字があります。"
                                           << "対局相手に「/」の文字は使用できません。"
                                           << "Text1"
                                           << ""
                                           << "01";
        QTest::newRow("empty game") << "山田"
                                    << ""
                                    << "「対局名」が入力されていません。"
                                    << "「対局名」を入力してください。"
                                    << "Text2"
                                    << "山田"
                                    << "";
        QTest::newRow("< and > in game") << "山田"
                                         << "a>b<"
                                         << "使えない文字があります。"
                                         << "対局名に「>」の文字は使用できません。"
                                         << "Text2"
                                         << "山田"
                                         << "";
        QTest::newRow("dot dot opponent") << ".."
                                          << "01"
                                          << "使えない名前です。"
                                          << "対局相手に「..」という名前は使用できません。"
                                          << "Text1"
                                          << ""
                                          << "01";
    }
    void refusedNamesSetFocusAndClear() {
        QFETCH(QString, opponent);
        QFETCH(QString, game);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(QString, text1After);
        QFETCH(QString, text2After);
        Window w;
        QVERIFY(w.ShowActive());
        w.Type(opponent, game);
        QTest::mouseClick(w.Find<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].title, title);
        QCOMPARE(w.platform.messages[0].text, text);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(w.Find<QLineEdit>("Text1")->text(), text1After);
        QCOMPARE(w.Find<QLineEdit>("Text2")->text(), text2After);
        QVERIFY(QDir(w.state.currentGamesFolder).isEmpty());
    }

    void registersWhatTheControlsShow_data() {
        QTest::addColumn<int>("handicap");
        QTest::addColumn<int>("komi");
        QTest::addColumn<int>("colourRow");
        QTest::addColumn<QString>("handicapText");
        QTest::addColumn<QString>("komiText");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("defaults") << 1 << 31 << 0 << "互先"
                                  << "コミ黒５目半" << Header("2002/12/07", " 0 , 1 , 31 ", kKuro);
        QTest::newRow("two stones, no komi")
            << 3 << 20 << 1 << "２子"
            << "コミなし" << Header("2002/12/07", "-2 , 3 , 20 ", kShiro);
        QTest::newRow("black first, reverse komi")
            << 2 << 1 << 0 << "先番または白番"
            << "白９目半" << Header("2002/12/07", " 0 , 2 , 1 ", kKuro);
        QTest::newRow("half point") << 14 << 21 << 1 << "１３子"
                                    << "黒半目" << Header("2002/12/07", "-13 , 14 , 21 ", kShiro);
    }
    void registersWhatTheControlsShow() {
        QFETCH(int, handicap);
        QFETCH(int, komi);
        QFETCH(int, colourRow);
        QFETCH(QString, handicapText);
        QFETCH(QString, komiText);
        QFETCH(QByteArray, header);
        Window w;
        w.form->show();
        w.Find<QScrollBar>("VScroll1")->setValue(handicap);
        w.Find<QScrollBar>("VScroll2")->setValue(komi);
        w.Find<QListWidget>("List3")->setCurrentRow(colourRow);
        QCOMPARE(w.Find<QLabel>("Label2")->text(), handicapText);
        QCOMPARE(w.Find<QLabel>("Label5")->text(), komiText);
        w.Type("山田", "01");
        w.form->Register();
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].text,
                 QStringLiteral("山田 さんの 01 局を登録をしました。"));
        QCOMPARE(w.root.Read("対局中棋譜/山田/01.txt"), header);
        QCOMPARE(w.Items("List1"), QStringList{"山田"});
        QCOMPARE(w.Items("List2"), QStringList{"01"});
        QCOMPARE(w.Find<QListWidget>("List1")->currentRow(), -1);
        QCOMPARE(w.Find<QListWidget>("List2")->currentRow(), -1);
    }

    void activationShowsTheSharedSelection() {
        Window w;
        w.root.Write("対局中棋譜/佐藤/01.txt", Header("2001/01/01", " 0 , 1 , 31 ", kKuro));
        w.root.Write("対局中棋譜/山田/01.txt", Header("2001/01/01", " 0 , 1 , 31 ", kKuro));
        w.root.Write("対局中棋譜/山田/02.txt",
                     Header("2001/01/01", "-3 , 4 , 25 ", kShiro) + kMoves);
        w.state.selectedOpponentIndex = 1;
        w.state.selectedGameIndex = 1;
        w.form->show();
        QCOMPARE(w.Items("List1"), (QStringList{"佐藤", "山田"}));
        QCOMPARE(w.Find<QListWidget>("List1")->currentRow(), 1);
        QCOMPARE(w.Find<QListWidget>("List2")->currentRow(), 1);
        QCOMPARE(w.Find<QLineEdit>("Text1")->text(), QStringLiteral("山田"));
        QCOMPARE(w.Find<QLineEdit>("Text2")->text(), QStringLiteral("02"));
        QCOMPARE(w.Find<QScrollBar>("VScroll1")->value(), 4);
        QCOMPARE(w.Find<QScrollBar>("VScroll2")->value(), 25);
        QCOMPARE(w.Find<QLabel>("Label2")->text(), QStringLiteral("３子"));
        QCOMPARE(w.Find<QLabel>("Label5")->text(), QStringLiteral("コミ黒２目半"));
        QCOMPARE(w.Find<QListWidget>("List3")->currentRow(), 1);

        // Move 1 of a handicap game is White; the last move, Black's, carries the red mark.
        const auto* board = w.Find<board::BoardPicture>("Picture1");
        QCOMPARE(PixelAt(board, board->StoneRect(16, 4).center()), QColor(Qt::white));
        const QPoint last = board->StoneRect(4, 16).center();
        QCOMPARE(PixelAt(board, last - QPoint(0, 3)), QColor(Qt::black));
        QCOMPARE(PixelAt(board, last + QPoint(0, 5)), QColor(255, 0, 0));

        // Choosing another opponent empties the board and the game name.
        w.Find<QListWidget>("List1")->setCurrentRow(0);
        QCOMPARE(w.state.selectedOpponentIndex, 0);
        QCOMPARE(w.Find<QLineEdit>("Text1")->text(), QStringLiteral("佐藤"));
        QCOMPARE(w.Find<QLineEdit>("Text2")->text(), QString());
        QCOMPARE(PixelAt(board, board->StoneRect(16, 4).center() + QPoint(3, 3)),
                 QColor(238, 196, 120));
    }

    void changeIsDecidedByTheFiles() {
        Window w;
        const QByteArray yamada = Header("2001/01/01", " 0 , 1 , 31 ", kKuro) + kMoves;
        w.root.Write("対局中棋譜/山田/01.txt", yamada);
        w.root.Write("対局中棋譜/佐藤/02.txt", Header("2001/01/01", " 0 , 1 , 31 ", kKuro));
        w.state.selectedOpponentIndex = 0;  // 佐藤: the lists show his games, not 山田's
        w.form->show();
        w.Type("山田", "01");
        w.Find<QScrollBar>("VScroll2")->setValue(20);
        // The change is shown first; Cancel leaves the record alone.
        w.platform.scriptedAnswers = {common::MessageAnswer::Cancel};
        w.form->Register();
        QCOMPARE(w.platform.messages.last().title, QStringLiteral("登録変更の確認"));
        QCOMPARE(w.platform.messages.last().buttons, common::MessageButtons::OkCancel);
        QCOMPARE(w.root.Read("対局中棋譜/山田/01.txt"), yamada);
        const auto* board = w.Find<board::BoardPicture>("Picture1");
        const QPoint firstMove = board->StoneRect(16, 4).center() + QPoint(3, 3);
        QCOMPARE(PixelAt(board, firstMove), QColor(238, 196, 120));  // 佐藤's game is empty
        w.form->Register();
        QCOMPARE(w.platform.messages.last().title, QStringLiteral("対局の登録変更をしました。"));
        // The small board now shows the game just registered, with its first stone.
        QCOMPARE(PixelAt(board, firstMove), QColor(Qt::black));
        QCOMPARE(w.root.Read("対局中棋譜/山田/01.txt"),
                 Header("2002/12/07", " 0 , 1 , 20 ", kKuro) + kMoves);

        // The handicap stones of a game with moves never change: refused, the record untouched.
        const QByteArray changed = w.root.Read("対局中棋譜/山田/01.txt");
        w.Find<QScrollBar>("VScroll1")->setValue(3);
        w.form->Register();
        QCOMPARE(w.platform.messages.last().title, QStringLiteral("登録変更ができません。"));
        QCOMPARE(w.root.Read("対局中棋譜/山田/01.txt"), changed);
        w.Find<QScrollBar>("VScroll1")->setValue(1);

        // Listed but gone from the disk: registered anew, not an error.
        w.Find<QListWidget>("List1")->setCurrentRow(0);
        w.Find<QListWidget>("List2")->setCurrentRow(0);
        QFile::remove(w.root.File("対局中棋譜/佐藤/02.txt"));
        w.form->Register();
        QCOMPARE(w.platform.messages.last().title, QStringLiteral("対局の登録をしました。"));
        QCOMPARE(w.root.Read("対局中棋譜/佐藤/02.txt"),
                 Header("2002/12/07", " 0 , 1 , 31 ", kKuro));
    }

    void enterMovesTheFocus() {
        Window w;
        QVERIFY(w.ShowActive());
        auto* text1 = w.Find<QLineEdit>("Text1");
        text1->setFocus();
        QTest::keyClicks(text1, "ab");
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.Find<QLineEdit>("Text2"));
        QTest::keyClick(w.Find<QLineEdit>("Text2"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), w.Find<QPushButton>("Command1"));
        QCOMPARE(text1->text(), QStringLiteral("ab"));
        QVERIFY(w.platform.messages.isEmpty());
    }

    void guideFollowsTheMouse_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("guide");
        QTest::newRow("Label5") << "Label5"
                                << "コミは右側の上下矢印で指定してください。";
        QTest::newRow("List3") << "List3"
                               << "「黒」「白」は文字をクリックしてください。";
        QTest::newRow("Text2")
            << "Text2"
            << "対局名は 01, 02 など半角で４文字以内としてください｡複数局の登録をしたいときは最初の"
               "一局を「登録の実行」後次の対局名および必要な箇所を訂正して再度「登録の実行」をし"
               "てください。";
        QTest::newRow("frame") << "Frame1"
                               << "";
    }
    void guideFollowsTheMouse() {
        QFETCH(QString, control);
        QFETCH(QString, guide);
        Window w;
        w.state.settings.showGuide = 0;
        w.form->show();
        auto* label9 = w.Find<QLabel>("Label9");
        label9->setText("before");
        QWidget* target = w.form->findChild<QWidget*>(control);
        QVERIFY(target != nullptr);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(target, &enter);
        QCOMPARE(label9->text(), guide);
    }

    void helpAndBack() {
        Window w;
        w.form->show();
        QTest::mouseClick(w.Find<QPushButton>("Command6"), Qt::LeftButton);
        QCOMPARE(w.platform.editorStarts, QStringList{w.root.File("登録説明.txt")});
        QTest::mouseClick(w.Find<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(!w.form->isVisible());
        QVERIFY(w.main.isVisible());
    }

    void optionClickWritesSettings_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("Check2") << "Check2" << SettingsFile(1, 1, 0, 1);
        QTest::newRow("Check3") << "Check3" << SettingsFile(0, 0, 0, 1);
        QTest::newRow("Check4") << "Check4" << SettingsFile(0, 1, 1, 1);
        QTest::newRow("Check5") << "Check5" << SettingsFile(0, 1, 0, 0);
    }
    void optionClickWritesSettings() {
        QFETCH(QString, box);
        QFETCH(QByteArray, file);
        Window w;
        w.form->show();
        QSignalSpy changed(w.form.get(), &admin::RegistrationWindow::SettingsChanged);
        w.form->findChild<QCheckBox*>(box)->click();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(w.root.Read("KurumiSet.dat"), file);

        // A later start reads the same options back.
        common::AppState later;
        store::StartStore(later, w.root.path());
        QCOMPARE(later.settings.numbersWhileRecording, w.state.settings.numbersWhileRecording);
        QCOMPARE(later.settings.showNumerals, w.state.settings.showNumerals);
        QCOMPARE(later.settings.numeralPitch, w.state.settings.numeralPitch);
        QCOMPARE(later.settings.showGuide, w.state.settings.showGuide);
        FakePlatform platform;
        admin::RegistrationWindow again(later, platform, nullptr);
        for (const char* name : {"Check2", "Check3", "Check4"}) {
            QCOMPARE(again.findChild<QCheckBox*>(name)->isChecked(),
                     w.form->findChild<QCheckBox*>(name)->isChecked());
        }
    }

    void openingTurnsTheGuideOnWithoutWriting() {
        Window w(false);
        w.state.settings.showGuide = 0;
        w.Create();
        QCOMPARE(w.state.settings.showGuide, qint16(1));
        QVERIFY(w.Find<QCheckBox>("Check5")->isChecked());
        QVERIFY(!QFile::exists(w.root.File("KurumiSet.dat")));
        QCOMPARE(w.Find<QCheckBox>("Check4")->text(),
                 QStringLiteral("盤上側の数字のピッチを変える\n(画面が８００×６００の場合)"));
    }

    // The engine's options: a try of the typed command, a close with a change that is kept
    // open, a save, the way back to GNU Go, and a program that is not there.
    void engineSettings() {
        Window w;
        w.form->show();
        const QString path = w.root.File(QStringLiteral("思考エンジン.dat"));
        auto open = [&w] {
            w.Find<QPushButton>("CommandEngine")->click();
            return w.form->findChild<admin::EngineSettingsDialog*>();
        };
        QPointer<admin::EngineSettingsDialog> dialog = open();
        QVERIFY(dialog && dialog->isVisible());
        auto* command = FindControl<QLineEdit>(*dialog, QStringLiteral("TextEngineCommand"));
        auto click = [&dialog](const char* name) {
            FindControl<QPushButton>(*dialog, QLatin1String(name))->click();
        };
        QCOMPARE(command->text(), QStringLiteral("gnugo --mode gtp"));

        const QString fake = QStringLiteral(FAKE_GTP_ENGINE " score");
        command->setText(fake);
        click("CommandEngineTry");
        QTRY_COMPARE(FindControl<QLabel>(*dialog, QStringLiteral("LabelEngineReport"))->text(),
                     QStringLiteral("思考エンジン「Fake Engine 1.0」が答えました。\n"
                                    "死に石の提案：使えます。\n形勢グラフ：使えます。"));
        w.platform.scriptedAnswers = {common::MessageAnswer::No};
        QTest::keyClick(command, Qt::Key_Escape);
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].text,
                 QStringLiteral("変更を保存せずに閉じてよろしいですか？"));
        QCOMPARE(w.platform.messages[0].defaultButton, common::DefaultButton::Safe);
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFile::exists(path));
        QTest::keyClick(command, Qt::Key_Return);  // 保存 is the default button
        QTRY_VERIFY(!dialog);
        QCOMPARE(w.root.Read(QStringLiteral("思考エンジン.dat")),
                 common::EncodeCp932(QStringLiteral("エンジン=")) + fake.toUtf8() + "\r\n");

        dialog = open();
        command = FindControl<QLineEdit>(*dialog, QStringLiteral("TextEngineCommand"));
        QCOMPARE(command->text(), fake);
        command->setText(QStringLiteral("/nonexistent/katago gtp"));
        w.platform.scriptedAnswers = {common::MessageAnswer::No};
        click("CommandEngineSave");
        QCOMPARE(w.platform.messages.last().text,
                 QStringLiteral("プログラム「/nonexistent/katago」が見つかりません。\n"
                                "このまま保存してよろしいですか？"));
        QVERIFY(dialog->isVisible());
        click("CommandEngineDefault");
        QCOMPARE(command->text(), QStringLiteral("gnugo --mode gtp"));
        click("CommandEngineSave");
        QTRY_VERIFY(!dialog);
        QCOMPARE(w.root.Read(QStringLiteral("思考エンジン.dat")), QByteArray());
        QCOMPARE(w.platform.messages.size(), 2);
    }
};

QTEST_MAIN(TestRegistrationWindow)
#include "test_registration_window.moc"
