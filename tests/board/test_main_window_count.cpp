// The end-of-game count on the main window and the results record it feeds.
#include "board/main_window.h"
#include "common/font_setup.h"
#include "testing/fake_platform.h"
#include "testing/record_lines.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"
#include "views/results_summary_window.h"
#include "widgets/board_picture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

/// An even game with komi code 33, the player Black: a black wall on column 4 and a white
/// one on column 16, then Black 39 on (10, 10), White 40 on (2, 10) and Black 41 on (1, 1).
QByteArray FinishedGame() {
    QByteArray bytes = Line("2002/12/07", 0, 1, 33, "\x8d\x95", 1);  // 黒
    for (int n = 1; n <= 38; ++n) {
        const bool black = n % 2 == 1;
        bytes += Line("11-30-2002", n, black ? 4 : 16, black ? (n + 1) / 2 : n / 2, {}, 0);
    }
    bytes += Line("11-30-2002", 39, 10, 10, {}, 0);
    bytes += Line("11-30-2002", 40, 2, 10, {}, 0);
    bytes += Line("11-30-2002", 41, 1, 1, {}, 0);
    return bytes;
}

// 山田 第3局 互先(黒) コミ黒６目半 [黒1目半負け] 2002/12/07
const QByteArray kResultLine =
    "\x8e\x52\x93\x63 \x91\xe6"
    "3\x8b\xc7 \x8c\xdd\x90\xe6(\x8d\x95) "
    "\x83\x52\x83\x7e\x8d\x95\x82\x55\x96\xda\x94\xbc [\x8d\x95"
    "1\x96\xda\x94\xbc\x95\x89\x82\xaf] "
    "2002/12/07\r\n";

/// A main window on its own data root with the finished game chosen in the recording panel.
struct TestWindow {
    explicit TestWindow(bool chooseGame = true) {
        root.Write(QStringLiteral("対局中棋譜/山田/第3.txt"), FinishedGame());
        state.dataRoot = root.path();
        form = std::make_unique<board::MainWindow>(state, platform);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        if (chooseGame)
            Find<QListWidget>(QStringLiteral("List2"))->setCurrentRow(0);
    }
    template <typename T>
    T* Find(const QString& name) const {
        return FindControl<T>(*form, name);
    }
    void Press(const QString& button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    void Click(int x, int y) {
        const QPoint pixel(int((4297 + (x - 10) * 450) / 15.0),
                           int((4297 + (y - 10) * 450) / 15.0));
        QTest::mouseClick(Find<QWidget>(QStringLiteral("Picture1")), Qt::LeftButton, {}, pixel);
    }
    QString Text(const QString& label) const { return Find<QLabel>(label)->text(); }
    QStringList Scores() const {
        return {Text(QStringLiteral("Label5_1")), Text(QStringLiteral("Label5_3")),
                Text(QStringLiteral("Label12"))};
    }
    /// The colour at the grid crossing of a point, where the count puts its mark.
    QColor AtCrossing(int x, int y) const {
        auto* picture = Find<board::BoardPicture>(QStringLiteral("Picture1"));
        return picture->Pixmap().toImage().pixelColor(picture->StoneRect(x, y).center());
    }

    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    std::unique_ptr<board::MainWindow> form;
};

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

}  // namespace

class TestMainWindowCount : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void countToggle() {
        TestWindow window;
        window.Click(2, 10);  // White 40 taken off, not saved
        QCOMPARE(window.Text(QStringLiteral("Label3_4")), QStringLiteral("1"));
        const QStringList result{"61", "56", QStringLiteral("黒1目半負け")};

        window.Press(QStringLiteral("Command1_6"));
        QCOMPARE(window.Scores(), result);
        QCOMPARE(window.AtCrossing(2, 2), kBlue);
        QCOMPARE(window.AtCrossing(18, 2), kRed);

        window.Press(QStringLiteral("Command1_6"));
        QCOMPARE(window.Scores(), (QStringList{"", "", ""}));
        QVERIFY(window.AtCrossing(2, 2) != kBlue);
        QVERIFY(window.AtCrossing(18, 2) != kRed);
        // The removal made since the last save is still on the board and counted.
        QVERIFY(!window.form->model().board().Occupied(2, 10));
        QCOMPARE(window.Text(QStringLiteral("Label3_4")), QStringLiteral("1"));

        window.Press(QStringLiteral("Command1_6"));
        QCOMPARE(window.Scores(), result);
    }

    void redisplayEndsTheCount() {
        TestWindow window;
        window.Press(QStringLiteral("Command1_6"));
        QCOMPARE(window.AtCrossing(18, 2), kRed);
        window.Press(QStringLiteral("Command1_0"));
        QVERIFY(window.AtCrossing(18, 2) != kRed);
        QVERIFY(!window.Text(QStringLiteral("Label12")).isEmpty());
        // The next press counts again instead of taking the count away.
        window.Press(QStringLiteral("Command1_6"));
        QCOMPARE(window.AtCrossing(18, 2), kRed);
        QVERIFY(!window.Text(QStringLiteral("Label12")).isEmpty());
    }

    void resultsRecord_data() {
        QTest::addColumn<bool>("chooseGame");
        QTest::addColumn<int>("countPresses");
        QTest::addColumn<int>("recordPresses");
        QTest::addColumn<bool>("fileBlocked");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("noCountMessages");
        QTest::newRow("after one count, twice")
            << true << 1 << 2 << false << kResultLine + kResultLine << 0;
        QTest::newRow("without a count") << true << 0 << 1 << false << QByteArray() << 1;
        QTest::newRow("count taken away") << true << 2 << 1 << false << QByteArray() << 1;
        QTest::newRow("no game chosen") << false << 0 << 2 << false << QByteArray() << 2;
        QTest::newRow("file cannot be written") << true << 1 << 1 << true << QByteArray() << 0;
    }
    void resultsRecord() {
        QFETCH(bool, chooseGame);
        QFETCH(int, countPresses);
        QFETCH(int, recordPresses);
        QFETCH(bool, fileBlocked);
        QFETCH(QByteArray, expected);
        QFETCH(int, noCountMessages);
        TestWindow window(chooseGame);
        const QString path = window.root.File(QStringLiteral("対戦記録.txt"));
        if (fileBlocked)
            QDir().mkdir(path);
        if (chooseGame)
            window.Click(2, 10);
        for (int i = 0; i < countPresses; ++i)
            window.Press(QStringLiteral("Command1_6"));
        for (int i = 0; i < recordPresses; ++i)
            window.Press(QStringLiteral("Command1_9"));

        QCOMPARE(window.platform.editorStarts, QStringList(recordPresses, path));
        if (fileBlocked) {
            // A result that could not be written is not lost silently.
            QCOMPARE(window.platform.messages.size(), 1);
            QCOMPARE(window.platform.messages[0].buttons, common::MessageButtons::Ok);
            return;
        }
        QCOMPARE(window.platform.messages.size(), noCountMessages);
        for (const FakePlatform::Message& message : window.platform.messages) {
            QCOMPARE(
                message.text,
                QStringLiteral("「計算結果」が実行されていないため、対戦記録の表示のみをします。"));
            QCOMPARE(message.title, QStringLiteral("対戦記録を表示します。"));
        }
        QCOMPARE(QFile::exists(path), !expected.isEmpty());
        QCOMPARE(window.root.Read(QStringLiteral("対戦記録.txt")), expected);
    }

    void resultNeverCutOff() {
        TestWindow window;
        // A desktop font far larger than the window was laid out for.
        QFont large = window.form->font();
        large.setPointSizeF(16);
        window.form->setFont(large);
        window.Click(2, 10);
        window.Press(QStringLiteral("Command1_6"));
        const QLabel* result = window.Find<QLabel>(QStringLiteral("Label12"));
        QCOMPARE(result->text(), QStringLiteral("黒1目半負け"));
        QVERIFY(QFontMetricsF(result->font()).horizontalAdvance(result->text()) <=
                result->contentsRect().width());
    }

    void summaryCountsTheRecordedResult() {
        TestWindow window;
        window.Click(2, 10);
        window.Press(QStringLiteral("Command1_6"));
        // Recorded twice, as after a second count: the game still counts once.
        window.Press(QStringLiteral("Command1_9"));
        window.Press(QStringLiteral("Command1_9"));
        const views::ResultsSummaryWindow summary(window.state);
        auto rows = [](const QTableWidget* table) {
            QStringList rows;
            for (int r = 0; r < table->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columnCount(); ++c)
                    cells.append(table->item(r, c)->text());
                rows.append(cells.join(' '));
            }
            return rows;
        };
        QCOMPARE(rows(summary.tallies()), (QStringList{"山田 0 1 0 1", "合計 0 1 0 1"}));
        QCOMPARE(rows(summary.games()),
                 QStringList{"山田 第3 互先(黒) コミ黒６目半 黒1目半負け 2002/12/07"});
        QCOMPARE(summary.note()->text(), QString());
    }

    // The score graph asks an engine, so only about a finished game: hidden without a game,
    // greyed and refused with a message for a game in play.
    void scoreGraphOnlyForFinishedGames_data() {
        QTest::addColumn<bool>("chooseGame");
        QTest::addColumn<QByteArray>("resultsRecord");
        QTest::addColumn<bool>("countAndRecord");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("message");
        QTest::newRow("no game") << false << QByteArray() << false << false << false
                                 << "対局を選択してください。";
        QTest::newRow("game in play")
            << true << QByteArray() << false << true << false
            << "形勢グラフは、終わった対局（退避後の棋譜か、対戦記録に結果のある対局）だけに"
               "作ります。対局中の対局について思考エンジンには尋ねません。";
        QTest::newRow("result in the results record")
            << true << kResultLine << false << true << true << "";
        QTest::newRow("result recorded, then review")
            << true << QByteArray() << true << true << true << "";
    }
    void scoreGraphOnlyForFinishedGames() {
        QFETCH(bool, chooseGame);
        QFETCH(QByteArray, resultsRecord);
        QFETCH(bool, countAndRecord);
        QFETCH(QString, message);
        TestWindow window(false);
        if (!resultsRecord.isEmpty())
            window.root.Write(QStringLiteral("対戦記録.txt"), resultsRecord);
        if (chooseGame)
            window.Find<QListWidget>(QStringLiteral("List2"))->setCurrentRow(0);
        if (countAndRecord) {
            window.Press(QStringLiteral("Command1_6"));
            window.Press(QStringLiteral("Command1_9"));
        }
        window.form->RunCommand(board::Panel::Menu, board::MenuReview);
        auto* button = window.Find<QPushButton>(QStringLiteral("Command2_8"));
        QTEST(!button->isHidden(), "shown");
        QTEST(button->isEnabled(), "enabled");
        QSignalSpy requested(window.form.get(), &board::MainWindow::ScoreGraphRequested);
        const qsizetype messagesBefore = window.platform.messages.size();
        window.form->RunCommand(board::Panel::Review, board::ScoreGraph);
        QCOMPARE(window.platform.messages.size() - messagesBefore, message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(window.platform.messages.last().text, message);
        QCOMPARE(requested.count(), message.isEmpty() ? 1 : 0);
        if (!requested.isEmpty())
            QCOMPARE(requested[0][0].toString(),
                     window.root.path() + QStringLiteral("/対局中棋譜/山田/第3.txt"));
    }

    // The stone just played can only come off after another: alone it stays, and is said so.
    void deadLastStone_data() {
        QTest::addColumn<QString>("dead");
        QTest::addColumn<bool>("whiteFortyOff");
        QTest::addColumn<bool>("lastStoneOff");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("with another") << "A19 B10" << true << true
                                      << "思考エンジンの提案で、死に石 2 個（黒 1 個・白 1 個）を"
                                         "取り上げました。これは提案で、まだ記録していません。";
        QTest::newRow("alone") << "A19" << false << false
                               << "思考エンジンが死に石と見た石のうち 1 個（1の一）は、取り上げ"
                                  "られませんでした（直前に打った石だけを取り上げることはできず、"
                                  "棋譜は 440 行までです）。";
    }
    void deadLastStone() {
        QFETCH(QString, dead);
        TestWindow window;
        window.root.Write(
            QStringLiteral("思考エンジン.dat"),
            QStringLiteral("エンジン=" FAKE_GTP_ENGINE " normal %1\r\n").arg(dead).toUtf8());
        window.Press(QStringLiteral("Command1_6"));
        window.Press(QStringLiteral("Command1_8"));
        const go::BoardGrid& board = window.form->model().board();
        QTEST(!board.Occupied(2, 10), "whiteFortyOff");
        QTEST(!board.Occupied(1, 1), "lastStoneOff");  // Black 41, the last move
        QCOMPARE(window.platform.notices.size(), 1);
        QTEST(window.platform.notices[0].text.section('\n', 0, 0), "firstLine");
    }

    // The proposal at the count: the player has taken Black 39 off as dead, the engine calls
    // White 40 dead and Black 39 alive. White 40 comes off as a click would take it, Black 39
    // stays off, and the notice says where the two part.
    void deadStoneProposalAgainstThePlayersMarks() {
        TestWindow window;
        window.root.Write(QStringLiteral("思考エンジン.dat"),
                          QStringLiteral("エンジン=" FAKE_GTP_ENGINE " normal B10\r\n").toUtf8());
        window.Click(10, 10);  // Black 39 taken off as dead
        auto* ask = window.Find<QPushButton>(QStringLiteral("Command1_8"));
        QVERIFY(ask->isHidden());  // no question about a game before its count
        window.Press(QStringLiteral("Command1_6"));
        QVERIFY(!ask->isHidden() && ask->isEnabled());
        window.Press(QStringLiteral("Command1_8"));
        const go::BoardGrid& board = window.form->model().board();
        QVERIFY(!board.Occupied(2, 10));
        QVERIFY(!board.Occupied(10, 10));
        QCOMPARE(window.Text(QStringLiteral("Label3_4")), QStringLiteral("1"));  // White 40
        QCOMPARE(window.platform.notices.size(), 1);
        const QStringList notice = window.platform.notices[0].text.split('\n');
        QCOMPARE(notice.size(), 4);
        QCOMPARE(notice[0], QStringLiteral("思考エンジンの提案で、死に石 1 個（黒 0 個・白 1 個）を"
                                           "取り上げました。これは提案で、まだ記録していません。"));
        QCOMPARE(notice[1], QStringLiteral("あなたが取り上げた石のうち 1 個（10の十）は、思考エンジ"
                                           "ンは生きていると見ています。その石は盤に戻していま"
                                           "せん。"));
        QVERIFY(notice[2].startsWith(QStringLiteral("地の計算は、思考エンジンの見方では ")));
        // Nothing is counted or saved until the player says so.
        QCOMPARE(window.Scores(), (QStringList{"", "", ""}));
        QCOMPARE(window.root.Read(QStringLiteral("対局中棋譜/山田/第3.txt")), FinishedGame());
    }
};

QTEST_MAIN(TestMainWindowCount)
#include "test_main_window_count.moc"
