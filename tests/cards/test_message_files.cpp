// The archive, reuse file and send record that follow each print, byte for byte.
#include "cards/message_files.h"
#include "common/cp932_codec.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

using namespace postcard;

namespace {

const QString kArchive = QStringLiteral("Message/山田.txt");

QStringList Numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("L%1").arg(i));
    return lines;
}

QStringList ReadLines(const QString& path) {
    QStringList lines;
    store::ReadTextLines(path, lines);
    return lines;
}

}  // namespace

class TestMessageFiles : public QObject {
    Q_OBJECT
  private slots:
    void twoPrintsGoldenBytes() {
        TempRoot root;
        SentCard card{root.path(), "山田",
                      "発信 2002/12/07\r\n\r\nNo.01\r\n●1:４・四\r\n\r\nHi\r\n",
                      QDate(2002, 12, 7)};
        QVERIFY(RecordSentCard(card).Written());
        const QByteArray archive1 =
            "\x94\xad\x90\x4d 2002/12/07\r\n\r\nNo.01\r\n\x81\x9c"
            "1:\x82\x53\x81\x45\x8e\x6c\r\n\r\nHi\r\n\r\n";
        const QByteArray reuse1 = "\x94\xad\x90\x4d 2002/12/07\r\nHi\r\n\r\n\r\n";
        const QByteArray sent1 = "12-07-2002:\x8e\x52\x93\x63\r\n";
        QCOMPARE(root.Read(kArchive), archive1);
        QCOMPARE(root.Read(kReuseFileName), reuse1);
        QCOMPARE(root.Read(kSendRecordName), sent1);

        card.text = "発信 2002/12/09\r\nOK";
        card.today = QDate(2002, 12, 8);
        QVERIFY(RecordSentCard(card).Written());
        const QByteArray text2 = "\x94\xad\x90\x4d 2002/12/09\r\nOK\r\n\r\n";
        QCOMPARE(root.Read(kArchive), text2 + archive1);
        QCOMPARE(root.Read(kReuseFileName), text2 + reuse1 + "\r\n");
        QCOMPARE(root.Read(kSendRecordName), "12-08-2002:\x8e\x52\x93\x63\r\n" + sent1);
        // Nothing but the two files beside the archive folder: no scratch copy stays behind.
        QCOMPARE(QDir(root.path()).entryList(QDir::Files).size(), 2);
    }

    void reuseFileKeepsOwnWords() {
        TempRoot root;
        const QString text =
            "発信 2002/12/07\r\n\r\nNo.01\r\n●1:４・四\r\n○2:１６・四\r\n"
            "照合 第2手まで 黒石1 白石1 アゲハマ 黒0 白0 符号 1234\r\n\r\nNice game\r\n"
            "  ●x\r\nまた,よろしく\r\n\"引用\"\r\n";
        QVERIFY(UpdateReuseFile({root.path(), "山田", text, QDate(2002, 12, 7)}));
        QCOMPARE(ReadLines(root.File(kReuseFileName)),
                 QStringList({"発信 2002/12/07", "また", "よろしく", "引用", "", ""}));
    }

    void lengthLimits_data() {
        QTest::addColumn<bool>("sendRecord");
        QTest::addColumn<int>("oldLines");
        QTest::addColumn<int>("keptOld");
        QTest::newRow("send record, 500th card") << true << 499 << 499;
        QTest::newRow("send record, 501st card") << true << 500 << 499;
        QTest::newRow("reuse file under the limit") << false << 3 << 3;
        QTest::newRow("reuse file over the limit") << false << 1001 << 1000;
    }
    void lengthLimits() {
        QFETCH(bool, sendRecord);
        QFETCH(int, oldLines);
        QFETCH(int, keptOld);
        TempRoot root;
        const QString path = root.File(sendRecord ? kSendRecordName : kReuseFileName);
        QVERIFY(store::WriteTextLines(path, Numbered(oldLines)));
        const SentCard card{root.path(), "山田", "Hi", QDate(2002, 12, 7)};
        QVERIFY(sendRecord ? LogSend(card) : UpdateReuseFile(card));
        const QStringList expected = sendRecord
                                         ? QStringList{"12-07-2002:山田"} + Numbered(keptOld)
                                         : QStringList{"Hi", ""} + Numbered(keptOld) << QString();
        QCOMPARE(ReadLines(path), expected);
    }

    void noOpponentTouchesNothing() {
        TempRoot root;
        const SentCardFiles result = RecordSentCard({root.path(), "", "Hi", QDate(2002, 12, 7)});
        QVERIFY(result.refused);
        QVERIFY(!result.Written());
        QVERIFY(QDir(root.path()).isEmpty());
    }

    // An archive the player saved as UTF-8 goes back whole as CP932 with the new card in
    // front; one holding a character CP932 lacks stays as it is, and the step is reported.
    void archiveSavedAsUtf8_data() {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<bool>("written");
        QTest::newRow("UTF-8") << QStringLiteral("前の便り") << true;
        QTest::newRow("UTF-8 beyond CP932") << QStringLiteral("前の便り\U0001F600") << false;
    }
    void archiveSavedAsUtf8() {
        QFETCH(QString, earlier);
        QFETCH(bool, written);
        TempRoot root;
        const QByteArray utf8 = (earlier + "\n").toUtf8();
        root.Write(kArchive, utf8);
        const SentCardFiles result =
            RecordSentCard({root.path(), "山田", "Hi", QDate(2002, 12, 7)});
        QCOMPARE(result.failedFiles.contains(MessageArchivePath(root.path(), "山田")), !written);
        QCOMPARE(root.Read(kArchive),
                 written ? "Hi\r\n\r\n" + common::EncodeCp932(earlier) + "\r\n" : utf8);
    }

    void failedStepLeavesTheOthers() {
        TempRoot root;
        root.Write(kMessageFolderName, "not a folder");
        const SentCardFiles result =
            RecordSentCard({root.path(), "山田", "Hi", QDate(2002, 12, 7)});
        QCOMPARE(result.failedFiles, QStringList{MessageArchivePath(root.path(), "山田")});
        QCOMPARE(root.Read(kMessageFolderName), QByteArray("not a folder"));
        QCOMPARE(root.Read(kReuseFileName), QByteArray("Hi\r\n\r\n\r\n"));
        QCOMPARE(root.Read(kSendRecordName), QByteArray("12-07-2002:\x8e\x52\x93\x63\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestMessageFiles)
#include "test_message_files.moc"
