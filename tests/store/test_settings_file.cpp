// The settings file: its fifteen lines byte for byte, short files, missing files.
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
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
