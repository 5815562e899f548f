// Number forms, the field reader, the CP932 codec and the date forms.
#include "common/cp932_codec.h"
#include "common/dates.h"
#include "common/record_text.h"

#include <QtTest>

using namespace common;

class TestRecordText : public QObject {
    Q_OBJECT
  private slots:
    void numberForms_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("printed");
        QTest::newRow("zero") << 0 << " 0 "
                              << " 0";
        QTest::newRow("positive") << 16 << " 16 "
                                  << " 16";
        QTest::newRow("negative") << -3 << "-3 "
                                  << "-3";
        QTest::newRow("colour value") << 7914734 << " 7914734 "
                                      << " 7914734";
    }
    void numberForms() {
        QFETCH(int, value);
        QFETCH(QString, file);
        QFETCH(QString, printed);
        QCOMPARE(FileNumber(value), file);
        QCOMPARE(PrintedNumber(value), printed);
    }

    void fieldReader_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("record row") << "12-07-2002, 5 , 4 , 16 ,右上隅小目  "
                                    << QStringList{"12-07-2002", "5 ", "4 ", "16 ", "右上隅小目  "};
        QTest::newRow("blanks before fields skipped") << "  a,   b" << QStringList{"a", "b"};
        QTest::newRow("quoted field loses quotes")
            << "\"2002/12/07\",\"x,y\",z" << QStringList{"2002/12/07", "x,y", "z"};
        QTest::newRow("empty fields") << ",," << QStringList{"", "", ""};
        QTest::newRow("empty line") << "" << QStringList{""};
        QTest::newRow("quote not closed") << "a,\"b,c" << QStringList{"a", "b,c"};
        QTest::newRow("text after closing quote") << "\"a\"b,c" << QStringList{"a", "c"};
    }
    void fieldReader() {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        FieldReader reader(line);
        QStringList read;
        QString field;
        while (reader.NextText(field))
            read.append(field);
        QCOMPARE(read, fields);
        // The byte reader splits the CP932 line into the same fields.
        const QByteArray bytes = EncodeCp932(line);
        ByteFieldReader byteReader(bytes);
        QStringList readBytes;
        QByteArrayView bytesField;
        while (byteReader.NextBytes(bytesField))
            readBytes.append(DecodeCp932(bytesField.toByteArray()));
        QCOMPARE(readBytes, fields);
    }

    void numericFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("blanks around") << " 16 " << true << 16;
        QTest::newRow("negative") << "-12 " << true << -12;
        QTest::newRow("largest 16-bit") << " 32767 " << true << 32767;
        QTest::newRow("16-bit overflow") << " 32768 " << false << 0;
        QTest::newRow("not a number") << " abc " << false << 0;
        QTest::newRow("digits then text") << " 12x " << false << 0;
        QTest::newRow("empty") << "  " << true << 0;
        QTest::newRow("plus sign") << "+5" << true << 5;
        QTest::newRow("leading zeros") << "0012" << true << 12;
        QTest::newRow("five digits") << "12345" << true << 12345;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("blank after minus") << "- 5" << false << 0;
        QTest::newRow("tab before") << "\t7" << true << 7;
        QTest::newRow("full-width blanks") << "　7　" << true << 7;
        QTest::newRow("full-width digit") << "７" << false << 0;
        QTest::newRow("sign alone") << " - " << false << 0;
        QTest::newRow("beyond 64 bits") << " 99999999999999999999 " << false << 0;
    }
    void numericFields() {
        QFETCH(QString, field);
        QFETCH(bool, ok);
        QFETCH(int, value);
        FieldReader reader(field);
        qint16 read = 0;
        QCOMPARE(reader.NextInt16(read), ok);
        if (ok)
            QCOMPARE(int(read), value);
        // The byte reader reads the CP932 field to the same number.
        const QByteArray bytes = EncodeCp932(field);
        ByteFieldReader byteReader(bytes);
        qint16 readBytes = 0;
        QCOMPARE(byteReader.NextInt16(readBytes), ok);
        if (ok)
            QCOMPARE(int(readBytes), value);
    }

    void missingFieldFails() {
        FieldReader reader(QStringLiteral("a"));
        QString text;
        qint16 number = 0;
        QVERIFY(reader.NextText(text));
        QVERIFY(!reader.NextInt16(number));
    }

    void commentMadeFileSafe() {
        QCOMPARE(FileSafeComment(QStringLiteral("ツケ,ハネ")), QStringLiteral("ツケ、ハネ"));
        QCOMPARE(FileSafeComment(QStringLiteral("ツケ，ハネ")), QStringLiteral("ツケ，ハネ"));
        QCOMPARE(FixedWidth(QStringLiteral("１２の左一間"), 10),
                 QStringLiteral("１２の左一間    "));
        QCOMPARE(FixedWidth(QString(40, QChar('a')), 30).size(), 30);
    }

    void cp932Bytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("full-width digits") << "１２" << QByteArray("\x82\x50\x82\x51");
        QTest::newRow("half-width katakana")
            << "ﾊﾞｯｸﾃﾞｰﾀ" << QByteArray("\xCA\xDE\xAF\xB8\xC3\xDE\xB0\xC0");
        QTest::newRow("wave dash") << "～" << QByteArray("\x81\x60");
        QTest::newRow("full-width minus") << "－" << QByteArray("\x81\x7C");
        QTest::newRow("circled one") << "①" << QByteArray("\x87\x40");
        QTest::newRow("kanji") << "黒" << QByteArray("\x8D\x95");
    }
    void cp932Bytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EncodeCp932(text), bytes);
        QCOMPARE(DecodeCp932(bytes), text);
    }

    void cp932Damage() {
        // A character without a CP932 code becomes "?", keeping its neighbours.
        QCOMPARE(EncodeCp932(QStringLiteral("a😀,b")), QByteArray("a?,b"));
        // A lone lead byte before a comma must not swallow the comma.
        const QString decoded = DecodeCp932(QByteArray("\x82,x"));
        QCOMPARE(decoded, QString(QChar(0xFFFD)) + ",x");
        QCOMPARE(DecodeCp932(QByteArray("\xFF\xFF")).size(), 2);
    }

    void dates() {
        const QDate date(2002, 12, 7);
        QCOMPARE(RowDate(date), QStringLiteral("12-07-2002"));
        QCOMPARE(ShortDate(date), QStringLiteral("2002/12/07"));
        QCOMPARE(ParseShortDate(QStringLiteral("2002/12/7")), date);
        QCOMPARE(MainWindowDate(QStringLiteral("2002/12/07")), QStringLiteral("02/12/7"));
        QCOMPARE(MainWindowDate(QStringLiteral("2010/01/15")), QStringLiteral("10/1/15"));
        QCOMPARE(MainWindowDate(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestRecordText)
#include "test_record_text.moc"
