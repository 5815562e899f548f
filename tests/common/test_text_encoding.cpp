// How a file the player may have saved from any editor is read: the one decision every
// reader of such a file shares, and which characters CP932 can write back.
#include "common/cp932_codec.h"

#include <QtTest>

using common::TextEncoding;

class TestTextEncoding : public QObject {
    Q_OBJECT

  private slots:
    void decidesPerFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QString>("text");
        const QString japanese = QStringLiteral("山田 01局 [黒1目半負け]\r\n");
        const QByteArray cp932 = common::EncodeCp932(japanese);
        const QByteArray utf8 = japanese.toUtf8();
        QTest::newRow("CP932") << cp932 << TextEncoding::Cp932 << japanese;
        QTest::newRow("UTF-8") << utf8 << TextEncoding::Utf8 << japanese;
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBF") + utf8 << TextEncoding::Utf8WithBom << japanese;
        QTest::newRow("BOM, ASCII only") << QByteArray(
                                                "\xEF\xBB\xBF"
                                                "a,b\r\n")
                                         << TextEncoding::Utf8WithBom << "a,b\r\n";
        QTest::newRow("ASCII only") << QByteArray("a,b\r\n") << TextEncoding::Cp932 << "a,b\r\n";
        QTest::newRow("empty") << QByteArray() << TextEncoding::Cp932 << QString();
        // A lead byte without its second byte: that byte alone is lost, the rest is read.
        QTest::newRow("damaged CP932")
            << QByteArray("\x8e\x52\x93,a") << TextEncoding::Cp932 << QStringLiteral("山\uFFFD,a");
        // Not UTF-8 as a whole (a character cut short), so read as CP932, never half and half.
        QTest::newRow("UTF-8 cut short")
            << utf8.left(utf8.size() - 1) + "\xE5\xB1" << TextEncoding::Cp932
            << common::DecodeCp932(utf8.left(utf8.size() - 1) + "\xE5\xB1");
        QTest::newRow("overlong UTF-8 form")
            << QByteArray("\xC0\xAF") << TextEncoding::Cp932 << common::DecodeCp932("\xC0\xAF");
        QTest::newRow("UTF-8 of a surrogate") << QByteArray("\xED\xA0\x80") << TextEncoding::Cp932
                                              << common::DecodeCp932("\xED\xA0\x80");
        // Half-width katakana in CP932 are single bytes 0xA1-0xDF: never valid UTF-8 alone.
        QTest::newRow("CP932 half-width katakana")
            << QByteArray("\xBB\xDB\xCF\xD2") << TextEncoding::Cp932 << QStringLiteral("ｻﾛﾏﾒ");
    }
    void decidesPerFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(TextEncoding, encoding);
        QFETCH(QString, text);
        QCOMPARE(common::DetectTextEncoding(bytes), encoding);
        TextEncoding found = TextEncoding::Utf8;
        QCOMPARE(common::DecodeTextFile(bytes, &found), text);
        QCOMPARE(found, encoding);
    }

    void fitsCp932_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::newRow("kana, kanji, a question mark") << QStringLiteral("山田？?") << true;
        QTest::newRow("NEC circled digit") << QStringLiteral("①") << true;
        QTest::newRow("IBM extension kanji") << QStringLiteral("髙") << true;
        // What Linux input methods type for 〜; CP932 writes it as its own wave dash.
        QTest::newRow("U+301C wave dash") << QStringLiteral("\u301C") << true;
        QTest::newRow("emoji") << QStringLiteral("勝ち\U0001F600") << false;
        QTest::newRow("hangul") << QStringLiteral("\uD55C") << false;
    }
    void fitsCp932() {
        QFETCH(QString, text);
        QTEST(common::FitsCp932(text), "fits");
    }
};

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "test_text_encoding.moc"
