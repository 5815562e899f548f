// The board model: placements and removals, taking back, rebuilding, transforms, stepping.
#include "go/board_model.h"
#include "go/view_transform.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

using go::BoardModel;
using go::Mode;
using go::PlaceResult;
using go::StepResult;

namespace {

/// Records the drawing calls as text, e.g. "on 4,4 #1 B", "off 4,4", "mark 4,4".
class RecordingCanvas : public go::BoardCanvas {
  public:
    void DrawBoard() override { calls << "board"; }
    void StoneOn(int x, int y, int n, const go::StoneLook& look) override {
        calls << QString("on %1,%2 #%3 %4%5")
                     .arg(x)
                     .arg(y)
                     .arg(n)
                     .arg(look.white ? "W" : "B")
                     .arg(look.writeNumber ? " numbered" : "");
    }
    void StoneOff(int x, int y, const go::BoardGrid&) override {
        calls << QString("off %1,%2").arg(x).arg(y);
    }
    void MarkLastMove(int x, int y) override { calls << QString("mark %1,%2").arg(x).arg(y); }
    void DrawCountMark(int, int, go::CountMark) override {}
    QStringList calls;
};

/// Writes a record: header with the handicap code, then rows "number x y".
QString WriteRecord(const TempRoot& root, int handicapCode, const QList<QList<int>>& rows) {
    QStringList lines{store::HeaderLine(QDate(2002, 12, 7), handicapCode, 31, true)};
    for (const auto& r : rows)
        lines << store::RecordLine("12-07-2002", r[0], r[1], r[2], QString("c%1").arg(r[0]));
    const QString path = root.File("g.txt");
    store::WriteTextLines(path, lines);
    return path;
}

}  // namespace

class TestBoardModel : public QObject {
    Q_OBJECT
  private slots:
    void evenGameNumbersAndColours() {
        TempRoot root;
        RecordingCanvas canvas;
        BoardModel model(&canvas);
        model.ShowRecord(WriteRecord(root, 1, {}));
        QCOMPARE(model.PlaceAt(4, 4), PlaceResult::Placement);
        QCOMPARE(model.PlaceAt(16, 4), PlaceResult::Placement);
        QCOMPARE(int(model.table().rows[1].number), 1);
        QCOMPARE(model.table().rows[1].colour, common::StoneColour::Black);
        QCOMPARE(int(model.table().rows[2].number), 2);
        QCOMPARE(model.table().rows[2].colour, common::StoneColour::White);
        QVERIFY(canvas.calls.contains("on 16,4 #2 W"));
    }

    void handicapStonesThenWhiteMoveOne() {
        TempRoot root;
        RecordingCanvas canvas;
        BoardModel model(&canvas);
        model.options().numbersWhileRecording = true;
        model.ShowRecord(WriteRecord(root, 5, {}));
        const int points[5][2] = {{4, 4}, {16, 4}, {4, 16}, {16, 16}, {10, 10}};
        for (const auto& p : points)
            model.PlaceAt(p[0], p[1]);
        QList<int> numbers;
        QString colours;
        for (int i = 1; i <= 5; ++i) {
            numbers << model.table().rows[i].number;
            colours += model.table().rows[i].colour == common::StoneColour::Black ? 'B' : 'W';
        }
        QCOMPARE(numbers, (QList<int>{-3, -2, -1, 0, 1}));
        QCOMPARE(colours, QString("BBBBW"));
        // Handicap stones never carry numbers; move 1 does.
        QVERIFY(canvas.calls.contains("on 4,4 #-3 B"));
        QVERIFY(canvas.calls.contains("on 10,10 #1 W numbered"));
    }

    void removalAndTakeBack() {
        TempRoot root;
        QList<QList<int>> rows;
        for (int n = 1; n <= 12; ++n)
            rows << QList<int>{n, n, 1};
        BoardModel model;
        int black = -1;
        model.onCapturesChanged = [&](int b, int) { black = b; };
        model.ShowRecord(WriteRecord(root, 1, rows));
        QCOMPARE(model.PlaceAt(7, 1), PlaceResult::Removal);
        const auto& row = model.table().rows[13];
        QCOMPARE(row.mark, QChar('T'));
        QCOMPARE(int(row.number), 7);
        QCOMPARE(model.blackCaptured(), 1);
        QCOMPARE(black, 1);
        QVERIFY(model.TakeBack(model.table().savedRowCount - 1));
        QCOMPARE(int(model.board().At(7, 1)), 7);
        QCOMPARE(model.blackCaptured(), 0);
        // Saved rows cannot be taken back from the recording panel.
        QVERIFY(!model.TakeBack(model.table().savedRowCount - 1));
        QCOMPARE(model.table().lastRow, 12);
    }

    void clickingTheStoneJustPlacedDoesNothing() {
        TempRoot root;
        BoardModel model;
        model.ShowRecord(WriteRecord(root, 1, {{1, 3, 3}}));
        QCOMPARE(model.PlaceAt(5, 5), PlaceResult::Placement);
        QCOMPARE(model.PlaceAt(5, 5), PlaceResult::Nothing);
        QCOMPARE(model.table().lastRow, 2);
        // An older stone: the first click removes it, the second places a new stone there.
        QCOMPARE(model.PlaceAt(3, 3), PlaceResult::Removal);
        QCOMPARE(model.PlaceAt(3, 3), PlaceResult::Placement);
        QCOMPARE(int(model.board().At(3, 3)), 3);
    }

    void fullTableRefusesMoreRows() {
        TempRoot root;
        QList<QList<int>> rows;
        for (int n = 1; n <= 440; ++n)
            rows << QList<int>{n, (n - 1) % 19 + 1, (n - 1) / 19 % 19 + 1};
        BoardModel model;
        model.ShowRecord(WriteRecord(root, 1, rows));
        QCOMPARE(model.table().savedRowCount, 440);
        QCOMPARE(model.PlaceAt(19, 19), PlaceResult::Nothing);
        QCOMPARE(model.table().lastRow, 440);
    }

    void printingModePlacesNothing() {
        TempRoot root;
        BoardModel model;
        model.ShowRecord(WriteRecord(root, 1, {}));
        model.SetMode(Mode::Printing);
        QCOMPARE(model.PlaceAt(4, 4), PlaceResult::Nothing);
    }

    void showPositionAtZeroIsEmpty() {
        TempRoot root;
        BoardModel model;
        QString comment = "x";
        model.onCommentShown = [&](const QString& c) { comment = c; };
        model.ShowRecord(WriteRecord(root, 1, {{1, 4, 4}, {2, 5, 5}}));
        QCOMPARE(comment, QString("c2"));
        model.ShowPositionAt(0);
        QCOMPARE(comment, QString());
        QVERIFY(!model.board().Occupied(4, 4));
        QCOMPARE(model.table().lastRow, 0);
    }

    void transforms_data() {
        QTest::addColumn<int>("transform");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("as recorded") << 0 << 4 << 16;
        QTest::newRow("mirror") << 1 << 16 << 16;
        QTest::newRow("90") << 2 << 4 << 4;
        QTest::newRow("90 mirrored") << 3 << 16 << 4;
        QTest::newRow("180") << 4 << 16 << 4;
        QTest::newRow("180 mirrored") << 5 << 4 << 4;
        QTest::newRow("270") << 6 << 16 << 16;
        QTest::newRow("270 mirrored") << 7 << 4 << 16;
    }
    void transforms() {
        QFETCH(int, transform);
        QFETCH(int, x);
        QFETCH(int, y);
        TempRoot root;
        const QString path = WriteRecord(root, 1, {{1, 4, 16}});
        BoardModel model;
        model.SetTransform(transform);
        model.ShowRecord(path);
        QVERIFY(model.board().Occupied(x, y));
        QCOMPARE(go::TransformNames().size(), go::kTransformCount);
    }

    void numberFlagsCoverEveryNumber() {
        BoardModel model;
        for (int n : {-12, -11, 0, 400, 401, 440}) {
            model.SetNumberFlag(n, true);
            QVERIFY2(model.NumberFlag(n), qPrintable(QString::number(n)));
        }
        model.SetNumberFlag(441, true);
        QVERIFY(!model.NumberFlag(441));
    }

    void printingModeFlagsFollowTheBox() {
        TempRoot root;
        RecordingCanvas canvas;
        BoardModel model(&canvas);
        model.SetMode(Mode::Printing);
        model.options().printNumbers = true;
        model.ShowRecord(WriteRecord(root, 1, {{1, 4, 4}, {2, 5, 5}}));
        QVERIFY(model.NumberFlag(2));
        model.options().printNumbers = false;
        model.ShowPositionAt(2);
        QVERIFY(!model.NumberFlag(2));
    }

    void stepping() {
        TempRoot root;
        RecordingCanvas canvas;
        BoardModel model(&canvas);
        model.SetMode(Mode::Review);
        QString comment;
        model.onCommentShown = [&](const QString& c) { comment = c; };
        model.ShowRecord(WriteRecord(root, 1, {{1, 4, 4}, {2, 5, 4}, {3, 16, 16}, {1, 4, 4}}));
        QCOMPARE(model.StepForward(), StepResult::AtEnd);
        // Back over the removal: the stone returns and the count drops.
        QCOMPARE(model.blackCaptured(), 1);
        QCOMPARE(model.StepBack(), StepResult::Stepped);
        QCOMPARE(model.blackCaptured(), 0);
        QCOMPARE(int(model.board().At(4, 4)), 1);
        // Back over a placement shows the comment of the move taken off.
        model.StepBack();
        QCOMPARE(comment, QString("c3"));
        QCOMPARE(model.viewedRow(), 2);
        canvas.calls.clear();
        model.StepForward();
        QCOMPARE(canvas.calls, (QStringList{"on 16,16 #3 B", "mark 16,16", "on 5,4 #2 W"}));
    }

    void variationThenForwardRestoresFirst() {
        TempRoot root;
        BoardModel model;
        model.SetMode(Mode::Review);
        model.ShowRecord(WriteRecord(root, 1, {{1, 4, 4}, {2, 5, 4}, {3, 16, 16}}));
        model.ShowFromMove(2);
        QCOMPARE(model.viewedRow(), 2);
        model.PlaceAt(10, 10);
        model.PlaceAt(11, 10);
        QVERIFY(!model.recordShown());
        QCOMPARE(model.StepForward(), StepResult::BackToRecord);
        QVERIFY(!model.board().Occupied(10, 10));
        QCOMPARE(model.viewedRow(), 2);
        QCOMPARE(model.StepForward(), StepResult::Stepped);
        QVERIFY(model.board().Occupied(16, 16));
    }

    void showFromMoveInAHandicapGame() {
        TempRoot root;
        BoardModel model;
        model.ShowRecord(WriteRecord(root, 3, {{-1, 4, 4}, {0, 16, 16}, {1, 10, 10}}));
        model.ShowFromMove(0);
        QVERIFY(model.board().Occupied(16, 16));
        QVERIFY(!model.board().Occupied(10, 10));
        QCOMPARE(model.LastSavedMoveNumber(), 1);
    }

    void damagedRowsNeverReachOffTheBoard() {
        TempRoot root;
        RecordingCanvas canvas;
        BoardModel model(&canvas);
        model.SetMode(Mode::Review);
        // Rows 2 and 3 name points no board has: a placement and a removal of it.
        model.ShowRecord(WriteRecord(root, 1, {{1, 4, 4}, {2, 25, 3}, {2, 25, 3}, {3, 0, -7}}));
        QCOMPARE(model.table().savedRowCount, 4);
        QVERIFY(!canvas.calls.join(' ').contains("25,"));
        QCOMPARE(model.whiteCaptured(), 0);
        while (model.TakeBack(0)) {
        }
        QCOMPARE(model.table().lastRow, 1);
        QCOMPARE(model.whiteCaptured(), 0);
        QCOMPARE(int(model.board().At(25, 3)), int(go::kEmptyPoint));
        QCOMPARE(model.StepBack(), StepResult::BackToRecord);
        while (model.StepBack() == StepResult::Stepped) {
        }
        while (model.StepForward() == StepResult::Stepped) {
        }
        QVERIFY(model.board().Occupied(4, 4));
        QVERIFY(!canvas.calls.join(' ').contains("25,"));
    }

    void keptRemovedStonesStillCount() {
        TempRoot root;
        BoardModel model;
        model.SetMode(Mode::Printing);
        model.options().keepRemovedStones = true;
        model.ShowRecord(WriteRecord(root, 1, {{1, 4, 4}, {2, 5, 4}, {1, 4, 4}}));
        QVERIFY(model.board().Occupied(4, 4));
        QCOMPARE(model.blackCaptured(), 1);
    }
};

QTEST_GUILESS_MAIN(TestBoardModel)
#include "test_board_model.moc"
