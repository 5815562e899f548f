// The record page as drawing operations: header, removed stones, numerals, board figure.
#include "common/font_setup.h"
#include "common/numerals.h"
#include "desktop/qt_print_surface.h"
#include "output/record_print.h"
#include "testing/fake_platform.h"

#include <QPainter>
#include <QtTest>

namespace {

using Rows = QList<QList<int>>;  // number, x, y, removal (1) or placement (0)

store::RecordTable Table(const Rows& rows, int whiteFirst) {
    store::RecordTable table;
    table.whiteFirst = whiteFirst;
    for (int r = 0; r < rows.size(); ++r) {
        store::RecordRow& row = table.rows[size_t(r + 1)];
        row.number = qint16(rows[r][0]);
        row.x = qint16(rows[r][1]);
        row.y = qint16(rows[r][2]);
        row.mark = rows[r][3] == 1 ? QLatin1Char('T') : QLatin1Char('U');
    }
    table.lastRow = int(rows.size());
    return table;
}

QStringList Draw(const std::function<void(common::PrintSurface&)>& draw,
                 double pageHeight = FakePlatform::kA4Height) {
    RecordingPrintSurface surface(QSizeF(FakePlatform::kA4Width, pageHeight));
    draw(surface);
    return surface.operations;
}

QStringList Matching(const QStringList& operations, const QString& prefix) {
    QStringList found;
    for (const QString& operation : operations) {
        if (operation.startsWith(prefix))
            found.append(operation);
    }
    return found;
}

/// The inked box of a recorded text in twips, measured with the font the page would use.
QRectF InkBox(const RecordingPrintSurface::Text& text) {
    QFont font(text.font.family);
    font.setBold(text.font.bold);
    font.setPixelSize(2000);
    const QFontMetricsF metrics(font);
    const double scale = text.font.points * 20 / 2000;
    const double scaleY = scale * text.font.heightShare;
    const QRectF ink = metrics.tightBoundingRect(text.text);
    const double baseline = text.y + metrics.ascent() * scaleY;
    return QRectF(text.x + ink.x() * scale, baseline + ink.y() * scaleY, ink.width() * scale,
                  ink.height() * scaleY);
}

const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝 13 bold #000000 ");
const QString kListFont = QStringLiteral("ＭＳ Ｐゴシック 10 bold #000000 ");

}  // namespace

class TestRecordPrint : public QObject {
    Q_OBJECT

  private slots:
    void header_data() {
        QTest::addColumn<int>("lastMove");
        QTest::addColumn<int>("offsetX");
        QTest::addColumn<int>("offsetY");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("players");  // an imported game's own
        QTest::newRow("at the print origin")
            << 41 << 0 << 0
            << QStringList{"text 420,0 " + kMincho + "対局名 : No.第3  ［ 41 手まで ］",
                           "text 420,340.2 " + kMincho + "対局者 : (白) 山田  vs  ",
                           "text 420,680.4 " + kMincho + "手合割 : 互先 ［コミ黒６目半］"}
            << "";
        QTest::newRow("an imported game names its players and result")
            << 41 << 0 << 0
            << QStringList{"text 420,0 " + kMincho + "対局名 : No.第3  ［ 41 手まで ］",
                           "text 420,340.2 " + kMincho +
                               "対局者 : 黒 秀策　白 因碩　結果 黒2目勝ち",
                           "text 420,680.4 " + kMincho + "手合割 : 互先 ［コミ黒６目半］"}
            << "黒 秀策　白 因碩　結果 黒2目勝ち";
        QTest::newRow("no moves, shifted 10 mm right and 5 mm down")
            << 0 << 10 << 5
            << QStringList{"text 987,283.5 " + kMincho + "対局名 : No.第3  ［ 0 手まで ］",
                           "text 987,623.7 " + kMincho + "対局者 : (白) 山田  vs  ",
                           "text 987,963.9 " + kMincho + "手合割 : 互先 ［コミ黒６目半］"}
            << "";
    }
    void header() {
        QFETCH(int, lastMove);
        QFETCH(int, offsetX);
        QFETCH(int, offsetY);
        QFETCH(QStringList, expected);
        QFETCH(QString, players);
        output::RecordPage record;
        record.playersLabel = players;
        record.gameName = QStringLiteral("第3");
        record.lastMoveNumber = lastMove;
        record.opponentLabel = QStringLiteral("(白) 山田");
        record.handicapLabel = QStringLiteral("互先 ［コミ黒６目半］");
        record.offsetXmm = offsetX;
        record.offsetYmm = offsetY;
        const QStringList operations =
            Draw([&](common::PrintSurface& page) { output::PrintOut(page, record); });
        QCOMPARE(operations.mid(0, 3), expected);
    }

    void removedList_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("whiteFirst");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("printed");
        const Rows even{{11, 4, 4, 0},  {12, 16, 4, 0}, {13, 17, 4, 0},
                        {12, 16, 4, 1}, {14, 3, 3, 0},  {13, 17, 4, 1}};
        QTest::newRow("even game") << even << 6 << 0 << QStringList{"012: 16･4", "013: 17･4"}
                                   << QStringList{"text 8610,1417.5 " + kListFont + "○12:  16･4",
                                                  "text 8610,1622.5 " + kListFont + "●13:  17･4"};
        QTest::newRow("only up to the shown row")
            << even << 5 << 0 << QStringList{"012: 16･4"}
            << QStringList{"text 8610,1417.5 " + kListFont + "○12:  16･4"};
        QTest::newRow("no moves") << Rows{} << 0 << 0 << QStringList{} << QStringList{};
        QTest::newRow("no removals")
            << Rows{{1, 4, 4, 0}, {2, 16, 4, 0}} << 2 << 0 << QStringList{} << QStringList{};
        const Rows handicap{{-1, 4, 4, 0},  {0, 16, 16, 0}, {1, 10, 10, 0}, {2, 10, 11, 0},
                            {1, 10, 10, 1}, {2, 10, 11, 1}, {0, 16, 16, 1}, {-1, 4, 4, 1}};
        QTest::newRow("handicap game: handicap stones stay black")
            << handicap << 8 << 1
            << QStringList{"001: 10･10", "002: 10･11", "000: 16･16", "-001: 4･4"}
            << QStringList{"text 8610,1417.5 " + kListFont + "○1:  10･10",
                           "text 8610,1622.5 " + kListFont + "●2:  10･11",
                           "text 8610,1827.5 " + kListFont + "●0:  16･16",
                           "text 8610,2032.5 " + kListFont + "●-1:  4･4"};
    }
    void removedList() {
        QFETCH(Rows, rows);
        QFETCH(int, lastRow);
        QFETCH(int, whiteFirst);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, printed);
        output::RecordPage record;
        record.removedList = output::FillRemovedList(Table(rows, whiteFirst), lastRow);
        record.figure.whiteFirst = whiteFirst;
        QCOMPARE(record.removedList, entries);
        const QStringList operations =
            Draw([&](common::PrintSurface& page) { output::PrintOut(page, record); });
        QCOMPARE(Matching(operations, QStringLiteral("text 8610,")), printed);
    }

    void removedListStopsAtThePageBottom_data() {
        QTest::addColumn<int>("offsetY");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("lastLine");
        // The page is 16839.9 twips high; a line needs 205 below its top.
        QTest::newRow("at the origin") << 0 << 75 << "text 8610,16587.5 " + kListFont + "●75:  1･1";
        QTest::newRow("10 mm lower") << 10 << 72 << "text 8610,16539.5 " + kListFont + "○72:  1･1";
    }
    void removedListStopsAtThePageBottom() {
        QFETCH(int, offsetY);
        QFETCH(int, lines);
        QFETCH(QString, lastLine);
        output::RecordPage record;
        for (int n = 1; n <= 100; ++n)
            record.removedList.append(output::RemovedEntry(n, 1, 1));
        record.offsetYmm = offsetY;
        const QStringList printed =
            Matching(Draw([&](common::PrintSurface& page) { output::PrintOut(page, record); }),
                     "text 8610,");
        QCOMPARE(printed.size(), lines);
        QCOMPARE(printed.last(), lastLine);
    }

    void emptyBoard() {
        const QStringList operations = Draw([](common::PrintSurface& page) {
            output::PrintBoard(page, output::PageGeometry(), output::BoardFigure());
        });
        // Corners two border halves, edge points a border line and an inner half, the rest
        // two inner lines.
        QCOMPARE(Matching(operations, "line").filter(" w19.2").size(), 4 * 2 + 4 * 17);
        QCOMPARE(Matching(operations, "line").filter(" w9.6").size(), 4 * 17 + 17 * 17 * 2);
        QCOMPARE(Matching(operations, "circle").size(), 9);
        QVERIFY(operations.contains("circle 1770.3,3187.8 r52.5 w4.8 #000000"));  // (4, 4)
        QVERIFY(operations.contains("line 510.3,1927.8 720.3,1927.8 w19.2"));     // (1, 1)
        QVERIFY(operations.contains("line 510.3,1927.8 510.3,2137.8 w19.2"));
        QVERIFY(operations.contains("line 510.3,2347.8 720.3,2347.8 w9.6"));  // (1, 2)
        QVERIFY(operations.contains("line 510.3,2137.8 510.3,2557.8 w19.2"));
        QVERIFY(operations.contains("line 4080.3,5707.8 4500.3,5707.8 w9.6"));  // (10, 10)
        QVERIFY(operations.contains("line 4290.3,5497.8 4290.3,5917.8 w9.6"));
    }

    void stones_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("whiteFirst");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<QString>("circle");
        QTest::addColumn<QString>("text");  // size, ink and number; empty for none
        QTest::newRow("7 in 16 point")
            << 7 << QPoint(4, 4) << 0 << true << "circle 1770.3,3187.8 r210 w9.6 #000000"
            << "16 bold #ffffff 7";
        QTest::newRow("57 in 14 point or less")
            << 57 << QPoint(10, 10) << 0 << true << "circle 4290.3,5707.8 r210 w9.6 #000000"
            << "bold #ffffff 57";
        QTest::newRow("157 narrowed")
            << 157 << QPoint(16, 16) << 0 << true << "circle 6810.3,8227.8 r210 w9.6 #000000"
            << "bold #ffffff 157";
        QTest::newRow("white 258 in black")
            << 258 << QPoint(1, 19) << 0 << true << "circle 510.3,9487.8 r210 w9.6 #ffffff"
            << "bold #000000 258";
        QTest::newRow("flag off") << 7 << QPoint(4, 4) << 0 << false
                                  << "circle 1770.3,3187.8 r210 w9.6 #000000"
                                  << "";
        QTest::newRow("handicap stone")
            << 0 << QPoint(4, 4) << 1 << true << "circle 1770.3,3187.8 r210 w9.6 #000000"
            << "";
        QTest::newRow("move 1 after handicap")
            << 1 << QPoint(4, 4) << 1 << true << "circle 1770.3,3187.8 r210 w9.6 #ffffff"
            << "16 bold #000000 1";
    }
    void stones() {
        QFETCH(int, number);
        QFETCH(QPoint, point);
        QFETCH(int, whiteFirst);
        QFETCH(bool, flag);
        QFETCH(QString, circle);
        QFETCH(QString, text);
        output::BoardFigure figure;
        figure.board.Set(point.x(), point.y(), qint16(number));
        figure.whiteFirst = whiteFirst;
        figure.numberShown = [&](int n) { return flag && n == number; };
        RecordingPrintSurface surface(QSizeF(FakePlatform::kA4Width, FakePlatform::kA4Height));
        output::PrintBoard(surface, output::PageGeometry(), figure);
        QCOMPARE(Matching(surface.operations, "circle").filter(" r210 "), QStringList{circle});
        QCOMPARE(surface.texts.size(), text.isEmpty() ? 0 : 1);
        if (text.isEmpty())
            return;
        QVERIFY2(Matching(surface.operations, "text").first().endsWith(text),
                 qPrintable(Matching(surface.operations, "text").first()));
        // Measured here on its own: the inked number lies within 85 % of the stone's
        // diameter and is centred on it.
        const QRectF ink = InkBox(surface.texts.first());
        const QPointF centre(output::PageGeometry().PointX(point.x()),
                             output::PageGeometry().PointY(point.y()));
        QVERIFY2(ink.width() <= 0.85 * 420 + 0.5, qPrintable(QString::number(ink.width())));
        QVERIFY(qAbs(ink.center().x() - centre.x()) < 3);
        QVERIFY(qAbs(ink.center().y() - centre.y()) < 3);
    }

    void stoneOnTheCorner() {
        output::BoardFigure figure;
        figure.board.Set(1, 1, 1);
        const QStringList operations = Draw([&](common::PrintSurface& page) {
            output::PrintBoard(page, output::PageGeometry(), figure);
        });
        QCOMPARE(Matching(operations, "line 510.3,1927.8").size(), 0);
        QVERIFY(operations.contains("line 720.3,1927.8 1140.3,1927.8 w19.2"));  // (2, 1)
        QVERIFY(operations.contains("line 510.3,2137.8 510.3,2557.8 w19.2"));   // (1, 2)
    }

    void numerals() {
        const QStringList operations = Draw([](common::PrintSurface& page) {
            output::PageGeometry geometry;
            output::HorizontalFigurePrint(page, geometry);
            output::VerticalFigurePrint(page, geometry);
        });
        const QString columns = QStringLiteral(" ＭＳ Ｐゴシック 13 bold #000000 ");
        const QString rows = QStringLiteral(" ＭＳ Ｐゴシック 10 bold #000000 ");
        QCOMPARE(operations.size(), 19 + 9 + 1 + 9 * 2);
        QCOMPARE(operations[0], "text 387,1417.5" + columns + " 1");
        QCOMPARE(operations[11], "text 4930,1417.5" + columns + " 12");
        QCOMPARE(operations[19], "text 0,1837.5" + rows + "一");
        QCOMPARE(operations[28], "text 0,5617.5" + rows + "十");
        QVERIFY(operations.last().endsWith(" 10 bold flat0.72 #000000 九"));
    }

    // 十一 to 十九 are stacked: both characters whole, apart, inside their row's pitch and
    // centred on its line.
    void stackedRowNumerals_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("十一") << 11;
        QTest::newRow("十四") << 14;
        QTest::newRow("十九") << 19;
    }
    void stackedRowNumerals() {
        QFETCH(int, row);
        RecordingPrintSurface surface(QSizeF(FakePlatform::kA4Width, FakePlatform::kA4Height));
        const output::PageGeometry page;
        output::VerticalFigurePrint(surface, page);
        const int first = 9 + 1 + (row - 11) * 2;  // after 一 to 十, two texts a row
        const QRectF upper = InkBox(surface.texts[first]);
        const QRectF lower = InkBox(surface.texts[first + 1]);
        QCOMPARE(surface.texts[first].text + surface.texts[first + 1].text,
                 common::KanjiNumeral(row));
        QVERIFY2(lower.top() - upper.bottom() >= 30,
                 qPrintable(QString::number(lower.top() - upper.bottom())));
        const double line = page.PointY(row);
        QVERIFY(upper.top() > line - 210 && lower.bottom() < line + 210);
        QVERIFY(qAbs((upper.top() + lower.bottom()) / 2 - line) < 3);
    }

    void offsetsShiftTheWholePage() {
        output::RecordPage record;
        record.removedList = {QStringLiteral("002: 4･4")};
        record.figure.board.Set(1, 1, 1);
        record.offsetXmm = 10;
        record.offsetYmm = 5;
        const QStringList operations =
            Draw([&](common::PrintSurface& page) { output::PrintOut(page, record); });
        QVERIFY(operations.contains("text 9177,1701 " + kListFont + "○2:  4･4"));
        QCOMPARE(Matching(operations, "text 954,1701 ").size(), 1);             // column 1
        QCOMPARE(Matching(operations, "text 567,2121 ").size(), 1);             // row 1
        QCOMPARE(Matching(operations, "circle 1077.3,2211.3 r210").size(), 1);  // (1, 1)
    }

    void windowImage_data() {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("expected");
        QTest::newRow("at screen size")
            << QSize(800, 600) << 1.0 << QStringLiteral("image 0,0 12000x9000 800x600");
        QTest::newRow("high-density screen")
            << QSize(1600, 1200) << 2.0 << QStringLiteral("image 0,0 12000x9000 1600x1200");
        QTest::newRow("larger than the page")
            << QSize(1600, 1200) << 1.0 << QStringLiteral("image 0,0 15876x11907 1600x1200");
    }
    void windowImage() {
        QFETCH(QSize, pixels);
        QFETCH(double, ratio);
        QFETCH(QString, expected);
        QImage image(pixels, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        RecordingPrintSurface landscape(QSizeF(FakePlatform::kA4Height, FakePlatform::kA4Width));
        output::PrintWindowImage(landscape, image);
        QCOMPARE(landscape.operations, QStringList{expected});
    }

    // The real surface at 288 dots an inch: five twips a dot.
    void paintedPage() {
        common::SubstituteWindowsFonts();
        QImage image(2400, 3400, QImage::Format_RGB32);
        image.fill(Qt::white);
        output::RecordPage record;
        record.gameName = QStringLiteral("第3");
        record.figure.board.Set(4, 4, 7);   // black
        record.figure.board.Set(16, 4, 8);  // white
        {
            QPainter painter(&image);
            common::QtPrintSurface surface(painter, 288, QSizeF(12000, 17000));
            output::PrintOut(surface, record);
        }
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
        QVERIFY(dark(354 - 20, 637 + 20));    // inside the black stone at (4, 4)
        QVERIFY(!dark(1362 - 20, 637 + 20));  // inside the white stone at (16, 4)
        QVERIFY(dark(1362 - 42, 637));        // its outline
        QVERIFY(dark(774, 1057));             // the crossing at (9, 9)
        QVERIFY(dark(774, 1057 + 20));
        QVERIFY(!dark(774 + 20, 1057 + 20));
        int headerInk = 0;
        for (int x = 84; x < 800; ++x) {
            for (int y = 0; y < 52; ++y)
                headerInk += dark(x, y) ? 1 : 0;
        }
        QVERIFY(headerInk > 1000);
        QVERIFY(!dark(60, 30));  // left of the header's start
    }
};

QTEST_MAIN(TestRecordPrint)
#include "test_record_print.moc"
