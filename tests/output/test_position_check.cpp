// The check line's code and counts, and the record check's findings, on small records whose
// positions are worked out by hand. The expected code comes from the definition alone
// (Python: zlib.crc32 of the position's bytes, modulo 10000), not from this program.
#include "output/position_check.h"
#include "output/record_check.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

#include <memory>

using namespace output;

Q_DECLARE_METATYPE(output::PositionCheck)

namespace {

const QString kHeader = QStringLiteral("2026/12/01, 0 , 1 , 33 ,黒");

/// One row of a record: move or removal number and its point.
QString Row(int number, int x, int y) {
    return store::RecordLine(QStringLiteral("12-08-2026"), number, x, y, QString());
}

/// A game with one capture each way: White 2 on 1の一 taken by Black 3, Black 5 on 19の十九
/// taken by White 8. The removal rows stand wherever `removals` puts them: after the row of
/// that index, counting the eight placements from 1.
QStringList Game(const std::map<int, QStringList>& removals, int move7x = 3) {
    const QStringList moves{Row(1, 2, 1),   Row(2, 1, 1),   Row(3, 1, 2),      Row(4, 10, 10),
                            Row(5, 19, 19), Row(6, 18, 19), Row(7, move7x, 3), Row(8, 19, 18)};
    QStringList rows;
    for (int i = 0; i < moves.size(); ++i) {
        rows.append(moves[i]);
        if (const auto found = removals.find(i + 1); found != removals.end())
            rows += found->second;
    }
    return rows;
}

const QString kTakeWhite2 = Row(2, 1, 1);
const QString kTakeBlack5 = Row(5, 19, 19);

/// The text as a player may copy it by hand: full-width digits and blanks.
QString FullWidth(const QString& text) {
    QString wide;
    for (const QChar c : text) {
        if (c.isDigit()) {
            wide += QChar(c.unicode() - u'0' + u'０');
        } else {
            wide += c == QLatin1Char(' ') ? QChar(u'　') : c;
        }
    }
    return wide;
}

std::unique_ptr<store::RecordTable> Loaded(const QStringList& rows) {
    TempRoot root;
    const QString path = root.File("game.txt");
    auto table = std::make_unique<store::RecordTable>();
    if (!store::WriteTextLines(path, QStringList{kHeader} + rows) ||
        store::ReadRecordFile(path, *table) != store::LoadOutcome::Complete)
        table.reset();
    return table;
}

}  // namespace

class TestPositionCheck : public QObject {
    Q_OBJECT
  private slots:
    void checkOfRecord_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<PositionCheck>("expected");
        const PositionCheck game{8, 3, 3, 1, 1, "8336"};
        QTest::newRow("removals right after their captures")
            << Game({{3, {kTakeWhite2}}, {8, {kTakeBlack5}}}) << game;
        QTest::newRow("a removal a move late")
            << Game({{4, {kTakeWhite2}}, {8, {kTakeBlack5}}}) << game;
        QTest::newRow("a removal just before its capture")
            << Game({{3, {kTakeWhite2}}, {7, {kTakeBlack5}}}) << game;
        QTest::newRow("both removals at the end")
            << Game({{8, {kTakeBlack5, kTakeWhite2}}}) << game;
        QTest::newRow("one stone elsewhere") << Game({{3, {kTakeWhite2}}, {8, {kTakeBlack5}}}, 4)
                                             << PositionCheck{8, 3, 3, 1, 1, "6275"};
        QTest::newRow("a removal row missing")
            << Game({{3, {kTakeWhite2}}}) << PositionCheck{8, 4, 3, 1, 0, "8810"};
        QTest::newRow("an empty board") << QStringList{} << PositionCheck{0, 0, 0, 0, 0, "5028"};
    }
    void checkOfRecord() {
        QFETCH(QStringList, rows);
        QFETCH(PositionCheck, expected);
        const auto table = Loaded(rows);
        QVERIFY(table);
        const PositionCheck check = CheckOfRecord(*table);
        QCOMPARE(CheckLine(check), CheckLine(expected));
        // What the card says is what a player types back from it, in either width, or its
        // code alone.
        for (const QString& typedText : {CheckLine(check), FullWidth(CheckLine(check))}) {
            const std::optional<TypedCheck> typed = ParseTypedCheck(typedText);
            QVERIFY(typed && typed->line);
            QVERIFY(*typed->line == check);
        }
        const std::optional<TypedCheck> code = ParseTypedCheck(FullWidth(check.code));
        QVERIFY(code && !code->line);
        QCOMPARE(code->code, check.code);
    }

    void recordFindings_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("clean, a removal just before its capture")
            << Game({{3, {kTakeWhite2}}, {7, {kTakeBlack5}}}) << QStringList{};
        QTest::newRow("a removal row missing")
            << Game({{3, {kTakeWhite2}}})
            << QStringList{"第8手で取られた黒石 19の十九（第5手）が取り除かれていません。"};
        QTest::newRow("the same stone taken off twice")
            << Game({{3, {kTakeWhite2, kTakeWhite2}}, {8, {kTakeBlack5}}})
            << QStringList{
                   "第3手の後で 1の一（第2手の石）を取り除いていますが、そこに石はありません。"};
        QTest::newRow("a stone taken off that nothing captures")
            << Game({{3, {kTakeWhite2}}, {4, {Row(1, 2, 1)}}, {8, {kTakeBlack5}}})
            << QStringList{"第4手の後で取り除いた黒石 2の一（第1手）は、取られていません。"};
        QTest::newRow("a stone on a stone")
            << QStringList{Row(1, 4, 4), Row(2, 4, 4)}
            << QStringList{"第2手は、石（第1手）のある 4の四 に打たれています。"};
        QTest::newRow("a suicide")
            << QStringList{Row(1, 2, 1), Row(2, 10, 10), Row(3, 1, 2), Row(4, 1, 1)}
            << QStringList{"第4手 1の一 は自殺手です。"};
    }
    void recordFindings() {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        const auto table = Loaded(rows);
        QVERIFY(table);
        QCOMPARE(RecordCheckTexts(*table), expected);
    }
};

QTEST_GUILESS_MAIN(TestPositionCheck)
#include "test_position_check.moc"
