// The Go rules SGF exchange relies on: captures, suicide, occupied points.
#include "go/go_rules.h"
#include "testing/board_text.h"

#include <QtTest>

using go::MoveCheck;

class TestGoRules : public QObject {
    Q_OBJECT
  private slots:
    void playStone_data() {
        QTest::addColumn<QString>("picture");  // the top left corner; the rest is empty
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("black");
        QTest::addColumn<int>("check");
        QTest::addColumn<int>("captured");
        QTest::addColumn<int>("libertiesAfter");  // of the played stone's group, -1 if not placed
        QTest::newRow("plain move") << ".\n" << 4 << 4 << true << int(MoveCheck::Legal) << 0 << 4;
        QTest::newRow("one stone in the middle")
            << "...\n.X.\nXOX\n"
            << 2 << 4 << true << int(MoveCheck::Legal) << 1 << 4;
        QTest::newRow("two stones on the edge")
            << "XOO.\n.XX.\n"
            << 4 << 1 << true << int(MoveCheck::Legal) << 2 << 3;
        QTest::newRow("two groups at once") << ".XO\nXOO\nOO.\n"
                                            << 1 << 1 << false << int(MoveCheck::Legal) << 2 << 2;
        QTest::newRow("ko capture is no suicide")
            << ".XO.\nXO.O\n.XO.\n"
            << 3 << 2 << true << int(MoveCheck::Legal) << 1 << 1;
        QTest::newRow("single point eye") << ".X\nX.\n"
                                          << 1 << 1 << false << int(MoveCheck::Suicide) << 0 << -1;
        QTest::newRow("filling own last liberty")
            << ".XO\nXXO\nOO.\n"
            << 1 << 1 << true << int(MoveCheck::Suicide) << 0 << -1;
        QTest::newRow("occupied") << "X\n"
                                  << 1 << 1 << false << int(MoveCheck::Occupied) << 0 << -1;
        QTest::newRow("off the board") << ".\n"
                                       << 20 << 1 << true << int(MoveCheck::OffBoard) << 0 << -1;
    }
    void playStone() {
        QFETCH(QString, picture);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, black);
        go::BoardGrid board = BoardFromText(picture.toUtf8().constData());
        const go::BoardGrid before = board;
        const qint16 number = black ? 401 : 402;
        const go::MoveOutcome outcome = go::PlayStone(board, 0, x, y, number);
        QFETCH(int, check);
        QFETCH(int, captured);
        QCOMPARE(int(outcome.check), check);
        QCOMPARE(int(outcome.captured.size()), captured);
        for (const go::Point& stone : outcome.captured)
            QVERIFY(!board.Occupied(stone.x, stone.y));
        QFETCH(int, libertiesAfter);
        if (libertiesAfter < 0) {
            for (int i = 1; i <= go::kBoardSize; ++i) {
                for (int j = 1; j <= go::kBoardSize; ++j)
                    QCOMPARE(board.At(i, j), before.At(i, j));
            }
            return;
        }
        QCOMPARE(board.At(x, y), number);
        QCOMPARE(go::LibertyCount(board, go::GroupAt(board, 0, x, y)), libertiesAfter);
    }
};

QTEST_APPLESS_MAIN(TestGoRules)
#include "test_go_rules.moc"
