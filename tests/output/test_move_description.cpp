#include "output/move_description.h"

#include "testing/board_text.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>

Q_DECLARE_METATYPE(go::BoardGrid)

namespace {

struct Stone {
    int x;
    int y;
    int number;
};

/// A board holding exactly the given stones with the given move numbers.
go::BoardGrid BoardWithStones(const QList<Stone>& stones) {
    go::BoardGrid grid;
    for (const Stone& stone : stones)
        grid.Set(stone.x, stone.y, qint16(stone.number));
    return grid;
}

/// A board with only the move itself on it.
go::BoardGrid BoardWithMoveOnly(int x, int y, int number = 1) {
    return BoardWithStones({{x, y, number}});
}

}  // namespace

class TestMoveDescription : public QObject {
    Q_OBJECT

  private slots:
    void absolutePointName_data();
    void absolutePointName();
    void cornerNames_data();
    void cornerNames();
    void describeMove_data();
    void describeMove();
    void everyProbeLabel_data();
    void everyProbeLabel();
    void probeNeighbourStopsAtFour();
    void probeNeighbourOffBoardOrEmpty();
    void probeNeighbourHandicapStone();
};

void TestMoveDescription::absolutePointName_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("expected");

    // Examples players know from their cards.
    QTest::newRow("example 17,4") << 17 << 4 << QStringLiteral("右上隅小目");
    QTest::newRow("example 16,3") << 16 << 3 << QStringLiteral("右上隅小目");
    QTest::newRow("example 4,16") << 4 << 16 << QStringLiteral("左下隅星");
    QTest::newRow("example 15,10") << 15 << 10 << QStringLiteral("右辺星の左");
    QTest::newRow("example 9,11") << 9 << 11 << QStringLiteral("天元の左下");

    // Every suffix around the right side star point (16, 10).
    QTest::newRow("right star") << 16 << 10 << QStringLiteral("右辺星");
    QTest::newRow("right star R") << 17 << 10 << QStringLiteral("右辺星の右");
    QTest::newRow("right star RD") << 17 << 11 << QStringLiteral("右辺星の右下");
    QTest::newRow("right star D") << 16 << 11 << QStringLiteral("右辺星の下");
    QTest::newRow("right star LD") << 15 << 11 << QStringLiteral("右辺星の左下");
    QTest::newRow("right star L") << 15 << 10 << QStringLiteral("右辺星の左");
    QTest::newRow("right star LU") << 15 << 9 << QStringLiteral("右辺星の左上");
    QTest::newRow("right star U") << 16 << 9 << QStringLiteral("右辺星の上");
    QTest::newRow("right star RU") << 17 << 9 << QStringLiteral("右辺星の右上");

    // The other side star points and the centre.
    QTest::newRow("top star") << 10 << 4 << QStringLiteral("上辺星");
    QTest::newRow("top star LU") << 9 << 3 << QStringLiteral("上辺星の左上");
    QTest::newRow("top star D") << 10 << 5 << QStringLiteral("上辺星の下");
    QTest::newRow("top star R") << 11 << 4 << QStringLiteral("上辺星の右");
    QTest::newRow("left star") << 4 << 10 << QStringLiteral("左辺星");
    QTest::newRow("left star L") << 3 << 10 << QStringLiteral("左辺星の左");
    QTest::newRow("left star RU") << 5 << 9 << QStringLiteral("左辺星の右上");
    QTest::newRow("bottom star") << 10 << 16 << QStringLiteral("下辺星");
    QTest::newRow("bottom star RD") << 11 << 17 << QStringLiteral("下辺星の右下");
    QTest::newRow("bottom star U") << 10 << 15 << QStringLiteral("下辺星の上");
    QTest::newRow("centre") << 10 << 10 << QStringLiteral("天元");
    QTest::newRow("centre R") << 11 << 10 << QStringLiteral("天元の右");
    QTest::newRow("centre LU") << 9 << 9 << QStringLiteral("天元の左上");
    QTest::newRow("centre RU") << 11 << 9 << QStringLiteral("天元の右上");
    QTest::newRow("centre D") << 10 << 11 << QStringLiteral("天元の下");

    // Points outside every region have no name.
    QTest::newRow("5-5 upper left") << 5 << 5 << QString();
    QTest::newRow("5-5 lower right") << 15 << 15 << QString();
    QTest::newRow("first line top") << 10 << 1 << QString();
    QTest::newRow("first line left") << 1 << 7 << QString();
    QTest::newRow("corner point") << 1 << 1 << QString();
    QTest::newRow("second line side") << 18 << 10 << QString();
    QTest::newRow("between centre and side") << 13 << 10 << QString();
    QTest::newRow("just outside centre") << 12 << 10 << QString();
    QTest::newRow("just outside side star") << 16 << 12 << QString();
    QTest::newRow("sixth line") << 8 << 8 << QString();
    QTest::newRow("corner sixth line") << 4 << 6 << QString();
}

void TestMoveDescription::absolutePointName() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, expected);
    QCOMPARE(output::AbsolutePointName(x, y), expected);
}

void TestMoveDescription::cornerNames_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("expected");

    struct Corner {
        const char* tag;
        QString name;
        bool right;
        bool bottom;
    };
    const Corner corners[] = {
        {"upper right", QStringLiteral("右上隅"), true, false},
        {"upper left", QStringLiteral("左上隅"), false, false},
        {"lower left", QStringLiteral("左下隅"), false, true},
        {"lower right", QStringLiteral("右下隅"), true, true},
    };
    // Lines counted from the corner's vertical edge (along) and horizontal edge (down).
    struct Point {
        int fromSide;
        int fromTopOrBottom;
        QString name;  // empty: no name at all
    };
    const Point points[] = {
        {3, 3, QStringLiteral("三々")},
        {3, 4, QStringLiteral("小目")},
        {4, 3, QStringLiteral("小目")},
        {4, 4, QStringLiteral("星")},
        {3, 5, QStringLiteral("目ﾊｽﾞｼ")},
        {5, 3, QStringLiteral("目ﾊｽﾞｼ")},
        {4, 5, QStringLiteral("高目")},
        {5, 4, QStringLiteral("高目")},
        {5, 5, QString()},
    };
    for (const Corner& corner : corners) {
        for (const Point& point : points) {
            const int x = corner.right ? 20 - point.fromSide : point.fromSide;
            const int y = corner.bottom ? 20 - point.fromTopOrBottom : point.fromTopOrBottom;
            const QString expected = point.name.isEmpty() ? QString() : corner.name + point.name;
            QTest::addRow("%s %d-%d", corner.tag, point.fromSide, point.fromTopOrBottom)
                << x << y << expected;
        }
    }
    // A few written out, to check the mapping above.
    QTest::newRow("3-3 at 17,3") << 17 << 3 << QStringLiteral("右上隅三々");
    QTest::newRow("3-4 at 3,16") << 3 << 16 << QStringLiteral("左下隅小目");
    QTest::newRow("4-4 at 16,16") << 16 << 16 << QStringLiteral("右下隅星");
    QTest::newRow("3-5 at 5,3") << 5 << 3 << QStringLiteral("左上隅目ﾊｽﾞｼ");
    QTest::newRow("4-5 at 15,4") << 15 << 4 << QStringLiteral("右上隅高目");
}

void TestMoveDescription::cornerNames() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, expected);
    QCOMPARE(output::AbsolutePointName(x, y), expected);
}

void TestMoveDescription::describeMove_data() {
    QTest::addColumn<go::BoardGrid>("board");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QStringList>("expected");

    // The first move of a game on the 3-4 point of the upper right corner.
    QTest::newRow("first move 17,4")
        << BoardWithMoveOnly(17, 4) << 17 << 4 << QStringList{QStringLiteral("右上隅小目")};
    QTest::newRow("first move 16,3")
        << BoardWithMoveOnly(16, 3) << 16 << 3 << QStringList{QStringLiteral("右上隅小目")};
    QTest::newRow("alone 4,16") << BoardWithMoveOnly(4, 16) << 4 << 16
                                << QStringList{QStringLiteral("左下隅星")};
    QTest::newRow("alone 15,10") << BoardWithMoveOnly(15, 10) << 15 << 10
                                 << QStringList{QStringLiteral("右辺星の左")};
    QTest::newRow("alone 9,11") << BoardWithMoveOnly(9, 11) << 9 << 11
                                << QStringList{QStringLiteral("天元の左下")};

    // A stone numbered 12 two points to the right: the move is a jump to its left.
    QTest::newRow("12 two to the right") << BoardWithStones({{8, 8, 13}, {10, 8, 12}}) << 8 << 8
                                         << QStringList{QStringLiteral("12の左一間")};
    QTest::newRow("12 two to the right, then absolute")
        << BoardWithStones({{15, 10, 13}, {17, 10, 12}}) << 15 << 10
        << QStringList{QStringLiteral("12の左一間"), QStringLiteral("右辺星の左")};

    // Five stones in the pattern, set in another order than the table: probes 2, 5, 13,
    // 21 and 36 hit; only the first four in table order give candidates.
    QTest::newRow("more than four, no absolute")
        << BoardWithStones({{8, 8, 40},
                            {8, 4, 31},   // (0, -4) probe 36 下三間
                            {11, 8, 22},  // (3, 0)  probe 21 左二間
                            {10, 9, 17},  // (2, 1)  probe 13 左上ケイマ
                            {9, 9, 5},    // (1, 1)  probe 5  左上
                            {8, 9, 3}})   // (0, 1)  probe 2  上
        << 8 << 8
        << QStringList{QStringLiteral("3の上"), QStringLiteral("5の左上"),
                       QStringLiteral("17の左上ケイマ"), QStringLiteral("22の左二間")};
    // All eight neighbours of the centre occupied: the four straight ones come first and
    // the absolute name still follows them.
    QTest::newRow("more than four, absolute follows")
        << BoardWithStones({{10, 10, 50},
                            {9, 9, 41},
                            {11, 11, 42},
                            {9, 11, 43},
                            {11, 9, 44},
                            {10, 9, 45},
                            {9, 10, 46},
                            {10, 11, 47},
                            {11, 10, 48}})
        << 10 << 10
        << QStringList{QStringLiteral("48の左"), QStringLiteral("47の上"), QStringLiteral("46の右"),
                       QStringLiteral("45の下"), QStringLiteral("天元")};

    // Handicap neighbours: "置石の" and the label, without a number.
    QTest::newRow("handicap knight's move") << BoardWithStones({{4, 4, 0}, {6, 3, 1}}) << 6 << 3
                                            << QStringList{QStringLiteral("置石の右上ケイマ")};
    QTest::newRow("handicap stone with a negative number")
        << BoardWithStones({{10, 4, -5}, {9, 4, 1}}) << 9 << 4
        << QStringList{QStringLiteral("置石の左"), QStringLiteral("上辺星の左")};
    QTest::newRow("handicap and numbered neighbours")
        << BoardWithStones({{16, 3, 0}, {16, 4, 2}, {16, 5, 3}}) << 16 << 5
        << QStringList{QStringLiteral("2の下"), QStringLiteral("置石の下一間"),
                       QStringLiteral("右上隅高目")};
    QTest::newRow("stone number 1 is not a handicap stone")
        << BoardWithStones({{8, 8, 2}, {9, 8, 1}}) << 8 << 8
        << QStringList{QStringLiteral("1の左")};

    // Nothing at all: the 5-5 point, the first line, stones outside the probe pattern.
    QTest::newRow("5-5 alone") << BoardWithMoveOnly(5, 5) << 5 << 5 << QStringList{};
    QTest::newRow("5-5 lower right alone")
        << BoardWithMoveOnly(15, 15) << 15 << 15 << QStringList{};
    QTest::newRow("first line alone") << BoardWithMoveOnly(10, 1) << 10 << 1 << QStringList{};
    QTest::newRow("first line, stones far away")
        << BoardWithStones({{1, 12, 9}, {1, 7, 10}, {5, 8, 3}, {3, 3, 1}}) << 1 << 12
        << QStringList{};
    QTest::newRow("stones just outside the pattern") << BoardWithStones({{8, 8, 20},
                                                                         {10, 10, 1},   // (2, 2)
                                                                         {13, 8, 2},    // (5, 0)
                                                                         {12, 9, 3},    // (4, 1)
                                                                         {6, 11, 4},    // (-2, 3)
                                                                         {8, 3, 5},     // (0, -5)
                                                                         {8, 13, 6},    // (0, 5)
                                                                         {3, 8, 7},     // (-5, 0)
                                                                         {6, 6, 9},     // (-2, -2)
                                                                         {11, 10, 10},  // (3, 2)
                                                                         {4, 9, 11}})   // (-4, 1)
                                                     << 8 << 8 << QStringList{};

    // Edge moves: probes off the board are skipped, the others still run.
    QTest::newRow("corner 1,1") << BoardWithStones({{1, 1, 7}, {2, 1, 3}, {1, 3, 5}}) << 1 << 1
                                << QStringList{QStringLiteral("3の左"),
                                               QStringLiteral("5の上一間")};
    QTest::newRow("corner 19,19") << BoardWithStones({{19, 19, 8}, {17, 19, 4}, {18, 16, 6}}) << 19
                                  << 19
                                  << QStringList{QStringLiteral("4の右一間"),
                                                 QStringLiteral("6の右下大ケイマ")};
    QTest::newRow("right edge 19,10") << BoardWithStones({{19, 10, 30}, {15, 10, 29}}) << 19 << 10
                                      << QStringList{QStringLiteral("29の右三間")};
    QTest::newRow("top edge 10,1") << BoardWithStones({{10, 1, 12}, {10, 5, 11}}) << 10 << 1
                                   << QStringList{QStringLiteral("11の上三間")};
    QTest::newRow("corner 19,1 empty surroundings")
        << BoardWithMoveOnly(19, 1) << 19 << 1 << QStringList{};

    // Pictures: black X gets 1, 3, 5 ... and white O gets 2, 4, 6 ... in reading order.
    // The colour of the other stone plays no part.
    QTest::newRow("picture upper right")
        << BoardFromText(
               "...................\n"
               "...................\n"
               "...............X...\n"  // (16,3) = 1
               "..............X.O..\n"  // (15,4) = 3 the move, (17,4) = 2
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n")
        << 15 << 4
        << QStringList{QStringLiteral("1の左下"), QStringLiteral("2の左一間"),
                       QStringLiteral("右上隅高目")};
    QTest::newRow("picture handicap")
        << BoardFromText(
               "...................\n"
               "...................\n"
               "....X..............\n"  // (5,3) = 1 the move
               "...H.....H.....H...\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...H.....H.....H...\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...H.....H.....H...\n"
               "...................\n"
               "...................\n"
               "...................\n")
        << 5 << 3 << QStringList{QStringLiteral("置石の右上"), QStringLiteral("左上隅目ﾊｽﾞｼ")};
    QTest::newRow("picture crowded centre")
        << BoardFromText(
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "........XO.........\n"  // (9,9) = 1, (10,9) = 2
               "........OXX........\n"  // (9,10) = 4, (10,10) = 3 the move, (11,10) = 5
               "..........O........\n"  // (11,11) = 6
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n"
               "...................\n")
        << 10 << 10
        << QStringList{QStringLiteral("5の左"), QStringLiteral("4の右"), QStringLiteral("2の下"),
                       QStringLiteral("6の左上"), QStringLiteral("天元")};
}

void TestMoveDescription::describeMove() {
    QFETCH(go::BoardGrid, board);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QStringList, expected);
    QVERIFY(board.Occupied(x, y));  // the move's own stone is on the board
    QCOMPARE(output::DescribeMove(board, x, y), expected);
}

void TestMoveDescription::everyProbeLabel_data() {
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<QString>("label");

    // The probe table, written out again independently of the implementation.
    QTest::newRow("1") << 1 << 0 << QStringLiteral("左");
    QTest::newRow("2") << 0 << 1 << QStringLiteral("上");
    QTest::newRow("3") << -1 << 0 << QStringLiteral("右");
    QTest::newRow("4") << 0 << -1 << QStringLiteral("下");
    QTest::newRow("5") << 1 << 1 << QStringLiteral("左上");
    QTest::newRow("6") << -1 << 1 << QStringLiteral("右上");
    QTest::newRow("7") << -1 << -1 << QStringLiteral("右下");
    QTest::newRow("8") << 1 << -1 << QStringLiteral("左下");
    QTest::newRow("9") << 2 << 0 << QStringLiteral("左一間");
    QTest::newRow("10") << 0 << 2 << QStringLiteral("上一間");
    QTest::newRow("11") << -2 << 0 << QStringLiteral("右一間");
    QTest::newRow("12") << 0 << -2 << QStringLiteral("下一間");
    QTest::newRow("13") << 2 << 1 << QStringLiteral("左上ケイマ");
    QTest::newRow("14") << 1 << 2 << QStringLiteral("左上ケイマ");
    QTest::newRow("15") << -2 << 1 << QStringLiteral("右上ケイマ");
    QTest::newRow("16") << -1 << 2 << QStringLiteral("右上ケイマ");
    QTest::newRow("17") << -1 << -2 << QStringLiteral("右下ケイマ");
    QTest::newRow("18") << -2 << -1 << QStringLiteral("右下ケイマ");
    QTest::newRow("19") << 2 << -1 << QStringLiteral("左下ケイマ");
    QTest::newRow("20") << 1 << -2 << QStringLiteral("左下ケイマ");
    QTest::newRow("21") << 3 << 0 << QStringLiteral("左二間");
    QTest::newRow("22") << 0 << 3 << QStringLiteral("上二間");
    QTest::newRow("23") << -3 << 0 << QStringLiteral("右二間");
    QTest::newRow("24") << 0 << -3 << QStringLiteral("下二間");
    QTest::newRow("25") << 3 << 1 << QStringLiteral("左上大ケイマ");
    QTest::newRow("26") << 1 << 3 << QStringLiteral("左上大ケイマ");
    QTest::newRow("27") << -3 << 1 << QStringLiteral("右上大ケイマ");
    QTest::newRow("28") << -1 << 3 << QStringLiteral("右上大ケイマ");
    QTest::newRow("29") << -1 << -3 << QStringLiteral("右下大ケイマ");
    QTest::newRow("30") << -3 << -1 << QStringLiteral("右下大ケイマ");
    QTest::newRow("31") << 3 << -1 << QStringLiteral("左下大ケイマ");
    QTest::newRow("32") << 1 << -3 << QStringLiteral("左下大ケイマ");
    QTest::newRow("33") << 4 << 0 << QStringLiteral("左三間");
    QTest::newRow("34") << 0 << 4 << QStringLiteral("上三間");
    QTest::newRow("35") << -4 << 0 << QStringLiteral("右三間");
    QTest::newRow("36") << 0 << -4 << QStringLiteral("下三間");
}

void TestMoveDescription::everyProbeLabel() {
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QString, label);
    // (8, 8) has no absolute name, so the one stone gives the only candidate.
    const go::BoardGrid board = BoardWithStones({{8, 8, 100}, {8 + dx, 8 + dy, 7}});
    QCOMPARE(output::DescribeMove(board, 8, 8), QStringList{QStringLiteral("7の") + label});
}

void TestMoveDescription::probeNeighbourStopsAtFour() {
    const go::BoardGrid board = BoardWithStones({{8, 8, 2}, {9, 8, 1}});
    QStringList candidates{"a", "b", "c"};
    output::ProbeNeighbour(board, 8, 8, 1, 0, u"左", candidates);
    QCOMPARE(candidates, (QStringList{"a", "b", "c", QStringLiteral("1の左")}));
    output::ProbeNeighbour(board, 8, 8, 1, 0, u"左", candidates);
    QCOMPARE(candidates.size(), output::kMaxRelativeCandidates);
}

void TestMoveDescription::probeNeighbourOffBoardOrEmpty() {
    const go::BoardGrid board = BoardWithStones({{1, 19, 3}, {1, 15, 2}});
    QStringList candidates;
    output::ProbeNeighbour(board, 1, 19, -1, 0, u"右", candidates);  // off the left edge
    output::ProbeNeighbour(board, 1, 19, 0, 1, u"上", candidates);   // off the bottom edge
    output::ProbeNeighbour(board, 1, 19, -4, 0, u"右三間", candidates);
    output::ProbeNeighbour(board, 1, 19, 1, 0, u"左", candidates);  // empty point
    QVERIFY(candidates.isEmpty());
    output::ProbeNeighbour(board, 1, 19, 0, -4, u"下三間", candidates);
    QCOMPARE(candidates, QStringList{QStringLiteral("2の下三間")});
}

void TestMoveDescription::probeNeighbourHandicapStone() {
    const go::BoardGrid board = BoardWithStones({{4, 4, 0}, {16, 4, -1}, {10, 10, 1}});
    QStringList candidates;
    output::ProbeNeighbour(board, 6, 3, -2, 1, u"右上ケイマ", candidates);
    output::ProbeNeighbour(board, 15, 4, 1, 0, u"左", candidates);
    output::ProbeNeighbour(board, 9, 10, 1, 0, u"左", candidates);
    QCOMPARE(candidates, (QStringList{QStringLiteral("置石の右上ケイマ"),
                                      QStringLiteral("置石の左"), QStringLiteral("1の左")}));
}

QTEST_GUILESS_MAIN(TestMoveDescription)
#include "test_move_description.moc"
