// The engine's dead stones set against the stones the player took off at the count: what is
// proposed, what the engine calls alive, the two counts and what the player is told.
#include "engine/count_marks.h"
#include "testing/board_text.h"

#include <QtTest>

namespace {

/// Black holds columns 1 to 10, White 11 to 19; `extra` adds stones as "X15-15 O3-3".
go::BoardGrid Position(const QString& extra) {
    QByteArray picture;
    for (int y = 1; y <= go::kBoardSize; ++y)
        picture += QByteArray(9, '.') + "XO" + QByteArray(8, '.') + '\n';
    go::BoardGrid board = BoardFromText(picture.constData());
    qint16 black = 101;
    qint16 white = 102;
    for (const QString& stone : extra.split(' ', Qt::SkipEmptyParts)) {
        const QStringList place = stone.mid(1).split('-');
        const bool isBlack = stone.startsWith('X');
        board.Set(place[0].toInt(), place[1].toInt(), isBlack ? black : white);
        (isBlack ? black : white) += 2;
    }
    return board;
}

QList<QPoint> Points(const QString& text) {
    QList<QPoint> points;
    for (const QString& point : text.split(' ', Qt::SkipEmptyParts))
        points << QPoint(point.section('-', 0, 0).toInt(), point.section('-', 1, 1).toInt());
    return points;
}

QString Text(const QList<QPoint>& points) {
    QStringList texts;
    for (const QPoint& point : points)
        texts << QStringLiteral("%1-%2").arg(point.x()).arg(point.y());
    return texts.join(' ');
}

/// A record of every stone of `board` as a move, then the removals of `removed`.
store::RecordTable RecordOf(const go::BoardGrid& board, const QList<QPoint>& removed) {
    store::RecordTable table;
    table.komiCode = 33;  // Black gives 6.5
    table.playerColour = common::StoneColour::Black;
    auto add = [&table](QChar mark, qint16 number, int x, int y) {
        store::RecordRow& row = table.rows[++table.lastRow];
        row.mark = mark;
        row.number = number;
        row.x = qint16(x);
        row.y = qint16(y);
    };
    for (int x = 1; x <= go::kBoardSize; ++x) {
        for (int y = 1; y <= go::kBoardSize; ++y) {
            if (board.Occupied(x, y))
                add(QLatin1Char('U'), board.At(x, y), x, y);
        }
    }
    for (const QPoint& point : removed)
        add(QLatin1Char('T'), board.At(point.x(), point.y()), point.x(), point.y());
    table.savedRowCount = table.lastRow;
    return table;
}

const QString kClosing = QStringLiteral(
    "違う石は右クリックで一つずつ戻せます。確かめてから「終局後計算」で数え、「着手記録」で記録"
    "してください。");

}  // namespace

class TestCountMarks : public QObject {
    Q_OBJECT
  private slots:
    // Each row: the stones besides the two walls, those the player took off, the engine's
    // dead stones; the proposal, the stones it calls alive, and the notice. The walls give
    // Black 171 points and White 152 before komi.
    void weighed_data() {
        QTest::addColumn<QString>("stones");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("dead");
        QTest::addColumn<QString>("takeOff");
        QTest::addColumn<QString>("thoughtAlive");
        QTest::addColumn<QString>("notice");
        QTest::newRow("nothing marked, one stone proposed")
            << "X15-15"
            << ""
            << "15-15"
            << "15-15"
            << ""
            << "思考エンジンの提案で、死に石 1 個（黒 1 個・白 0 個）を取り上げました。これは提案"
               "で、まだ記録していません。\n" +
                   kClosing;
        QTest::newRow("nothing dead, nothing marked")
            << ""
            << ""
            << ""
            << ""
            << ""
            << "思考エンジンは、盤上に死に石はないと答えました。";
        QTest::newRow("the engine agrees with the player")
            << "O3-3"
            << "3-3"
            << "3-3"
            << ""
            << ""
            << "思考エンジンも、あなたが取り上げた石と同じ石を死に石と見ています。";
        // The player's count: Black 175 (4 points behind the stone), White 126 less the one
        // stone off; the engine's: 171 less 1 against 152 less 1.
        QTest::newRow("the engine adds a stone")
            << "O3-3 X15-15"
            << "3-3"
            << "3-3 15-15"
            << "15-15"
            << ""
            << "思考エンジンの提案で、死に石 1 個（黒 1 個・白 0 個）を取り上げました。これは提案"
               "で、まだ記録していません。\n地の計算は、思考エンジンの見方では 黒12目半勝ち、"
               "あなたが取り上げたままでは 黒43目半勝ち で、31目の差です。\n" +
                   kClosing;
        // Back on the board, White 3-3 makes 1-3 and 2-3 White's and 24 points neutral.
        QTest::newRow("the engine calls a marked stone alive")
            << "O3-3"
            << "3-3"
            << ""
            << ""
            << "3-3"
            << "あなたが取り上げた石のうち 1 個（3の三）は、思考エンジンは生きていると見ています。"
               "その石は盤に戻していません。\n地の計算は、思考エンジンの見方では 白16目半勝ち、"
               "あなたが取り上げたままでは 黒13目半勝ち で、30目の差です。\n" +
                   kClosing;
    }
    void weighed() {
        QFETCH(QString, stones);
        QFETCH(QString, marked);
        QFETCH(QString, dead);
        const go::BoardGrid full = Position(stones);
        const store::RecordTable table = RecordOf(full, Points(marked));
        go::BoardGrid board = full;
        int removed[2] = {0, 0};
        for (const QPoint& point : Points(marked)) {
            ++removed[board.At(point.x(), point.y()) % 2 == 1 ? 0 : 1];
            board.Set(point.x(), point.y(), go::kEmptyPoint);
        }
        const engine::CountMarks marks = engine::MarksAtCount(table, board);
        QCOMPARE(Text(marks.marked), marked);
        const engine::WeighedProposal weighed =
            engine::WeighProposal(marks, Points(dead), board, removed[0], removed[1], table);
        QTEST(Text(weighed.takeOff), "takeOff");
        QTEST(Text(weighed.thoughtAlive), "thoughtAlive");
        QTEST(engine::ProposalNotice(weighed), "notice");
    }

    // Stones taken off after the last move that have no liberties back on the board were
    // its captures: they stay off and are not the player's dead stones.
    void capturesOfTheLastMoveAreNoMarks() {
        go::BoardGrid full = Position("O3-3 X1-2 X2-1");
        full.Set(1, 1, 104);  // White 1-1, captured by Black 2-1
        const store::RecordTable table = RecordOf(full, Points("1-1 3-3"));
        go::BoardGrid board = full;
        board.Set(1, 1, go::kEmptyPoint);
        board.Set(3, 3, go::kEmptyPoint);
        const engine::CountMarks marks = engine::MarksAtCount(table, board);
        QCOMPARE(Text(marks.marked), QStringLiteral("3-3"));
        QVERIFY(!marks.board.Occupied(1, 1));
        QCOMPARE(marks.board.At(3, 3), full.At(3, 3));
    }
};

QTEST_GUILESS_MAIN(TestCountMarks)
#include "test_count_marks.moc"
