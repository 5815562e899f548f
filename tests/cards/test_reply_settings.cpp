// The card's settings file byte for byte, and the 32 lines as they stand on the card.
#include "cards/reply_settings.h"
#include "testing/temp_root.h"

#include <QtTest>

using namespace postcard;

Q_DECLARE_METATYPE(postcard::ReplySettings)

namespace {

const QByteArray kMincho("\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9");  // ＭＳ Ｐ明朝
const QByteArray kTomorrow("\x96\xbe\x93\xfa\x94\xad\x90\x4d");            // 明日発信

ReplySettings Settings(const QString& font, int size, const QString& sendDate, int left, int top,
                       int spacing) {
    return ReplySettings{font, size, sendDate, left, top, spacing};
}

}  // namespace

class TestReplySettings : public QObject {
    Q_OBJECT
  private slots:
    void settingsFileBytes_data() {
        QTest::addColumn<ReplySettings>("settings");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nothing chosen")
            << ReplySettings{} << QByteArray("\r\n 13 \r\n\r\n 0 \r\n 0 \r\n 10 \r\n");
        QTest::newRow("all chosen")
            << Settings("ＭＳ Ｐ明朝", 8, "明日発信", 50, 5, 15)
            << kMincho + "\r\n 8 \r\n" + kTomorrow + "\r\n 50 \r\n 5 \r\n 15 \r\n";
    }
    void settingsFileBytes() {
        QFETCH(ReplySettings, settings);
        QFETCH(QByteArray, bytes);
        TempRoot root;
        QVERIFY(WriteReplySettings(root.File(kReplySettingsFileName), settings));
        QCOMPARE(root.Read(kReplySettingsFileName), bytes);
        const std::optional<ReplySettings> read =
            ReadReplySettings(root.File(kReplySettingsFileName));
        QVERIFY(read.has_value());
        QVERIFY(*read == settings);
    }

    void damagedValuesKeepDefaults_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ReplySettings>("expected");
        QTest::newRow("out of range and not a number")
            << QByteArray("\r\n 19 \r\n" + kTomorrow + "\r\n 51 \r\n x \r\n 9 \r\n")
            << Settings("", 13, "明日発信", 0, 0, 10);
        QTest::newRow("short file, lone LF")
            << QByteArray(kMincho + "\n 18 \n") << Settings("ＭＳ Ｐ明朝", 18, "", 0, 0, 10);
    }
    void damagedValuesKeepDefaults() {
        QFETCH(QByteArray, bytes);
        QFETCH(ReplySettings, expected);
        TempRoot root;
        root.Write(kReplySettingsFileName, bytes);
        const std::optional<ReplySettings> read =
            ReadReplySettings(root.File(kReplySettingsFileName));
        QVERIFY(read.has_value());
        QVERIFY(*read == expected);
    }

    void layoutTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("first");  // lines 0 onwards; the rest are empty
        QTest::addColumn<QString>("line31");
        QTest::newRow("final line end") << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"} << "";
        QTest::newRow("no final line end") << "a\r\nb" << QStringList{"a", "b"} << "";
        QTest::newRow("empty") << "" << QStringList{} << "";
        QString many;
        QStringList first;
        for (int i = 1; i <= 35; ++i) {
            many += QStringLiteral("L%1\r\n").arg(i);
            if (i <= 31)
                first.append(QStringLiteral("L%1").arg(i));
        }
        QTest::newRow("35 lines") << many << first << "L35";
        QTest::newRow("35 lines, last unended") << many + "tail" << first << "tail";
    }
    void layoutTexts() {
        QFETCH(QString, text);
        QFETCH(QStringList, first);
        QFETCH(QString, line31);
        const QStringList lines = LayoutTexts(text);
        QCOMPARE(lines.size(), kLayoutLineCount);
        QCOMPARE(lines.mid(0, first.size()), first);
        for (int i = first.size(); i < kLayoutLineCount - 1; ++i)
            QCOMPARE(lines[i], QString());
        QCOMPARE(lines[31], line31);
    }

    void linesOnCard_data() {
        QTest::addColumn<ReplySettings>("settings");
        QTest::addColumn<double>("boxLeft");
        QTest::addColumn<double>("boxTop");
        QTest::addColumn<double>("pitch");  // with a line height of 300 twips
        QTest::newRow("no spaces") << ReplySettings{} << 170.0 << 170.0 << 300.0;
        QTest::newRow("left 50, spacing 15")
            << Settings("", 13, "", 50, 0, 15) << 3005.0 << 170.0 << 450.0;
        QTest::newRow("top 10, spacing 30")
            << Settings("ＭＳ Ｐ明朝", 9, "", 0, 10, 30) << 170.0 << 737.0 << 900.0;
    }
    void linesOnCard() {
        QFETCH(ReplySettings, settings);
        QFETCH(double, boxLeft);
        QFETCH(double, boxTop);
        QFETCH(double, pitch);
        const QString text =
            "発信 2002/12/07\r\n\r\nNo.01\r\n○20:４・十六\r\n●21:１６・四(ハネ)\r\n";
        const QList<LayoutLine> lines = LayOutText(text, settings, 300);
        QCOMPARE(lines.size(), kLayoutLineCount);
        for (int i = 0; i < kLayoutLineCount; ++i) {
            QCOMPARE(lines[i].position, QPointF(boxLeft, boxTop + i * pitch));
            QCOMPARE(lines[i].colour, i == 3 ? QColor(255, 0, 0) : QColor(Qt::black));
        }
        QCOMPARE(lines[4].text, "●21:１６・四(ハネ)");
    }
};

QTEST_GUILESS_MAIN(TestReplySettings)
#include "test_reply_settings.moc"
