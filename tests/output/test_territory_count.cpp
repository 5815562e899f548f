#include <QHash>
#include <QPoint>
#include <QtTest>

#include <optional>

#include "output/results_record.h"
#include "output/territory_count.h"
#include "testing/board_text.h"
#include "testing/temp_root.h"

using output::PointClass;

namespace {

/// Keeps the count marks drawn on it, by point.
class MarkRecordingCanvas : public go::BoardCanvas {
  public:
    void DrawBoard() override {}
    void StoneOn(int, int, int, const go::StoneLook&) override {}
    void StoneOff(int, int, const go::BoardGrid&) override {}
    void MarkLastMove(int, int) override {}
    void DrawCountMark(int x, int y, go::CountMark mark) override {
        ++calls;
        marks.insert(QPoint(x, y), mark);
    }

    int calls = 0;
    QHash<QPoint, go::CountMark> marks;
};

// The pictures carry the expected class of each point they show: `b` Black territory,
// `w` White territory, `+` neutral, `.` unmarked; the board reader takes these as empty.
PointClass ExpectedClass(QChar symbol) {
    if (symbol == 'b')
        return PointClass::BlackTerritory;
    if (symbol == 'w')
        return PointClass::WhiteTerritory;
    if (symbol == '+')
        return PointClass::Neutral;
    return PointClass::None;
}

std::optional<go::CountMark> MarkOf(PointClass pointClass) {
    switch (pointClass) {
        case PointClass::Neutral:
            return go::CountMark::Neutral;
        case PointClass::BlackTerritory:
            return go::CountMark::BlackTerritory;
        case PointClass::WhiteTerritory:
            return go::CountMark::WhiteTerritory;
        case PointClass::None:
            break;
    }
    return std::nullopt;
}

}  // namespace

class TestTerritoryCount : public QObject {
    Q_OBJECT

  private slots:
    void classify_data();
    void classify();
    void marginText_data();
    void marginText();
    void score_data();
    void score();
    void recordLine_data();
    void recordLine();
    void appendTwice();
};

void TestTerritoryCount::classify_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("whiteFirst");
    QTest::addColumn<int>("searchLimit");
    QTest::addColumn<int>("black");
    QTest::addColumn<int>("white");
    QTest::addColumn<int>("neutral");

    QTest::newRow("empty board") << "..." << 0 << 19 << 0 << 0 << 0;
    QTest::newRow("single stone owns its lines") << ".b.\n"
                                                    "bXb\n"
                                                    ".b."
                                                 << 0 << 19 << 36 << 0 << 0;
    QTest::newRow("neutral between colours") << "X+Ow\n"
                                                "b.w."
                                             << 0 << 19 << 18 << 34 << 1;
    QTest::newRow("handicap game colours") << "H+Xw\n"
                                              "b.w."
                                           << 1 << 19 << 18 << 34 << 1;
    QTest::newRow("open diagonally to white") << "bbX+\n"
                                                 "bbX+\n"
                                                 "XXb+\n"
                                                 "+++O"
                                              << 0 << 19 << 95 << 30 << 6;
    QTest::newRow("short search") << ".....\n"
                                     "..b..\n"
                                     ".bXb.\n"
                                     "..b..\n"
                                     "....."
                                  << 0 << 1 << 4 << 0 << 0;
}

void TestTerritoryCount::classify() {
    QFETCH(QString, picture);
    QFETCH(int, whiteFirst);
    QFETCH(int, searchLimit);
    QFETCH(int, black);
    QFETCH(int, white);
    QFETCH(int, neutral);

    const output::TerritoryCount count = output::ClassifyTerritory(
        BoardFromText(picture.toUtf8().constData()), whiteFirst, searchLimit);
    QCOMPARE(count.blackTerritory, black);
    QCOMPARE(count.whiteTerritory, white);

    const QStringList rows = picture.split('\n');
    for (int y = 1; y <= rows.size(); ++y) {
        for (int x = 1; x <= rows[y - 1].size(); ++x) {
            QVERIFY2(count.At(x, y) == ExpectedClass(rows[y - 1][x - 1]),
                     qPrintable(QStringLiteral("point %1,%2").arg(x).arg(y)));
        }
    }

    MarkRecordingCanvas canvas;
    output::DrawTerritoryMarks(count, canvas);
    QCOMPARE(canvas.calls, black + white + neutral);
    for (int y = 1; y <= go::kBoardSize; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x) {
            const QPoint point(x, y);
            const auto expected = MarkOf(count.At(x, y));
            QCOMPARE(canvas.marks.contains(point), expected.has_value());
            if (expected)
                QVERIFY(canvas.marks.value(point) == *expected);
        }
    }
}

void TestTerritoryCount::marginText_data() {
    QTest::addColumn<double>("difference");
    QTest::addColumn<QString>("margin");

    QTest::newRow("whole") << 3.0 << QStringLiteral("3目");
    QTest::newRow("negative with half") << -2.5 << QStringLiteral("2目半");
    QTest::newRow("half ahead") << 0.5 << QStringLiteral("半目");
    QTest::newRow("half behind") << -0.5 << QStringLiteral("半目");
    QTest::newRow("even") << 0.0 << QStringLiteral("0目");
    QTest::newRow("two digits") << -12.5 << QStringLiteral("12目半");
}

void TestTerritoryCount::marginText() {
    QFETCH(double, difference);
    QFETCH(QString, margin);
    QCOMPARE(output::MarginText(difference), margin);
}

void TestTerritoryCount::score_data() {
    QTest::addColumn<QList<int>>("territoriesAndRemoved");
    QTest::addColumn<int>("komiCode");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<int>("blackScore");
    QTest::addColumn<int>("whiteScore");
    QTest::addColumn<double>("difference");
    QTest::addColumn<QString>("label");

    QTest::newRow("komi 33, black loses by half")
        << QList<int>{63, 55, 3, 1} << 33 << QStringLiteral("黒") << QString() << 60 << 54 << -0.5
        << QStringLiteral("黒半目負け");
    QTest::newRow("no komi, black draws")
        << QList<int>{50, 50, 0, 0} << 20 << QStringLiteral("黒") << QString() << 50 << 50 << 0.0
        << QStringLiteral("黒0目ジゴ");
    QTest::newRow("no komi, white draws")
        << QList<int>{50, 50, 0, 0} << 20 << QStringLiteral("白") << QString() << 50 << 50 << 0.0
        << QStringLiteral("白0目ジゴ");
    QTest::newRow("komi code 0 ignored")
        << QList<int>{55, 50, 0, 0} << 0 << QStringLiteral("黒") << QString() << 55 << 50 << 5.0
        << QStringLiteral("黒5目勝ち");
    QTest::newRow("komi code 40 ignored")
        << QList<int>{55, 50, 0, 0} << 40 << QStringLiteral("黒") << QString() << 55 << 50 << 5.0
        << QStringLiteral("黒5目勝ち");
    QTest::newRow("komi by white, black loses")
        << QList<int>{45, 48, 0, 0} << 19 << QStringLiteral("黒") << QString() << 45 << 48 << -2.5
        << QStringLiteral("黒2目半負け");
    QTest::newRow("white wins") << QList<int>{40, 45, 0, 0} << 21 << QStringLiteral("白")
                                << QString() << 40 << 45 << -5.5 << QStringLiteral("白5目半勝ち");
    QTest::newRow("white loses") << QList<int>{50, 45, 0, 0} << 20 << QStringLiteral("白")
                                 << QString() << 50 << 45 << 5.0 << QStringLiteral("白5目負け");
    QTest::newRow("colour with blanks")
        << QList<int>{0, 3, 2, 0} << 20 << QStringLiteral(" 白 ") << QString() << -2 << 3 << -5.0
        << QStringLiteral("白5目勝ち");
    QTest::newRow("unknown colour keeps previous word")
        << QList<int>{40, 43, 0, 0} << 20 << QString() << QStringLiteral("勝ち") << 40 << 43 << -3.0
        << QStringLiteral("3目勝ち");
}

void TestTerritoryCount::score() {
    QFETCH(QList<int>, territoriesAndRemoved);
    QFETCH(int, komiCode);
    QFETCH(QString, colour);
    QFETCH(QString, previous);

    const QList<int>& counts = territoriesAndRemoved;
    const output::GameScore score =
        output::ScoreGame(counts[0], counts[1], counts[2], counts[3], komiCode, colour, previous);
    QTEST(score.blackScore, "blackScore");
    QTEST(score.whiteScore, "whiteScore");
    QTEST(score.difference, "difference");
    QTEST(score.resultLabel, "label");
}

void TestTerritoryCount::recordLine_data() {
    QTest::addColumn<int>("handicapCode");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<int>("komiCode");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");

    QTest::newRow("even game") << 1 << QStringLiteral("黒") << 33 << QStringLiteral("黒3目半勝ち")
                               << QDate(2002, 5, 12)
                               << QStringLiteral(
                                      "山田 3局 互先(黒) コミ黒６目半 [黒3目半勝ち] 2002/05/12");
    QTest::newRow("handicap game")
        << 4 << QStringLiteral(" 白 ") << 20 << QStringLiteral("白半目負け") << QDate(2003, 1, 7)
        << QStringLiteral("山田 3局 ３子(白) コミなし [白半目負け] 2003/01/07");
}

void TestTerritoryCount::recordLine() {
    QFETCH(int, handicapCode);
    QFETCH(QString, colour);
    QFETCH(int, komiCode);
    QFETCH(QString, label);
    QFETCH(QDate, date);
    QTEST(output::ResultsRecordLine(QStringLiteral("山田"), QStringLiteral("3"), handicapCode,
                                    colour, komiCode, label, date),
          "line");
}

void TestTerritoryCount::appendTwice() {
    TempRoot root;
    const QString line = output::ResultsRecordLine(
        QStringLiteral("山田"), QStringLiteral("3"), 1, QStringLiteral("黒"), 33,
        QStringLiteral("黒3目半勝ち"), QDate(2002, 5, 12));
    QVERIFY(output::AppendResultsRecord(output::ResultsRecordPath(root.path()), line));
    QVERIFY(output::AppendResultsRecord(output::ResultsRecordPath(root.path()), line));

    const QByteArray oneLine = QByteArray::fromHex(
        "8e52936320338bc7208cdd90e6288d9529208352837e8d95825596da94bc"
        "205b8d953396da94bc8f9f82bf5d20323030322f30352f31320d0a");
    QCOMPARE(root.Read(QStringLiteral("対戦記録.txt")), oneLine + oneLine);
}

QTEST_GUILESS_MAIN(TestTerritoryCount)
#include "test_territory_count.moc"
