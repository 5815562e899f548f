// The main window's frame: lists from the two games folders, game information, the guide,
// exit, the messages when no game is chosen, help files and activation.
#include "board/main_window.h"
#include "common/font_setup.h"
#include "testing/fake_platform.h"
#include "testing/record_lines.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using common::MessageAnswer;
using common::MessageButtons;

namespace {

const QByteArray kBlack("\x8d\x95");  // 黒
const QByteArray kWhite("\x94\x92");  // 白

QByteArray Row(int number, int x, int y) {
    return Line("11-30-2002", number, x, y);
}

const QString kInProgress = QStringLiteral("対局中棋譜/");
const QString kBackedUp = QStringLiteral("退避後棋譜/");

// Even game, komi code 31, the player Black; White's move 4 has been taken off.
const QByteArray kEvenGame = Line("2002/12/07", 0, 1, 31, kBlack, 1) + Row(1, 16, 4) +
                             Row(2, 4, 16) + Row(3, 15, 16) + Row(4, 16, 3) + Row(5, 17, 3) +
                             Row(4, 16, 3);
// Two handicap stones, no komi, the player White, no registration date.
const QByteArray kHandicapGame =
    Line("", -2, 3, 20, kWhite, 1) + Row(-1, 4, 4) + Row(0, 16, 16) + Row(1, 16, 4);
const QByteArray kHeaderOnly = Line("2002/11/30", 0, 1, 31, kBlack, 1);

QList<QPair<QString, QByteArray>> TwoFolders() {
    return {{kInProgress + QStringLiteral("佐藤/第1局.txt"), kEvenGame},
            {kInProgress + QStringLiteral("佐藤/第2局.txt"), kHandicapGame},
            {kInProgress + QStringLiteral("佐藤/memo.dat"), "not a game"},
            {kInProgress + QStringLiteral("鈴木/第1局.txt"), kHeaderOnly},
            {kInProgress + QStringLiteral("鈴木/第2局.txt"), kHandicapGame},
            {kBackedUp + QStringLiteral("田中/旧局.txt"), kHeaderOnly}};
}

/// A main window on its own data root, shown offscreen.
struct TestWindow {
    explicit TestWindow(const QList<QPair<QString, QByteArray>>& files,
                        QSize screen = {1280, 1024}) {
        for (const auto& file : files)
            root.Write(file.first, file.second);
        state.dataRoot = root.path();
        platform.screenWidth = screen.width();
        platform.screenHeight = screen.height();
        form = std::make_unique<board::MainWindow>(state, platform);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    template <typename T>
    T* Find(const QString& name) const {
        return FindControl<T>(*form, name);
    }
    void Menu(int index) {
        QTest::mouseClick(Find<QLabel>(QStringLiteral("Label1_%1").arg(index)), Qt::LeftButton);
    }
    void ChooseGame(int opponent, int game) {
        auto* combo = Find<QComboBox>(QStringLiteral("Combo1"));
        combo->setCurrentIndex(opponent);
        emit combo->activated(opponent);
        Find<QListWidget>(QStringLiteral("List2"))->setCurrentRow(game);
    }
    QString Text(const QString& labelName) const { return Find<QLabel>(labelName)->text(); }

    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    std::unique_ptr<board::MainWindow> form;
};

/// The share of a widget's pixels that are exactly `colour`.
double ShareOf(QWidget* widget, const QColor& colour) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            hits += image.pixel(x, y) == colour.rgb() ? 1 : 0;
    }
    return double(hits) / (image.width() * image.height());
}

QPoint PointPixel(int x, int y) {
    return QPoint(int((4297 + (x - 10) * 450) / 15.0), int((4297 + (y - 10) * 450) / 15.0));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void dataRootThatCannotBeWrittenIsNamed() {
        TempRoot root;
        root.Write("file", "not a folder");
        common::AppState state;
        state.dataRoot = root.File("file/data");  // nothing can be made in it, even by root
        FakePlatform platform;
        board::MainWindow form(state, platform);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text,
                 QStringLiteral("フォルダ「%1」に書き込めません。棋譜や設定は保存できません。")
                     .arg(QDir::toNativeSeparators(state.dataRoot)));
        QCOMPARE(platform.messages[0].title, QStringLiteral("保存ができません。"));
    }

    void windowPlacement_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("frame");
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QRect(240, 134, 800, 621);
        QTest::newRow("800 x 600") << QSize(800, 600) << QRect(0, 0, 800, 600);
    }
    void windowPlacement() {
        QFETCH(QSize, screen);
        QFETCH(QRect, frame);
        TestWindow window({}, screen);
        QCOMPARE(window.form->size(), frame.size());
        QCOMPARE(window.form->pos(), frame.topLeft());
    }

    void gamesFolders_data() {
        QTest::addColumn<bool>("backToInProgress");
        QTest::addColumn<QStringList>("opponents");
        QTest::addColumn<QStringList>("games");
        QTest::newRow("backed up")
            << false << QStringList{QStringLiteral("田中")} << QStringList{QStringLiteral("旧局")};
        QTest::newRow("in progress again")
            << true << QStringList{QStringLiteral("佐藤"), QStringLiteral("鈴木")}
            << QStringList{QStringLiteral("第1局"), QStringLiteral("第2局")};
    }
    void gamesFolders() {
        QFETCH(bool, backToInProgress);
        QFETCH(QStringList, opponents);
        QFETCH(QStringList, games);
        TestWindow window(TwoFolders());
        window.ChooseGame(0, 0);
        auto* option1 = window.Find<QRadioButton>(QStringLiteral("Option1"));
        auto* option2 = window.Find<QRadioButton>(QStringLiteral("Option2"));
        // The whole coloured box takes the click, also its right end past the caption.
        const QPoint rightEnd(option2->width() - 3, option2->height() / 2);
        QTest::mouseClick(option2, Qt::LeftButton, {}, rightEnd);
        if (backToInProgress) {
            window.state.replyStale = false;
            QTest::mouseClick(option1, Qt::LeftButton, {}, rightEnd);
        }
        QCOMPARE(Items(window.Find<QComboBox>(QStringLiteral("Combo1"))), opponents);
        QCOMPARE(Items(window.Find<QListWidget>(QStringLiteral("List2"))), games);
        QVERIFY(window.state.replyStale);
        QCOMPARE(window.Text(QStringLiteral("Label14_0")), QString());
        QCOMPARE(window.form->model().table().lastRow, 0);
        const QColor navy(0, 0, 128);
        QRadioButton* chosen = backToInProgress ? option1 : option2;
        QRadioButton* other = backToInProgress ? option2 : option1;
        QVERIFY(chosen->isChecked());
        QVERIFY2(ShareOf(chosen, navy) > 0.5, "the chosen folder is not navy");
        QCOMPARE(ShareOf(other, navy), 0.0);
        QVERIFY(ShareOf(other, QColor(224, 224, 224)) > 0.5);
    }

    void chooseGame_data() {
        QTest::addColumn<int>("game");
        QTest::addColumn<QStringList>("information");
        QTest::addColumn<QList<int>>("stones");  // x, y, number for each stone shown
        QTest::addColumn<int>("emptyX");
        QTest::addColumn<int>("emptyY");
        QTest::addColumn<QString>("whitePrisoners");
        QTest::newRow("even game, white stone taken")
            << 0
            << QStringList{QStringLiteral("第1局 (黒) 02/12/7"), QStringLiteral("(白) 佐藤"),
                           QStringLiteral("互先 ［コミ黒５目半］")}
            << QList<int>{16, 4, 1, 4, 16, 2, 15, 16, 3, 17, 3, 5} << 16 << 3 << "1";
        QTest::newRow("handicap game without a date")
            << 1
            << QStringList{QStringLiteral("第2局 (白)"), QStringLiteral("(黒) 佐藤"),
                           QStringLiteral("２子 ［コミなし］")}
            << QList<int>{4, 4, -1, 16, 16, 0, 16, 4, 1} << 10 << 10 << "";
    }
    void chooseGame() {
        QFETCH(int, game);
        QFETCH(QStringList, information);
        QFETCH(QList<int>, stones);
        QFETCH(int, emptyX);
        QFETCH(int, emptyY);
        QFETCH(QString, whitePrisoners);
        TestWindow window(TwoFolders());
        window.ChooseGame(0, game);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(window.Text(QStringLiteral("Label14_%1").arg(i)), information[i]);
        const go::BoardGrid& grid = window.form->model().board();
        for (qsizetype i = 0; i < stones.size(); i += 3)
            QCOMPARE(grid.At(stones[i], stones[i + 1]), stones[i + 2]);
        QVERIFY(!grid.Occupied(emptyX, emptyY));
        QCOMPARE(window.Text(QStringLiteral("Label3_4")), whitePrisoners);
        QCOMPARE(window.state.selectedGameIndex, game);
        QVERIFY(window.Find<QLineEdit>(QStringLiteral("Text3"))->isEnabled());
    }

    void guide_data() {
        QTest::addColumn<int>("showGuide");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        const QList<QPair<QString, QString>> guided{
            {"Label1_1",
             "「棋譜の検討」機能の画面です。初手から打ち掛け､または終局までを一手ずつ着手を進めた"
             "り､戻したりすることができます｡途中での変化を検討することもできます｡ "},
            {"Label1_7", "「ソラマメＶ３」を終了します。"},
            {"Label1_9",
             "「成績」の画面です。対戦記録から、対局者ごとの勝ち・負け・ジゴを集計します。"},
            {"Combo1",
             "対局者リストです。対局者をクリックしてください。対局者の表示がないときは「登録」画"
             "面に切り替えて対局の登録をしてください。"},
            {"Command1_1",
             "盤面どおりの内容を棋譜データとして保存します。最終の着手に「赤いマーク」が移ります｡"
             "棋譜データの保存先は「{records}/(対局者名)」です。"},
            {"Command1_7", "操作説明を表示します。"},
            {"Command2_4", "操作説明を表示します｡"},
            {"Command3_2",
             "記録された棋譜データのとおりに着手の「後退」をします。一度クリックした後は「ＥＮＴ"
             "ＥＲ」キー押し続けて素早い連続動作ができます｡ "},
            {"Command3_6", "表示画面をコピー印刷します。"}};
        const QString off = QStringLiteral(
            "「着手」画面で操作ガイドにチェックを入れるとここに説明が表示されます。");
        for (const auto& [control, text] : guided) {
            QTest::addRow("on, %s", qPrintable(control)) << 1 << control << text;
            QTest::addRow("off, %s", qPrintable(control)) << 0 << control << off;
        }
        QTest::newRow("no guide for 用語編集") << 1 << "Command1_10" << QString();
    }
    void guide() {
        QFETCH(int, showGuide);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        TestWindow window(TwoFolders());
        window.state.settings.showGuide = qint16(showGuide);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(window.Find<QWidget>(control), &enter);
        QCOMPARE(window.Text(QStringLiteral("Label2")),
                 QString(expected).replace("{records}", window.state.inProgressFolder));
    }

    void exit_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("ok");
        QTest::newRow("終了, Cancel") << true << false;
        QTest::newRow("title bar, Cancel") << false << false;
        QTest::newRow("title bar, OK") << false << true;
        QTest::newRow("終了, OK") << true << true;
    }
    void exit() {
        QFETCH(bool, fromMenu);
        QFETCH(bool, ok);
        TestWindow window(TwoFolders());
        window.Menu(board::MenuReview);
        window.ChooseGame(0, 1);
        const QString information = window.Text(QStringLiteral("Label14_0"));
        window.platform.scriptedAnswers = {ok ? MessageAnswer::Ok : MessageAnswer::Cancel};
        if (fromMenu) {
            window.Menu(board::MenuExit);
        } else {
            window.form->close();
        }
        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].text, QStringLiteral("終了してよろしいですか？"));
        QCOMPARE(window.platform.messages[0].title, QStringLiteral("終了の確認"));
        QCOMPARE(window.platform.messages[0].buttons, MessageButtons::OkCancel);
        QCOMPARE(window.form->isVisible(), !ok);
        QCOMPARE(window.form->model().mode(), go::Mode::Review);
        QCOMPARE(window.Text(QStringLiteral("Label14_0")), information);
        QCOMPARE(window.state.selectedGameIndex, 1);
        QCOMPARE(window.root.Read(kInProgress + QStringLiteral("佐藤/第2局.txt")), kHandicapGame);
    }

    void noGameChosen_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("button");
        for (int index : {0, 1, 3, 4, 5, 6})
            QTest::addRow("Command1_%d", index) << 0 << QStringLiteral("Command1_%1").arg(index);
        for (int index : {0, 1, 2, 3})
            QTest::addRow("Command2_%d", index) << 1 << QStringLiteral("Command2_%1").arg(index);
        for (int index : {0, 1, 2, 3, 5, 6})
            QTest::addRow("Command3_%d", index) << 2 << QStringLiteral("Command3_%1").arg(index);
    }
    void noGameChosen() {
        QFETCH(int, menu);
        QFETCH(QString, button);
        TestWindow window(TwoFolders());
        window.Menu(menu);
        auto* pushButton = window.Find<QPushButton>(button);
        if (pushButton->isEnabled()) {
            QTest::mouseClick(pushButton, Qt::LeftButton);
        } else {
            window.form->RunCommand(board::Panel::Recording,
                                    button.section('_', 1).toInt());  // "復 元" is greyed
        }
        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].text, QStringLiteral("対局を選択してください。"));
        QCOMPARE(window.platform.messages[0].title, QStringLiteral("対局が指定されていません。"));
        QVERIFY(window.Find<QLabel>(QStringLiteral("Label4"))->isHidden());
        QVERIFY(window.Text(QStringLiteral("Label12")).isEmpty());
        QVERIFY(window.platform.editorStarts.isEmpty());
    }

    void boardClickWithoutGame_data() {
        QTest::addColumn<bool>("withOpponent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("nobody registered")
            << false << QStringLiteral("メニューの「登録」で対局を登録してください。")
            << QStringLiteral("対局の登録がされていません。");
        QTest::newRow("no game chosen") << true << QStringLiteral("対局を選択してください。")
                                        << QStringLiteral("対局が指定されていません。");
    }
    void boardClickWithoutGame() {
        QFETCH(bool, withOpponent);
        QFETCH(QString, text);
        QFETCH(QString, title);
        TestWindow window(withOpponent ? TwoFolders() : QList<QPair<QString, QByteArray>>{});
        QTest::mouseClick(window.Find<QWidget>(QStringLiteral("Picture1")), Qt::LeftButton, {},
                          PointPixel(10, 10));
        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].text, text);
        QCOMPARE(window.platform.messages[0].title, title);
        QVERIFY(!window.form->model().board().Occupied(10, 10));
    }

    void helpFiles_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::newRow("recording") << 0 << "Command1_7" << QStringLiteral("着手説明.txt");
        QTest::newRow("terms") << 0 << "Command1_10" << QStringLiteral("用語.txt");
        QTest::newRow("review") << 1 << "Command2_4" << QStringLiteral("検討説明.txt");
        QTest::newRow("printing") << 2 << "Command3_4" << QStringLiteral("印刷説明.txt");
    }
    void helpFiles() {
        QFETCH(int, menu);
        QFETCH(QString, button);
        QFETCH(QString, file);
        TestWindow window({});  // no help file exists: the editor still opens, silently
        window.Menu(menu);
        QTest::mouseClick(window.Find<QPushButton>(button), Qt::LeftButton);
        QCOMPARE(window.platform.editorStarts, QStringList{window.root.File(file)});
        QVERIFY(window.platform.messages.isEmpty());
    }

    void boardBehindOtherWindows_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<bool>("gameStaysDrawn");
        QTest::newRow("登録") << int(board::MenuRegistration) << false;
        QTest::newRow("一覧") << int(board::MenuOverview) << true;
        QTest::newRow("成績") << int(board::MenuResults) << true;
    }
    void boardBehindOtherWindows() {
        QFETCH(int, menu);
        QFETCH(bool, gameStaysDrawn);
        TestWindow window(TwoFolders());
        window.ChooseGame(0, 0);
        auto* picture = window.Find<board::BoardPicture>(QStringLiteral("Picture1"));
        // Inside Black 1 of the even game, clear of the grid lines.
        const QRect stone = picture->StoneRect(16, 4);
        const QPoint blackOne = stone.center() + QPoint(stone.width() / 4, stone.width() / 4);
        QVERIFY(qGray(PixelAt(picture, blackOne).rgb()) < 60);
        window.form->SetWindowFactory(board::MenuIndex(menu),
                                      [](board::MainWindow&) { return new QWidget; });
        window.Menu(menu);
        QCOMPARE(qGray(PixelAt(picture, blackOne).rgb()) < 60, gameStaysDrawn);
    }

    void activationRestoresSelection() {
        TestWindow window(TwoFolders());
        QWidget* registration = nullptr;
        window.form->SetWindowFactory(board::MenuRegistration, [&](board::MainWindow&) {
            registration = new QWidget;
            return registration;
        });
        window.ChooseGame(1, 1);
        window.Menu(board::MenuRegistration);
        QVERIFY(registration != nullptr && registration->isVisible());
        // Meanwhile the registration window adds a game and an opponent.
        window.root.Write(kInProgress + QStringLiteral("鈴木/第3局.txt"), kHeaderOnly);
        window.root.Write(kInProgress + QStringLiteral("阿部/第1局.txt"), kHeaderOnly);
        registration->hide();
        window.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        QTRY_COMPARE(Items(window.Find<QComboBox>(QStringLiteral("Combo1"))).size(), 3);
        QCOMPARE(window.Find<QComboBox>(QStringLiteral("Combo1"))->currentText(),
                 QStringLiteral("鈴木"));
        auto* games = window.Find<QListWidget>(QStringLiteral("List2"));
        QCOMPARE(games->count(), 3);
        QCOMPARE(games->currentRow(), 1);
        QCOMPARE(window.Text(QStringLiteral("Label14_0")), QStringLiteral("第2局 (白)"));
        QCOMPARE(window.Text(QStringLiteral("Label14_1")), QStringLiteral("(黒) 鈴木"));
        QCOMPARE(window.form->model().board().At(4, 4), -1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
