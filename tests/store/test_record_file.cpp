// Record files byte for byte, the loader's rules and the undo copy.
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

using namespace store;

namespace {

QByteArray Blanks(int n) {
    return QByteArray(n, ' ');
}

/// A record line written by hand from the format rules.
QByteArray Line(const QByteArray& date, const QByteArray& fields, const QByteArray& text,
                int textChars) {
    return date + "," + fields + "," + text + Blanks(30 - textChars) + "\r\n";
}

const QByteArray kHeader = Line("2002/12/07", " 0 , 1 , 31 ", "\x8D\x95", 1);  // 黒

RecordRow Row(int number, int x, int y, const QString& text = QString()) {
    RecordRow row;
    row.date = QString(10, ' ');
    row.number = qint16(number);
    row.x = qint16(x);
    row.y = qint16(y);
    row.text = text.leftJustified(30, ' ');
    return row;
}

}  // namespace

class TestRecordFile : public QObject {
    Q_OBJECT
  private slots:
    void headerGoldenBytes_data() {
        QTest::addColumn<int>("handicap");
        QTest::addColumn<int>("komi");
        QTest::addColumn<bool>("black");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults") << 1 << 31 << true << kHeader;
        QTest::newRow("two stones, white")
            << 3 << 20 << false << Line("2002/12/07", "-2 , 3 , 20 ", "\x94\x92", 1);
        QTest::newRow("no komi handicap")
            << 2 << 1 << true << Line("2002/12/07", " 0 , 2 , 1 ", "\x8D\x95", 1);
    }
    void headerGoldenBytes() {
        QFETCH(int, handicap);
        QFETCH(int, komi);
        QFETCH(bool, black);
        QFETCH(QByteArray, bytes);
        TempRoot root;
        QVERIFY(WriteTextLines(root.File("g.txt"),
                               {HeaderLine(QDate(2002, 12, 7), handicap, komi, black)}));
        QCOMPARE(root.Read("g.txt"), bytes);
    }

    void appendThenCutGoldenBytes() {
        TempRoot root;
        const QString path = root.File("g.txt");
        const QString undo = root.File("Tmp.txt");
        root.Write("g.txt", kHeader);
        RecordTable table;
        QCOMPARE(ReadRecordFile(path, table), LoadOutcome::Complete);
        table.rows[1] = Row(1, 17, 4, QStringLiteral("右上隅小目"));
        table.rows[2] = Row(2, 4, 16, QStringLiteral("ツケ,ハネ"));
        table.rows[3] = Row(3, 16, 17);
        table.lastRow = 3;
        QVERIFY(AppendNewRows(path, undo, table, QDate(2002, 12, 7)));

        const QByteArray saved =
            kHeader +
            Line("12-07-2002", " 1 , 17 , 4 ", "\x89\x45\x8F\xE3\x8B\xF7\x8F\xAC\x96\xDA", 5) +
            Line("12-07-2002", " 2 , 4 , 16 ", "\x83\x63\x83\x50\x81\x41\x83\x6E\x83\x6C", 5) +
            Line("12-07-2002", " 3 , 16 , 17 ", "", 0);
        QCOMPARE(root.Read("g.txt"), saved);
        QCOMPARE(root.Read("Tmp.txt"), kHeader);

        // The comma became "、": the comment reads back as one field.
        QCOMPARE(ReadRecordFile(path, table), LoadOutcome::Complete);
        QCOMPARE(table.rows[2].text.trimmed(), QStringLiteral("ツケ、ハネ"));

        // A cut at move 3 with one unsaved row in memory: the unsaved row's date is blank.
        table.rows[3] = Row(5, 1, 1);
        table.lastRow = 3;
        table.rows[2].date = QString(10, ' ');
        QVERIFY(CutRecordAt(path, undo, table, 6));
        QCOMPARE(root.Read("Tmp.txt"), saved);
        const QByteArray expected =
            kHeader +
            Line("12-07-2002", " 1 , 17 , 4 ", "\x89\x45\x8F\xE3\x8B\xF7\x8F\xAC\x96\xDA", 5) +
            Line(Blanks(10), " 2 , 4 , 16 ", "\x83\x63\x83\x50\x81\x41\x83\x6E\x83\x6C", 5) +
            Line(Blanks(10), " 5 , 1 , 1 ", "", 0);
        QCOMPARE(root.Read("g.txt"), expected);
    }

    void cutDropsLaterRemovalsOfEarlierStones() {
        TempRoot root;
        const QString path = root.File("g.txt");
        root.Write("g.txt", kHeader + Line("12-07-2002", " 1 , 4 , 4 ", "", 0) +
                                Line("12-07-2002", " 2 , 5 , 4 ", "", 0) +
                                Line("12-07-2002", " 3 , 16 , 16 ", "", 0) +
                                Line("12-07-2002", " 1 , 4 , 4 ", "", 0));
        RecordTable table;
        ReadRecordFile(path, table);
        QVERIFY(CutRecordAt(path, root.File("Tmp.txt"), table, 3));
        QVERIFY(ReadRecordFile(path, table) == LoadOutcome::Complete);
        QCOMPARE(table.savedRowCount, 2);
    }

    void loader_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("colours");
        const QByteArray threeStones = Line("2002/12/07", "-3 , 4 , 20 ", "\x94\x92", 1);
        QTest::newRow("even game") << kHeader + Line("12-07-2002", " 1 , 4 , 4 ", "", 0) +
                                          Line("12-07-2002", " 2 , 5 , 4 ", "", 0)
                                   << int(LoadOutcome::Complete) << 2 << "UU"
                                   << "BW";
        QTest::newRow("three handicap stones: move 1 is white")
            << threeStones + Line("12-07-2002", " 1 , 4 , 4 ", "", 0) +
                   Line("12-07-2002", " 2 , 5 , 4 ", "", 0) +
                   Line("12-07-2002", " 3 , 6 , 4 ", "", 0)
            << int(LoadOutcome::Complete) << 3 << "UUU"
            << "WBW";
        QTest::newRow("removal of an earlier stone")
            << kHeader + Line("12-07-2002", " 7 , 4 , 4 ", "", 0) +
                   Line("12-07-2002", " 12 , 5 , 4 ", "", 0) +
                   Line("12-07-2002", " 7 , 4 , 4 ", "", 0)
            << int(LoadOutcome::Complete) << 3 << "UUT"
            << "BWB";
        QTest::newRow("bad line ends the load")
            << kHeader + Line("12-07-2002", " 1 , 4 , 4 ", "", 0) + QByteArray("junk\r\n") +
                   Line("12-07-2002", " 2 , 5 , 4 ", "", 0)
            << int(LoadOutcome::Truncated) << 1 << "U"
            << "B";
        QTest::newRow("16-bit overflow ends the load")
            << kHeader + Line("12-07-2002", " 1 , 4 , 4 ", "", 0) +
                   Line("12-07-2002", " 40000 , 5 , 4 ", "", 0)
            << int(LoadOutcome::Truncated) << 1 << "U"
            << "B";
        QTest::newRow("too few fields") << kHeader + QByteArray("12-07-2002, 1 , 4\r\n")
                                        << int(LoadOutcome::Truncated) << 0 << ""
                                        << "";
        QTest::newRow("lone LF line ends")
            << QByteArray("2002/12/07, 0 , 1 , 31 ,\x8D\x95\n12-07-2002, 1 , 4 , 4 ,\n")
            << int(LoadOutcome::Complete) << 1 << "U"
            << "B";
        QTest::newRow("no final line end") << kHeader + QByteArray("12-07-2002, 1 , 4 , 4 ,  ")
                                           << int(LoadOutcome::Complete) << 1 << "U"
                                           << "B";
    }
    void loader() {
        QFETCH(QByteArray, content);
        QFETCH(int, outcome);
        QFETCH(int, rows);
        QFETCH(QString, marks);
        QFETCH(QString, colours);
        TempRoot root;
        root.Write("g.txt", content);
        RecordTable table;
        QCOMPARE(int(ReadRecordFile(root.File("g.txt"), table)), outcome);
        QCOMPARE(table.savedRowCount, rows);
        QCOMPARE(table.lastRow, rows);
        QString readMarks;
        QString readColours;
        for (int i = 1; i <= rows; ++i) {
            readMarks += table.rows[i].mark;
            readColours += table.rows[i].colour == common::StoneColour::Black ? 'B' : 'W';
        }
        QCOMPARE(readMarks, marks);
        QCOMPARE(readColours, colours);
    }

    void headerColour_data() {
        QTest::addColumn<QByteArray>("text");  // the header's text field, CP932
        QTest::addColumn<int>("textChars");
        QTest::addColumn<int>("colour");  // -1 none, else a common::StoneColour
        QTest::addColumn<QString>("shown");
        const int black = int(common::StoneColour::Black);
        const int white = int(common::StoneColour::White);
        QTest::newRow("黒") << QByteArray("\x8D\x95") << 1 << black << "黒";
        QTest::newRow("白 between blanks") << QByteArray("  \x94\x92") << 3 << white << "白";
        // A header spoilt by hand still loads; the screens show its text as it stands.
        QTest::newRow("赤") << QByteArray("\x90\xD4") << 1 << -1 << "赤";
        QTest::newRow("黒白") << QByteArray("\x8D\x95\x94\x92") << 2 << -1 << "黒白";
        QTest::newRow("empty") << QByteArray() << 0 << -1 << "";
    }
    void headerColour() {
        QFETCH(QByteArray, text);
        QFETCH(int, textChars);
        QFETCH(int, colour);
        QFETCH(QString, shown);
        TempRoot root;
        root.Write("g.txt", Line("2002/12/07", " 0 , 1 , 31 ", text, textChars) +
                                Line("12-07-2002", " 1 , 4 , 4 ", "", 0));
        const std::optional<common::StoneColour> expected =
            colour < 0 ? std::nullopt : std::optional(common::StoneColour(colour));
        RecordTable table;
        QCOMPARE(ReadRecordFile(root.File("g.txt"), table), LoadOutcome::Complete);
        QCOMPARE(table.lastRow, 1);
        QCOMPARE(table.playerColour, expected);
        QCOMPARE(table.PlayerColourText(), shown);
        RecordOutline outline;
        QCOMPARE(ReadRecordOutline(root.File("g.txt"), outline), LoadOutcome::Complete);
        QCOMPARE(outline.playerColour, expected);
        QCOMPARE(outline.PlayerColourText(), shown);
    }

    void headerValues() {
        TempRoot root;
        root.Write("g.txt", Line("2002/12/07", "-3 , 4 , 33 ", "\x94\x92", 1));
        RecordTable table;
        ReadRecordFile(root.File("g.txt"), table);
        QCOMPARE(table.handicapCode, 4);
        QCOMPARE(table.komiCode, 33);
        QCOMPARE(table.whiteFirst, 1);
        QCOMPARE(table.playerColour, std::optional(common::StoneColour::White));
        QCOMPARE(table.headerDate, QStringLiteral("2002/12/07"));
        QCOMPARE(table.rows[0].text.size(), 30);
    }

    void moreThan440RowsKeepsTheFirst440() {
        QByteArray content = kHeader;
        for (int n = 1; n <= 445; ++n)
            content += Line("12-07-2002", " " + QByteArray::number(n) + " , 4 , 4 ", "", 0);
        TempRoot root;
        root.Write("g.txt", content);
        RecordTable table;
        QCOMPARE(ReadRecordFile(root.File("g.txt"), table), LoadOutcome::Truncated);
        QCOMPARE(table.savedRowCount, 440);
        QCOMPARE(int(table.rows[440].number), 440);
    }

    void missingFileGivesAnEmptyTable() {
        TempRoot root;
        RecordTable table;
        table.lastRow = 5;
        QCOMPARE(ReadRecordFile(root.File("nothing.txt"), table), LoadOutcome::Missing);
        QCOMPARE(table.lastRow, 0);
        QVERIFY(!table.headerRead);
    }

    void textRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("full-width digits") << "１２の左一間";
        QTest::newRow("half-width katakana") << "ﾊﾞｯｸﾃﾞｰﾀ";
        QTest::newRow("wave dash and minus") << "１～３－５";
    }
    void textRoundTrip() {
        QFETCH(QString, text);
        TempRoot root;
        const QString path = root.File("g.txt");
        QVERIFY(WriteTextLines(path, {HeaderLine(QDate(2002, 12, 7), 1, 31, true),
                                      RecordLine("12-07-2002", 1, 4, 4, text)}));
        RecordTable table;
        ReadRecordFile(path, table);
        QCOMPARE(table.rows[1].text.trimmed(), text);
    }

    void undoCopyLifeCycle() {
        TempRoot root;
        const QString path = root.File("g.txt");
        const QString undo = root.File("Tmp.txt");
        root.Write("g.txt", kHeader);
        RecordTable table;
        ReadRecordFile(path, table);
        table.rows[1] = Row(1, 4, 4);
        table.lastRow = 1;
        QVERIFY(AppendNewRows(path, undo, table, QDate(2002, 12, 7)));
        QVERIFY(root.Read("g.txt") != kHeader);
        QVERIFY(RestoreUndoCopy(path, undo));
        QCOMPARE(root.Read("g.txt"), kHeader);
        QVERIFY(!QFile::exists(undo));
        // Restoring again without a copy changes nothing.
        QVERIFY(!RestoreUndoCopy(path, undo));
        QCOMPARE(root.Read("g.txt"), kHeader);

        // Saving without new rows appends nothing but refreshes the copy.
        ReadRecordFile(path, table);
        QVERIFY(AppendNewRows(path, undo, table, QDate(2002, 12, 7)));
        QCOMPARE(root.Read("g.txt"), kHeader);
        QCOMPARE(root.Read("Tmp.txt"), kHeader);
        DeleteUndoCopy(undo);
        QVERIFY(!QFile::exists(undo));
    }

    void failedAppendIsReported() {
        TempRoot root;
        RecordTable table;
        table.rows[1] = Row(1, 4, 4);
        table.lastRow = 1;
        // The opponent's folder is gone: the save must say it failed.
        QVERIFY(!AppendNewRows(root.File("gone/g.txt"), root.File("Tmp.txt"), table,
                               QDate(2002, 12, 7)));
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "test_record_file.moc"
