// Cutting a game into figures: ranges, numbering, the stones drawn and the notes for moves
// that cannot be drawn.
#include "common/stone_colour.h"
#include "output/kifu_figure_print.h"
#include "output/kifu_figures.h"
#include "testing/board_text.h"

#include <QtTest>

namespace {

/// A row of a record: number, x, y and whether it is a removal ("T").
struct Row {
    int number;
    int x;
    int y;
    bool removal = false;
};

store::RecordTable Table(const QList<Row>& rows, int whiteFirst = 0) {
    store::RecordTable table;
    table.whiteFirst = whiteFirst;
    for (int r = 0; r < rows.size(); ++r) {
        store::RecordRow& row = table.rows[size_t(r + 1)];
        row.number = qint16(rows[r].number);
        row.x = qint16(rows[r].x);
        row.y = qint16(rows[r].y);
        row.mark = rows[r].removal ? QLatin1Char('T') : QLatin1Char('U');
    }
    table.lastRow = table.savedRowCount = int(rows.size());
    return table;
}

// 2 takes 1, 3 elsewhere, 4 is played where 1 stood, then 4 takes 2 and 5 is played where 2
// stood; the off-board row of a damaged file is skipped.
const QList<Row> kRetakes = {{1, 1, 1}, {2, 2, 1},       {1, 1, 1, true}, {3, 5, 5},
                             {4, 1, 1}, {2, 2, 1, true}, {5, 2, 1},       {6, 30, 30}};

/// What a figure shows: title, notes, and its stones as a picture of the top rows, each
/// stone written X or O by its colour.
struct Expected {
    QString title;
    QStringList notes;
    const char* picture;
};

QString Picture(const go::BoardGrid& board, int whiteFirst, int rows) {
    QString text;
    for (int y = 1; y <= rows; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x) {
            if (!board.Occupied(x, y))
                text += '.';
            else
                text +=
                    common::ColourOfStone(board.At(x, y), whiteFirst) == common::StoneColour::Black
                        ? 'X'
                        : 'O';
        }
        text += '\n';
    }
    return text;
}

}  // namespace

Q_DECLARE_METATYPE(QList<Row>)
Q_DECLARE_METATYPE(QList<Expected>)

class TestKifuFigures : public QObject {
    Q_OBJECT

  private slots:
    void figures_data() {
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<int>("whiteFirst");
        QTest::addColumn<int>("perFigure");
        QTest::addColumn<bool>("renumber");
        QTest::addColumn<QList<Expected>>("expected");
        QTest::newRow("whole game: both retakes named by the stone that stood there")
            << kRetakes << 0 << 0 << false
            << QList<Expected>{{"第1譜 (1〜5)", {"4＝1", "5＝2"}, "XO..\n....\n....\n....\n....X"}};
        QTest::newRow("three a figure: the second opens on the position after the capture")
            << kRetakes << 0 << 3 << false
            << QList<Expected>{{"第1譜 (1〜3)", {}, "XO..\n....\n....\n....\n....X"},
                               {"第2譜 (4〜5)", {"5 (２・一)"}, "OO..\n....\n....\n....\n....X"}};
        QTest::newRow("renumbered figures count from 1, titles keep the game's numbers")
            << kRetakes << 0 << 3 << true
            << QList<Expected>{{"第1譜 (1〜3)", {}, "XO..\n....\n....\n....\n....X"},
                               {"第2譜 (4〜5)", {"2 (２・一)"}, "OO..\n....\n....\n....\n....X"}};
        QTest::newRow("handicap stones stand plain in the first figure; White plays 1")
            << QList<Row>{{-1, 4, 4}, {0, 16, 4}, {1, 17, 3}, {2, 16, 16}} << 1 << 100 << false
            << QList<Expected>{{"第1譜 (1〜2)",
                                {},
                                "...................\n...................\n"
                                "................O..\n...X...........X..."}};
        QTest::newRow("a retake in a later figure of a stone from an earlier one")
            << QList<Row>{{1, 3, 3}, {2, 4, 3}, {1, 3, 3, true}, {3, 3, 3}} << 0 << 2 << false
            << QList<Expected>{{"第1譜 (1〜2)", {}, "...\n...\n..XO"},
                               {"第2譜 (3〜3)", {}, "...\n...\n..XO"}};
    }
    void figures() {
        QFETCH(QList<Row>, rows);
        QFETCH(int, whiteFirst);
        QFETCH(int, perFigure);
        QFETCH(bool, renumber);
        QFETCH(QList<Expected>, expected);
        const std::vector<output::KifuFigure> figures =
            output::SplitIntoFigures(Table(rows, whiteFirst), {perFigure, renumber});
        QCOMPARE(int(figures.size()), expected.size());
        for (size_t i = 0; i < figures.size(); ++i) {
            const output::KifuFigure& figure = figures[i];
            const Expected& want = expected[int(i)];
            QCOMPARE(output::FigureTitle(figure), want.title);
            QCOMPARE(figure.notes, want.notes);
            // The expected picture is read the usual way; only the colours are compared.
            const go::BoardGrid drawn = BoardFromText(want.picture);
            QCOMPARE(Picture(figure.board, whiteFirst, 5), Picture(drawn, 0, 5));
        }
    }

    void headerFromRecordAndResults() {
        store::RecordTable table = Table({{1, 4, 4}, {2, 16, 16}});
        table.headerRead = true;
        table.playerColour = common::StoneColour::White;
        table.handicapCode = 1;
        table.komiCode = 33;
        table.headerDate = QStringLiteral("2002/12/07");
        table.rows[1].date = QStringLiteral("12-21-2002");
        table.rows[2].date = QStringLiteral("          ");  // not yet saved with a date
        const QStringList results{
            QStringLiteral("山田 第3局 互先(白) コミ黒６目半 [中押し勝ち] 2003/01/05"),
            QStringLiteral("山田 第30局 互先(白) コミ黒６目半 [負け] 2003/02/01"),
            QStringLiteral("山田 第3局 互先(白) コミ黒６目半 [２目半勝ち] 2003/03/01")};
        const output::KifuHeader header =
            output::KifuHeaderOf(table, QStringLiteral("山田"), QStringLiteral("第3"), results);
        QCOMPARE(output::KifuHeaderLines(header),
                 (QStringList{"対局名 : No.第3  ［ 全 2 手 ］", "対局者 : (黒) 山田  vs  (白) 自分",
                              "手合割 : 互先 ［コミ黒６目半］", "記録日 : 2002/12/07 〜 2002/12/21",
                              "結　果 : ２目半勝ち"}));
        QCOMPARE(output::RecordedResult(results, QStringLiteral("山田"), QStringLiteral("第4")),
                 QString());
    }
};

QTEST_MAIN(TestKifuFigures)
#include "test_kifu_figures.moc"
