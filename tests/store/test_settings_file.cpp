// The settings file: its fifteen lines byte for byte, short files, missing files; and the
// engine's command line in a file of its own, with the player's other lines kept.
#include "common/cp932_codec.h"
#include "store/engine_settings_file.h"
#include "store/settings_file.h"
#include "testing/temp_root.h"

#include <QtTest>

namespace {

const QByteArray kFile =
    " 0 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 200 , 150 , 100 \r\n 6592200 \r\n 5 \r\n-3 \r\n"
    "\r\n\r\n\r\n\r\n\r\n";

common::Settings Sample() {
    common::Settings s;
    s.reservedOption = 0;
    s.numbersWhileRecording = 1;
    s.showNumerals = 1;
    s.numeralPitch = 0;
    s.showGuide = 1;
    s.keepRemovedStones = 0;
    s.red = 200;
    s.green = 150;
    s.blue = 100;
    s.boardColour = common::Settings::WindowsColour(200, 150, 100);
    s.printPosition1 = 5;
    s.printPosition2 = -3;
    return s;
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
  private slots:
    void writesFifteenLines() {
        TempRoot root;
        QVERIFY(store::WriteSettings(root.File("KurumiSet.dat"), Sample()));
        QCOMPARE(root.Read("KurumiSet.dat"), kFile);
    }

    void readsFullAndShortFilesAlike_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("fifteen lines") << kFile;
        QTest::newRow("ten lines") << kFile.left(kFile.size() - 10);
        QTest::newRow("lone LF") << QByteArray(kFile).replace("\r\n", "\n");
    }
    void readsFullAndShortFilesAlike() {
        QFETCH(QByteArray, content);
        TempRoot root;
        root.Write("KurumiSet.dat", content);
        common::Settings read;
        QVERIFY(store::ReadSettings(root.File("KurumiSet.dat"), read));
        const common::Settings expected = Sample();
        QCOMPARE(read.numbersWhileRecording, expected.numbersWhileRecording);
        QCOMPARE(read.showGuide, expected.showGuide);
        QCOMPARE(read.red, expected.red);
        QCOMPARE(read.green, expected.green);
        QCOMPARE(read.blue, expected.blue);
        QCOMPARE(read.boardColour, expected.boardColour);
        QCOMPARE(read.printPosition1, expected.printPosition1);
        QCOMPARE(read.printPosition2, expected.printPosition2);
    }

    void missingFileKeepsDefaults() {
        TempRoot root;
        common::Settings settings;
        QVERIFY(!store::ReadSettings(root.File("KurumiSet.dat"), settings));
        QCOMPARE(settings.showNumerals, qint16(1));
        QCOMPARE(settings.boardColour, common::Settings::WindowsColour(238, 196, 120));
        QCOMPARE(settings.boardColour, settings.red + 256 * settings.green + 65536 * settings.blue);
    }

    void missingLinesReadAsZero() {
        TempRoot root;
        root.Write("KurumiSet.dat", " 1 \r\n 1 \r\n");
        common::Settings settings;
        store::ReadSettings(root.File("KurumiSet.dat"), settings);
        QCOMPARE(settings.numbersWhileRecording, qint16(1));
        QCOMPARE(settings.showGuide, qint16(0));
        QCOMPARE(settings.printPosition2, qint16(0));
    }

    void colourChangeKeepsOtherValues() {
        TempRoot root;
        const QString path = root.File("KurumiSet.dat");
        root.Write("KurumiSet.dat", kFile);
        common::Settings settings;
        store::ReadSettings(path, settings);
        settings.red = 10;
        settings.boardColour = common::Settings::WindowsColour(10, 150, 100);
        QVERIFY(store::WriteSettings(path, settings));
        QByteArray expected = kFile;
        expected.replace(" 200 , 150 , 100 ", " 10 , 150 , 100 ");
        expected.replace(" 6592200 ", " " + QByteArray::number(10 + 256 * 150 + 65536 * 100) + " ");
        QCOMPARE(root.Read("KurumiSet.dat"), expected);
    }

    // Each row: the file as found (none when null), the command set, the file written and the
    // command read back from it.
    void engineCommandLine_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("after");
        const QByteArray key = common::EncodeCp932(QStringLiteral("エンジン="));
        const QByteArray note = common::EncodeCp932(QStringLiteral("# 強さはここで変える"));
        QTest::newRow("new file") << QByteArray() << "katago gtp -model m.bin.gz"
                                  << key + "katago gtp -model m.bin.gz\r\n";
        QTest::newRow("player's UTF-8 file, its note kept, turned into CP932")
            << QStringLiteral("# 強さはここで変える\nエンジン=gnugo --level 3\n").toUtf8()
            << "gnugo --mode gtp --level 5"
            << note + "\r\n" + key + "gnugo --mode gtp --level 5\r\n";
        QTest::newRow("later engine lines go, the first takes the command")
            << key + "\r\n" + note + "\r\n" + key + "old\r\n"
            << "leelaz --gtp" << key + "leelaz --gtp\r\n" + note + "\r\n";
        QTest::newRow("typed with blanks around the equals sign")
            << common::EncodeCp932(QStringLiteral(" エンジン = gnugo --level 3\r\n"))
            << "leelaz --gtp" << key + "leelaz --gtp\r\n";
        QTest::newRow("empty command: the line goes, the note stays")
            << note + "\r\n" + key + "katago gtp\r\n"
            << "" << note + "\r\n";
        QTest::newRow("a folder CP932 cannot hold: UTF-8 with its mark")
            << QByteArray() << "/home/josé/katago gtp"
            << "\xEF\xBB\xBF" + QStringLiteral("エンジン=/home/josé/katago gtp\r\n").toUtf8();
    }
    void engineCommandLine() {
        QFETCH(QByteArray, before);
        QFETCH(QString, command);
        TempRoot root;
        const QString path = root.File(store::kEngineSettingsName);
        if (!before.isNull())
            root.Write(store::kEngineSettingsName, before);
        QVERIFY(store::WriteEngineCommandLine(path, command));
        QTEST(root.Read(store::kEngineSettingsName), "after");
        QCOMPARE(store::ReadEngineCommandLine(path).value_or(QString()), command);
    }

    void engineFileThatCannotBeReadIsNotReplaced() {
        TempRoot root;
        const QString path = root.File(store::kEngineSettingsName);
        QVERIFY(QDir().mkdir(path));  // a folder where the file should be
        QVERIFY(!store::WriteEngineCommandLine(path, QStringLiteral("gnugo --mode gtp")));
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(!store::ReadEngineCommandLine(path));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
