#include "output/point_words.h"

#include <QObject>
#include <QPoint>
#include <QTest>

class TestPointWords : public QObject {
    Q_OBJECT

  private slots:
    void parseMoveText_data();
    void parseMoveText();
    void everyPointNameReadsBack();
    void describesPointsAndMoves_data();
    void describesPointsAndMoves();
};

void TestPointWords::parseMoveText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("point");  // null: not a point
    QTest::newRow("card form") << QStringLiteral("16の四") << QPoint(16, 4);
    QTest::newRow("full-width digits") << QStringLiteral("１６の四") << QPoint(16, 4);
    QTest::newRow("full-width minus") << QStringLiteral("１６－４") << QPoint(16, 4);
    QTest::newRow("long-vowel mark") << QStringLiteral("１６ー４") << QPoint(16, 4);
    QTest::newRow("minus sign") << QStringLiteral("3−17") << QPoint(3, 17);
    QTest::newRow("hyphen") << QStringLiteral("16-4") << QPoint(16, 4);
    QTest::newRow("digit row") << QStringLiteral("16の4") << QPoint(16, 4);
    QTest::newRow("reply card form") << QStringLiteral("１６・四") << QPoint(16, 4);
    QTest::newRow("kanji column") << QStringLiteral("十の十") << QPoint(10, 10);
    QTest::newRow("blanks around") << QStringLiteral(" 　1 の 十九　 ") << QPoint(1, 19);
    QTest::newRow("corner") << QStringLiteral("19-19") << QPoint(19, 19);
    QTest::newRow("column 0") << QStringLiteral("0の四") << QPoint();
    QTest::newRow("column 20") << QStringLiteral("20の四") << QPoint();
    QTest::newRow("row 20 in digits") << QStringLiteral("4-20") << QPoint();
    QTest::newRow("row 二十") << QStringLiteral("4の二十") << QPoint();
    QTest::newRow("malformed kanji") << QStringLiteral("4の十十") << QPoint();
    QTest::newRow("three digits") << QStringLiteral("104") << QPoint();
    QTest::newRow("no separator") << QStringLiteral("16四") << QPoint();
    QTest::newRow("two separators") << QStringLiteral("16--4") << QPoint();
    QTest::newRow("trailing words") << QStringLiteral("16の四 黒") << QPoint();
    QTest::newRow("go words") << QStringLiteral("右上隅小目") << QPoint();
    QTest::newRow("empty") << QString() << QPoint();
}

void TestPointWords::parseMoveText() {
    QFETCH(QString, text);
    QFETCH(QPoint, point);
    const std::optional<QPoint> parsed = output::ParseMoveText(text);
    QCOMPARE(parsed.has_value(), !point.isNull());
    if (parsed)
        QCOMPARE(*parsed, point);
}

void TestPointWords::everyPointNameReadsBack() {
    for (int x = 1; x <= go::kBoardSize; ++x) {
        for (int y = 1; y <= go::kBoardSize; ++y)
            QCOMPARE(output::ParseMoveText(output::PointName(x, y)), QPoint(x, y));
    }
    QVERIFY(output::PointName(0, 4).isEmpty());
}

void TestPointWords::describesPointsAndMoves_data() {
    QTest::addColumn<int>("number");  // of the stone on 16-4, 0 for none
    QTest::addColumn<int>("whiteFirst");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("lastMove");
    QTest::newRow("empty") << 0 << 0 << QStringLiteral("16の四 空き") << QString();
    QTest::newRow("black") << 23 << 0 << QStringLiteral("16の四 黒 23手目")
                           << QStringLiteral("直前の手 黒 23手目 16の四 右上隅星");
    QTest::newRow("white first") << 23 << 1 << QStringLiteral("16の四 白 23手目")
                                 << QStringLiteral("直前の手 白 23手目 16の四 右上隅星");
    QTest::newRow("handicap") << -1 << 1 << QStringLiteral("16の四 黒 置石") << QString();
}

void TestPointWords::describesPointsAndMoves() {
    QFETCH(int, number);
    QFETCH(int, whiteFirst);
    QFETCH(QString, point);
    QFETCH(QString, lastMove);
    go::BoardGrid board;
    if (number != 0)
        board.Set(16, 4, qint16(number));
    QCOMPARE(output::PointDescription(board, 16, 4, whiteFirst), point);
    if (!lastMove.isEmpty())
        QCOMPARE(output::LastMoveWords(number, 16, 4, whiteFirst, QStringLiteral("右上隅星")),
                 lastMove);
}

QTEST_APPLESS_MAIN(TestPointWords)
#include "test_point_words.moc"
