// The game open in the main window, without any window: choosing, saving, undoing, cutting,
// comments, the game's information and showing from a move number, checked through the
// record files on disk. Runs under a QCoreApplication, so no widget can be made.
#include "session/game_session.h"
#include "testing/record_lines.h"
#include "testing/temp_root.h"

#include <QtTest>

namespace {

const QDate kToday(2002, 12, 7);

const QByteArray kBlackHeader = Line("2002/12/07", 0, 1, 31, "\x8d\x95", 1);      // 黒
const QByteArray kTengen = Line("12-07-2002", 5, 10, 10, "\x93\x56\x8c\xb3", 2);  // 天元

/// Four moves; move 3 is on (17, 16).
QByteArray FourMoves() {
    return kBlackHeader + Line("11-30-2002", 1, 16, 4) + Line("11-30-2002", 2, 4, 16) +
           Line("11-30-2002", 3, 17, 16) + Line("11-30-2002", 4, 4, 3);
}

const QString kGamePath = QStringLiteral("対局中棋譜/佐藤/第1局.txt");

/// A session on its own data root with one game of four moves, chosen and shown.
struct Session {
    Session() {
        root.Write(kGamePath, FourMoves());
        root.Write(QStringLiteral("Tmp.txt"), "an undo copy of another game");
        state.dataRoot = root.path();
        state.inProgressFolder = root.File(QStringLiteral("対局中棋譜"));
        state.currentGamesFolder = state.inProgressFolder;
        game.Choose(QStringLiteral("佐藤"), QStringLiteral("第1局"));
        game.Show();
    }
    QByteArray Record() const { return root.Read(kGamePath); }
    QByteArray UndoCopy() const { return root.Read(QStringLiteral("Tmp.txt")); }
    int Stone(int x, int y) const { return game.model().board().At(x, y); }

    TempRoot root;
    common::AppState state;
    session::GameSession game{state};
};

}  // namespace

class TestGameSession : public QObject {
    Q_OBJECT

  private slots:
    void choosingDropsTheUndoCopyAndBuildsThePathOnce() {
        Session s;
        QCOMPARE(s.game.recordPath(), s.root.File(kGamePath));
        QVERIFY(!QFile::exists(s.root.File(QStringLiteral("Tmp.txt"))));
        // The path stays the chosen game's even when the folder changes under it.
        s.state.currentGamesFolder = s.root.File(QStringLiteral("退避後棋譜"));
        QCOMPARE(s.game.Show(), store::LoadOutcome::Complete);
        QCOMPARE(s.Stone(4, 3), 4);
        s.game.Forget();
        QVERIFY(!s.game.HasGame());
        QCOMPARE(s.game.Show(), store::LoadOutcome::Missing);
        QCOMPARE(s.game.model().table().lastRow, 0);
    }

    void recordCheckToldOncePerFindings() {
        Session s;
        QCOMPARE(s.game.RecordCheckNotice(), QString());
        s.root.Write(kGamePath, FourMoves() + Line("12-07-2002", 5, 4, 3));
        QVERIFY(s.game.RecordCheckNotice().contains(
            QStringLiteral("第5手は、石（第4手）のある 4の三 に打たれています。")));
        QCOMPARE(s.game.RecordCheckNotice(), QString());
        // A new mistake is told at once, the old one with it.
        s.root.Write(kGamePath,
                     FourMoves() + Line("12-07-2002", 5, 4, 3) + Line("12-07-2002", 6, 16, 4));
        const QString notice = s.game.RecordCheckNotice();
        QVERIFY(notice.contains(QStringLiteral("第5手")) &&
                notice.contains(QStringLiteral("第6手")));
    }

    void placeTakeBackSaveRestore() {
        Session s;
        const session::BoardClick placed = s.game.RecordingClick(false, 10, 10);
        QVERIFY(placed.placed);
        QCOMPARE(placed.descriptions.value(0), QStringLiteral("天元"));
        s.game.RecordingClick(false, 12, 10);
        // Taking back the unsaved move 6 leaves move 5 last, with the comment a save writes.
        const session::BoardClick back = s.game.RecordingClick(true, 1, 1);
        QCOMPARE(back.commentNow, std::optional<QString>(QStringLiteral("天元")));
        QVERIFY(back.tookBack);
        QCOMPARE(back.descriptions.value(0), QStringLiteral("天元"));  // the words follow
        QCOMPARE(s.Stone(12, 10), go::kEmptyPoint);
        s.state.replyStale = false;
        QVERIFY(s.game.Save(kToday));
        QCOMPARE(s.Record(), FourMoves() + kTengen);
        QCOMPARE(s.UndoCopy(), FourMoves());
        QVERIFY(s.state.replyStale);
        QCOMPARE(s.game.model().table().savedRowCount, 5);
        // A take-back never reaches saved rows.
        QCOMPARE(s.game.RecordingClick(true, 1, 1).commentNow, std::nullopt);
        QCOMPARE(s.Stone(10, 10), 5);
        QVERIFY(s.game.RestoreLastSave());
        QCOMPARE(s.Record(), FourMoves());
        QVERIFY(!QFile::exists(s.root.File(QStringLiteral("Tmp.txt"))));
        QCOMPARE(s.Stone(10, 10), go::kEmptyPoint);
    }

    void failedSaveKeepsTheRows() {
        Session s;
        s.game.RecordingClick(false, 10, 10);
        QDir().mkdir(s.root.File(QStringLiteral("Tmp.txt")));  // no undo copy can be made
        QVERIFY(!s.game.Save(kToday));
        QCOMPARE(s.Record(), FourMoves());
        QCOMPARE(s.game.model().table().lastRow, 5);
        QCOMPARE(s.Stone(10, 10), 5);
    }

    void cut_data() {
        QTest::addColumn<bool>("placeFirst");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("saved move 3")
            << false << QPoint(17, 16) << int(session::CutOutcome::Cut) << 2;
        QTest::newRow("empty point")
            << false << QPoint(10, 10) << int(session::CutOutcome::NotASavedStone) << 4;
        QTest::newRow("stone not saved yet")
            << true << QPoint(10, 10) << int(session::CutOutcome::NotASavedStone) << 4;
    }
    void cut() {
        QFETCH(bool, placeFirst);
        QFETCH(QPoint, point);
        QFETCH(int, outcome);
        QFETCH(int, rowsLeft);
        Session s;
        if (placeFirst)
            s.game.RecordingClick(false, 10, 10);
        QCOMPARE(int(s.game.CutAt(point.x(), point.y())), outcome);
        QCOMPARE(s.game.model().table().savedRowCount, rowsLeft);
        if (outcome != int(session::CutOutcome::Cut)) {
            QCOMPARE(s.Record(), FourMoves());
            return;
        }
        QCOMPARE(s.Record(),
                 kBlackHeader + Line("11-30-2002", 1, 16, 4) + Line("11-30-2002", 2, 4, 16));
        QCOMPARE(s.Stone(17, 16), go::kEmptyPoint);
        QVERIFY(s.game.RestoreLastSave());
        QCOMPARE(s.Record(), FourMoves());
    }

    void commentBeforeAndAfterAMove_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("header only") << kBlackHeader;
        QTest::newRow("saved moves") << FourMoves();
    }
    void commentBeforeAndAfterAMove() {
        QFETCH(QByteArray, record);
        Session s;
        s.root.Write(kGamePath, record);
        s.game.Show();
        const int lastRow = s.game.model().table().lastRow;
        // A comment typed before a new move never reaches the header: row 0 holds the colour.
        s.game.SetComment(QStringLiteral("xyz"));
        QCOMPARE(s.game.model().table().rows[0].text.trimmed(), QStringLiteral("黒"));
        s.game.RecordingClick(false, 10, 10);
        s.game.SetComment(QStringLiteral("a,b"));
        QVERIFY(s.game.Save(kToday));
        QCOMPARE(s.Record(), record + Line("12-07-2002", lastRow + 1, 10, 10,
                                           "a\x81\x41"
                                           "b",
                                           3));
    }

    void information_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("black, komi, dated")
            << kBlackHeader
            << QStringList{QStringLiteral("第1局 (黒) 02/12/7"), QStringLiteral("(白) 佐藤"),
                           QStringLiteral("互先 ［コミ黒５目半］")};
        QTest::newRow("white, handicap, no date")
            << Line("", -2, 3, 20, "\x94\x92", 1)
            << QStringList{QStringLiteral("第1局 (白)"), QStringLiteral("(黒) 佐藤"),
                           QStringLiteral("２子 ［コミなし］")};
        QTest::newRow("colour damaged by hand")
            << Line("2002/12/07", 0, 1, 31, "x", 1)
            << QStringList{QStringLiteral("第1局 (x) 02/12/7"), QStringLiteral("(黒) 佐藤"),
                           QStringLiteral("互先 ［コミ黒５目半］")};
    }
    void information() {
        QFETCH(QByteArray, header);
        QFETCH(QStringList, lines);
        Session s;
        s.root.Write(kGamePath, header);
        s.game.Show();
        const session::GameInformation shown = s.game.Information();
        QCOMPARE((QStringList{shown.gameLine, shown.opponentLine, shown.handicapLine}), lines);
    }

    void showFromMove_data() {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("move 2") << 2 << 2 << 2;
        QTest::newRow("past the end stops at move 4") << 250 << 4 << 4;
        QTest::newRow("0") << 0 << 0 << 0;
    }
    void showFromMove() {
        QFETCH(int, typed);
        QFETCH(int, shown);
        QFETCH(int, lastRow);
        Session s;
        QCOMPARE(s.game.ShowFromMove(typed), shown);
        QCOMPARE(s.game.model().table().lastRow, lastRow);
    }
};

QTEST_GUILESS_MAIN(TestGameSession)
#include "test_game_session.moc"
