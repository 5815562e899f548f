// The games overview (whose move, since when) and the results summary.
#include "output/games_overview.h"
#include "output/results_summary.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

namespace {

const QDate kToday(2026, 12, 8);

QString Header(int handicapCode, int komiCode, bool playerIsBlack) {
    return store::HeaderLine(QDate(2026, 11, 1), handicapCode, komiCode, playerIsBlack);
}

/// Moves first..last, one a day from the first of December.
QStringList Moves(int first, int last) {
    QStringList lines;
    for (int n = first; n <= last; ++n) {
        lines.append(store::RecordLine(QStringLiteral("12-%1-2026").arg(n, 2, 10, QChar('0')), n, n,
                                       n, QString()));
    }
    return lines;
}

QString Row(int number, const QString& date = QStringLiteral("12-05-2026")) {
    return store::RecordLine(date, number, 10, 10, QString());
}

void WriteRecord(const TempRoot& root, const QString& relative, const QStringList& lines) {
    root.Write(relative, {});
    QVERIFY(store::WriteTextLines(root.File(relative), lines));
}

}  // namespace

class TestGamesOverview : public QObject {
    Q_OBJECT
  private slots:
    void summarisesEachGame_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("cells");
        // 対局者 対局名 手合割 コミ 色 手数 最終記録日 手番 経過日数 期限 残り日数 (no limits set)
        QTest::newRow("even, Black moved last, player Black")
            << QStringList{Header(1, 31, true)} + Moves(1, 3)
            << "互先|黒５目半|黒|3|2026/12/03|相手|5||";
        QTest::newRow("even, player White to answer move 3")
            << QStringList{Header(1, 20, false)} + Moves(1, 3)
            << "互先|コミなし|白|3|2026/12/03|自分|5||";
        QTest::newRow("handicap: White plays move 1, Black answers 2")
            << QStringList{Header(3, 20, true), Row(-1, "11-02-2026"), Row(0, "11-02-2026")} +
                   Moves(1, 2)
            << "２子|コミなし|黒|2|2026/12/02|相手|6||";
        QTest::newRow("handicap, the player Black waits for White's move 3")
            << QStringList{Header(3, 20, true), Row(-1, "11-02-2026"), Row(0, "11-02-2026")} +
                   Moves(1, 3)
            << "２子|コミなし|黒|3|2026/12/03|自分|5||";
        QTest::newRow("just registered, Black opens")
            << QStringList{Header(1, 31, true)} << "互先|黒５目半|黒|0|2026/11/01|自分|37||";
        QTest::newRow("just registered, player White waits")
            << QStringList{Header(1, 31, false)} << "互先|黒５目半|白|0|2026/11/01|相手|37||";
        QTest::newRow("just registered handicap, White plays first")
            << QStringList{Header(5, 20, false)} << "４子|コミなし|白|0|2026/11/01|自分|37||";
        QTest::newRow("removed stones after move 5 are not moves")
            << QStringList{Header(1, 31, true)} + Moves(1, 5) + QStringList{Row(2), Row(4)}
            << "互先|黒５目半|黒|5|2026/12/05|相手|3||";
        QTest::newRow("a row saved without a date")
            << QStringList{Header(1, 31, true)} + Moves(1, 2) +
                   QStringList{Row(3, QString(10, ' '))}
            << "互先|黒５目半|黒|3|2026/12/02|相手|6||";
        QTest::newRow("last day after today: waits 0 days, the day marked")
            << QStringList{Header(1, 31, true)} + Moves(1, 2) +
                   QStringList{Row(3, QStringLiteral("01-05-2027"))}
            << "互先|黒５目半|黒|3|2027/01/05（今日より後）|相手|0||";
        QTest::newRow("unreadable line")
            << QStringList{Header(1, 31, true), "12-01-2026, x"} << "互先|黒５目半|黒|||?|||";
        QTest::newRow("colour not known")
            << QStringList{Header(1, 31, true).replace("黒", "赤")} << "互先|黒５目半|赤|||?|||";
    }
    void summarisesEachGame() {
        QFETCH(QStringList, lines);
        QFETCH(QString, cells);
        TempRoot root;
        WriteRecord(root, "山田/01.txt", lines);
        const QList<output::GameOverviewRow> rows = output::ListGamesInPlay(root.path(), kToday);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(output::OverviewCells(rows[0]).join('|'), "山田|01|" + cells);
        QCOMPARE(rows[0].note.isEmpty(), !cells.contains('?'));
    }

    void listsMyMovesFirstLongestWaitingFirst() {
        TempRoot root;
        const QString even = Header(1, 31, true);
        WriteRecord(root, "甲/待つ.txt", QStringList{even} + Moves(1, 1));
        WriteRecord(root, "甲/古い.txt", QStringList{even} + Moves(1, 2));
        WriteRecord(root, "乙/新しい.txt", QStringList{even} + Moves(1, 4));
        WriteRecord(root, "乙/壊れ.txt", QStringList{"?"});
        WriteRecord(root, "乙/新規.txt", QStringList{even});
        const QString listing =
            output::OverviewListing(output::ListGamesInPlay(root.path(), kToday));
        QCOMPARE(listing,
                 QStringLiteral(
                     "対局者\t対局名\t手合割\tコミ\t色\t手数\t最終記録日\t手番\t経過日数\t期限\t"
                     "残り日数\n"
                     "乙\t新規\t互先\t黒５目半\t黒\t0\t2026/11/01\t自分\t37\t\t\n"
                     "甲\t古い\t互先\t黒５目半\t黒\t2\t2026/12/02\t自分\t6\t\t\n"
                     "乙\t新しい\t互先\t黒５目半\t黒\t4\t2026/12/04\t自分\t4\t\t\n"
                     "甲\t待つ\t互先\t黒５目半\t黒\t1\t2026/12/01\t相手\t7\t\t\n"
                     "乙\t壊れ\t\t\t\t\t\t?\t\t\t\n"));
    }

    void countsEachGameByItsLastResult_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("tallies");  // opponent:wins/losses/draws ... total
        QTest::addColumn<QString>("games");    // opponent game result, in order
        QTest::addColumn<int>("unread");
        const QString terms = QStringLiteral("互先(黒) コミ黒６目半");
        QTest::newRow("one of each")
            << QStringList{"山田 01局 " + terms + " [黒1目半負け] 2002/12/07",
                           "鈴木 一郎 02局 ２子(白) コミなし [白3目勝ち] 2003/01/10",
                           "山田 03局 " + terms + " [黒ジゴ] 2003/02/01"}
            << "山田:0/1/1 鈴木 一郎:1/0/0 計:1/1/1"
            << "山田 01 黒1目半負け|鈴木 一郎 02 白3目勝ち|山田 03 黒ジゴ" << 0;
        QTest::newRow("a game counted again counts once, by its last result")
            << QStringList{"山田 01局 " + terms + " [黒1目半負け] 2002/12/07", "",
                           "山田 01局 " + terms + " [黒2目半勝ち] 2002/12/14"}
            << "山田:1/0/0 計:1/0/0"
            << "山田 01 黒2目半勝ち" << 0;
        QTest::newRow("an opponent since erased, a hand-written line, a game named 局")
            << QStringList{"佐藤 局局 " + terms + " [黒中押し勝ち] 2004/05/06", "メモ：来年も",
                           "佐藤 9局 (黒)  [] 2004/05/07"}
            << "佐藤:1/0/0 計:1/0/0"
            << "佐藤 局 黒中押し勝ち|佐藤 9 " << 1;
    }
    void countsEachGameByItsLastResult() {
        QFETCH(QStringList, lines);
        QFETCH(QString, tallies);
        QFETCH(QString, games);
        QFETCH(int, unread);
        const output::ResultsSummary summary =
            output::SummariseResults(lines, {QStringLiteral("山田"), QStringLiteral("鈴木 一郎")});
        QStringList seenTallies;
        for (const output::Tally& t : summary.opponents + QList<output::Tally>{summary.total}) {
            seenTallies.append(QStringLiteral("%1:%2/%3/%4")
                                   .arg(t.opponent.isEmpty() ? "計" : t.opponent)
                                   .arg(t.wins)
                                   .arg(t.losses)
                                   .arg(t.draws));
        }
        QStringList seenGames;
        for (const output::GameResult& g : summary.games)
            seenGames.append(g.opponent + ' ' + g.game + ' ' + g.result);
        QCOMPARE(seenTallies.join(' '), tallies);
        QCOMPARE(seenGames.join('|'), games);
        QCOMPARE(summary.unreadLines, unread);
    }
};

QTEST_GUILESS_MAIN(TestGamesOverview)
#include "test_games_overview.moc"
