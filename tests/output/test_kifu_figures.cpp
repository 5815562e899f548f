// Cutting a game into figures: ranges, numbering, the stones drawn and the notes for moves
// that cannot be drawn.
#include "common/stone_colour.h"
#include "output/kifu_figure_layout.h"
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

// A ko: 3 and 5 are played where 1 stood, 4 and 6 where 2 stood; 7 is a pass.
const QList<Row> kKo = {{1, 1, 1},       {2, 2, 1}, {1, 1, 1, true}, {3, 1, 1},
                        {2, 2, 1, true}, {4, 2, 1}, {3, 1, 1, true}, {5, 1, 1},
                        {4, 2, 1, true}, {6, 2, 1}, {5, 1, 1, true}, {8, 5, 5}};

/// What a figure shows: title, notes, its stones as a picture of the top rows, each stone
/// written X or O by its colour, and its marked stones ("A ２・一").
struct Expected {
    QString title;
    QStringList notes;
    const char* picture;
    QStringList marks = {};
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
Q_DECLARE_METATYPE(output::FigureHeading)

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
                               {"第2譜 (4〜5)",
                                {"5＝A (２・一)"},
                                "OO..\n....\n....\n....\n....X",
                                {"A ２・一"}}};
        QTest::newRow("renumbered figures count from 1, titles keep the game's numbers")
            << kRetakes << 0 << 3 << true
            << QList<Expected>{{"第1譜 (1〜3)", {}, "XO..\n....\n....\n....\n....X"},
                               {"第2譜 (4〜5)",
                                {"2＝A (２・一)"},
                                "OO..\n....\n....\n....\n....X",
                                {"A ２・一"}}};
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
        QTest::newRow("ko retakes share a line per point; a skipped number is a pass")
            << kKo << 0 << 0 << false
            << QList<Expected>{{"第1譜 (1〜8)",
                                {"3, 5＝1", "4, 6＝2", "7 パス"},
                                "XO..\n....\n....\n....\n....O"}};
        QTest::newRow("a retake of a stone from before the figure names its letter")
            << kKo << 0 << 4 << false
            << QList<Expected>{{"第1譜 (1〜4)", {"3＝1", "4＝2"}, "XO"},
                               {"第2譜 (5〜8)",
                                {"6＝A (２・一)", "7 パス"},
                                "XO..\n....\n....\n....\n....O",
                                {"A ２・一"}}};
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
            QStringList marks;
            for (const output::FigureMark& mark : figure.marks)
                marks.append(mark.label + ' ' + output::NotePointName(mark.x, mark.y));
            QCOMPARE(marks, want.marks);
        }
    }

    // Every page, laid out on the printable part of A4 (a PDF's), names the game, the figures it
    // holds and its number; the first page alone carries the header. A lone figure takes the
    // page's width; pages after the first put their figures right under their top line.
    void pages_data() {
        QTest::addColumn<int>("perFigure");
        QTest::addColumn<output::FigureHeading>("heading");  // none: the record's own
        QTest::addColumn<QStringList>("headings");           // each page's "left | right"
        QTest::addColumn<QStringList>("headerPlayers");  // 対局者, then what follows 記録日
        const QStringList fromRecord{"対局者 : (黒) 山田  vs  (白) 自分"};
        QTest::newRow("three figures from the record: two pages, each naming the game")
            << 3 << output::FigureHeading{}
            << QStringList{"山田 第3局　黒 山田　白 自分 | 第1譜・第2譜　1 / 2",
                           "山田 第3局　黒 山田　白 自分 | 第3譜　2 / 2"}
            << fromRecord;
        QTest::newRow("the whole game in one figure fills its page")
            << 0 << output::FigureHeading{}
            << QStringList{"山田 第3局　黒 山田　白 自分 | 第1譜　1 / 1"} << fromRecord;
        QTest::newRow("an imported game's players, ranks, event and result")
            << 0
            << output::FigureHeading{"秀策 耳赤局", "本因坊秀策", "井上因碩", "四段", "八段",
                                     "御城碁", "黒2目勝ち"}
            << QStringList{"秀策 耳赤局　黒 本因坊秀策 四段　白 井上因碩 八段　御城碁　結果 "
                           "黒2目勝ち | 第1譜　1 / 1"}
            << QStringList{"対局者 : (黒) 本因坊秀策 四段  vs  (白) 井上因碩 八段",
                           "棋　戦 : 御城碁",
                           "結　果 : 黒2目勝ち"};
    }
    void pages() {
        QFETCH(int, perFigure);
        QFETCH(output::FigureHeading, heading);
        QFETCH(QStringList, headings);
        QFETCH(QStringList, headerPlayers);
        const store::RecordTable table = Table(kKo);
        output::KifuBook book;
        book.figures = output::SplitIntoFigures(table, {perFigure, false});
        book.header =
            output::KifuHeaderOf(table, QStringLiteral("山田"), QStringLiteral("第3"), {});
        if (!heading.game.isEmpty())
            book.header.heading = heading;
        const QSizeF a4(200 * 56.7, 287 * 56.7);
        const std::vector<output::FigurePage> pages = output::KifuPages(book, a4);
        QStringList seen;
        for (const output::FigurePage& page : pages) {
            seen.append(page.headingLeft + " | " + page.headingRight);
            QCOMPARE(page.headerLines.isEmpty(), page.number > 1);
            for (const output::FigureSlot& slot : page.figureSlots) {
                const double side = output::FigureBlockSize() * slot.scale;
                QVERIFY(slot.board.y() + side <= a4.height());
                QVERIFY(slot.notesArea.bottom() <= a4.height() + 1);
                QVERIFY(slot.notes.complete);
                if (pages.size() == 1)
                    QVERIFY2(side > 0.95 * a4.width(), qPrintable(QString::number(side)));
            }
            if (page.number > 1)
                QCOMPARE(page.figureSlots.front().titleTop, output::kHeadingBand);
        }
        QCOMPARE(seen, headings);
        // The players' line, and what follows the recording days: event and result.
        const QStringList header = pages.front().headerLines;
        QCOMPARE(header.mid(1, 1) + header.mid(4), headerPlayers);
    }

    /// An imported game's companion names the players and, unless the results record has one,
    /// the result, in the header's words.
    void importedGameHeading_data() {
        QTest::addColumn<QString>("re");
        QTest::addColumn<QString>("recorded");  // the results record's result
        QTest::addColumn<QString>("result");
        QTest::newRow("points and a half") << "B+2.5"
                                           << ""
                                           << "黒2目半勝ち";
        QTest::newRow("half a point") << "W+0.5"
                                      << ""
                                      << "白半目勝ち";
        QTest::newRow("resignation") << "w+Resign"
                                     << ""
                                     << "白中押し勝ち";
        QTest::newRow("time") << "B+T"
                              << ""
                              << "黒時間切れ勝ち";
        QTest::newRow("draw") << "0"
                              << ""
                              << "ジゴ";
        QTest::newRow("anything else as written") << "Void"
                                                  << ""
                                                  << "Void";
        QTest::newRow("the results record first") << "B+2"
                                                  << "中押し勝ち"
                                                  << "中押し勝ち";
    }
    void importedGameHeading() {
        QFETCH(QString, re);
        QFETCH(QString, recorded);
        output::FigureHeading heading = output::FigureHeadingOf(
            QStringLiteral("秀策"), QStringLiteral("耳赤"), common::StoneColour::White, recorded);
        store::GameInfo info;
        info.blackPlayer = QStringLiteral("Yasuda Shusaku");
        info.whiteRank = QStringLiteral("8d");
        info.result = re;
        output::TakeGameInfo(heading, info);
        QCOMPARE(output::HeadingPlayers(heading), QStringLiteral("黒 Yasuda Shusaku　白 秀策 8d"));
        QTEST(heading.result, "result");
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
