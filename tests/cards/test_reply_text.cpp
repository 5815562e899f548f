// The reply card text: which rows a game lists, how a move line reads (numerals included),
// the heading.
#include "cards/reply_text.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

using namespace postcard;

namespace {

const QString kEvenHeader = QStringLiteral("2002/12/01, 0 , 1 , 31 ,黒");

void WriteGame(const TempRoot& root, const QString& game, const QStringList& lines) {
    QDir().mkpath(root.File("games/山田"));
    QVERIFY(store::WriteTextLines(root.File("games/山田/" + game + ".txt"), lines));
}

}  // namespace

class TestReplyText : public QObject {
    Q_OBJECT
  private slots:
    void moveLines_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("header only") << kEvenHeader << QStringList{} << QStringList{};
        QTest::newRow("move, removal, move")
            << kEvenHeader
            << QStringList{"12-06-2002, 15 , 3 , 4 ,", "12-06-2002, 19 , 16 , 16 ,",
                           "12-07-2002, 20 , 4 , 4 ,アタリ", "12-07-2002, 15 , 3 , 4 ,",
                           "12-07-2002, 21 , 16 , 17 ,ハネ                        "}
            << QStringList{"○20:４・四(アタリ)", "●21:１６・十七(ハネ)"};
        QTest::newRow("earlier day with higher numbers")
            << kEvenHeader
            << QStringList{"12-06-2002, 1 , 4 , 4 ,", "12-06-2002, 40 , 10 , 10 ,",
                           "12-07-2002, 2 , 16 , 4 ,", "12-07-2002, 3 , 10 , 19 ,"}
            << QStringList{"○2:１６・四", "●3:１０・十九"};
        QTest::newRow("blank comment")
            << kEvenHeader << QStringList{"12-07-2002, 1 , 1 , 1 ,      "}
            << QStringList{"●1:１・一"};
        QTest::newRow("handicap stones")
            << "2002/12/01,-2 , 3 , 20 ,白"
            << QStringList{"12-07-2002,-1 , 4 , 4 ,", "12-07-2002, 0 , 16 , 16 ,",
                           "12-07-2002, 1 , 16 , 4 ,", "12-07-2002, 2 , 4 , 16 ,"}
            << QStringList{"●置石:４・四", "●置石:１６・十六", "○1:１６・四", "●2:４・十六"};
        QTest::newRow("removal opens the day")
            << kEvenHeader
            << QStringList{"12-06-2002, 1 , 4 , 4 ,", "12-06-2002, 2 , 5 , 4 ,",
                           "12-06-2002, 3 , 4 , 5 ,", "12-07-2002, 2 , 5 , 4 ,",
                           "12-07-2002, 4 , 16 , 4 ,"}
            << QStringList{"○4:１６・四"};
        QTest::newRow("unreadable row")
            << kEvenHeader << QStringList{"12-07-2002, 1 , 4 , 4 ,", "12-07-2002, x , 4 , 4 ,"}
            << QStringList{};
        QTest::newRow("off the board")
            << kEvenHeader << QStringList{"12-07-2002, 1 , 20 , 0 ,"} << QStringList{"●1:20・0"};
    }
    void moveLines() {
        QFETCH(QString, header);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        TempRoot root;
        WriteGame(root, "01", QStringList{header} + rows);
        QCOMPARE(ReplyMoveLines(root.File("games/山田/01.txt")), expected);
    }

    void buildReplyText_data() {
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<QStringList>("games");
        QTest::addColumn<QString>("expected");  // null: no text, the current one stays
        QTest::newRow("no opponent") << "" << QStringList{"01"} << QString();
        QTest::newRow("no games") << "山田" << QStringList{} << "発信 2002/12/07\r\n\r\n";
        QTest::newRow("list order, missing file")
            << "山田" << QStringList{"02", "01", "03"}
            << "発信 2002/12/07\r\n\r\nNo.02\r\n●1:４・四\r\n\r\nNo.01\r\n\r\nNo.03\r\n\r\n";
    }
    void buildReplyText() {
        QFETCH(QString, opponent);
        QFETCH(QStringList, games);
        QFETCH(QString, expected);
        TempRoot root;
        WriteGame(root, "01", {kEvenHeader});
        WriteGame(root, "02", {kEvenHeader, "12-07-2002, 1 , 4 , 4 ,"});
        const auto text = BuildReplyText(opponent, games, root.File("games"), QDate(2002, 12, 7));
        QCOMPARE(text.has_value(), !expected.isNull());
        if (text)
            QCOMPARE(*text, expected);
    }

    void checkLinesInText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString check = "照合 第1手まで 黒石1 白石0\r\nアゲハマ 黒0 白0 符号 5869\r\n";
        const QString head = "発信 2002/12/07\r\n\r\nNo.02\r\n●1:４・四\r\n";
        const QString tail = "\r\nNo.01\r\n\r\nお元気で\r\n";
        QTest::newRow("after the moves") << head + tail << head + check + tail;
        QTest::newRow("already there") << head + check + tail << head + check + tail;
        QTest::newRow("game line edited away") << "お元気で"
                                               << "お元気で\r\n";
    }
    void checkLinesInText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TempRoot root;
        WriteGame(root, "01", {"2002/12/01, 0 , 1 , 31 ,黒", "12-07-2002, x , 4 , 4 ,"});
        WriteGame(root, "02", {kEvenHeader, "12-07-2002, 1 , 4 , 4 ,"});
        const QStringList games{"02", "01"};
        const QString with = WithCheckLines(text, "山田", games, root.File("games"));
        QCOMPARE(with, expected);
        QVERIFY(!WithoutCheckLines(with).contains("照合"));
        QVERIFY(!WithoutCheckLines(with).contains("アゲハマ"));
        QCOMPARE(
            *BuildReplyText("山田", games, root.File("games"), QDate(2002, 12, 7), true),
            WithCheckLines(*BuildReplyText("山田", games, root.File("games"), QDate(2002, 12, 7)),
                           "山田", games, root.File("games")));
    }

    void sendDateChange_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString card = "発信 2002/12/31\r\n\r\nNo.01\r\n●1:４・四\r\n\r\nお元気で,また\r\n";
        const QString kept = "\r\nNo.01\r\n●1:４・四\r\n\r\nお元気で\r\nまた\r\n";
        QTest::newRow("tomorrow") << kSendTomorrow << card << "発信 2003/01/01\r\n" + kept;
        QTest::newRow("today") << kSendToday << card << "発信 2002/12/31\r\n" + kept;
        QTest::newRow("no choice") << ""
                                   << "発信 2002/12/31\nA"
                                   << "発信 2003/01/01\r\nA\r\n";
        QTest::newRow("empty text") << kSendToday << ""
                                    << "発信 2002/12/31\r\n";
    }
    void sendDateChange() {
        QFETCH(QString, chosen);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ReplaceHeading(text, SendDate(QDate(2002, 12, 31), chosen)), expected);
    }
};

QTEST_GUILESS_MAIN(TestReplyText)
#include "test_reply_text.moc"
