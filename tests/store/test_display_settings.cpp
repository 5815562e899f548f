#include "common/cp932_codec.h"
#include "store/display_settings.h"
#include "testing/temp_root.h"

#include <QTest>

class TestDisplaySettings : public QObject {
    Q_OBJECT

  private slots:
    void fileBytes();
    void fittingScale_data();
    void fittingScale();
};

void TestDisplaySettings::fileBytes() {
    TempRoot root;
    const QString path = root.File(store::kDisplaySettingsName);
    QCOMPARE(store::ReadDisplaySettings(path).scalePercent, 100);
    QVERIFY(store::WriteDisplaySettings(path, {150, QStringLiteral("200>125")}));
    QCOMPARE(root.Read(store::kDisplaySettingsName),
             QByteArray("\x95\\\x8e\xa6\x83T\x83"
                        "C\x83Y=150\r\n"
                        "\x8fk\x8f\xac\x92\xca\x92m=200>125\r\n"));
    const store::DisplaySettings read = store::ReadDisplaySettings(path);
    QCOMPARE(read.scalePercent, 150);
    QCOMPARE(read.shrinkNotice, QStringLiteral("200>125"));
    // A size the options do not offer is not taken from a damaged file.
    root.Write(store::kDisplaySettingsName,
               common::EncodeCp932(QStringLiteral("表示サイズ=900\r\n")));
    QCOMPARE(store::ReadDisplaySettings(path).scalePercent, 100);
}

void TestDisplaySettings::fittingScale_data() {
    QTest::addColumn<double>("wanted");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("shown");
    const QSize big(2560, 1600);
    QTest::newRow("200 % fits 2560x1600") << 2.0 << big << 2.0;
    QTest::newRow("--scale 1.6 kept") << 1.6 << big << 1.6;
    QTest::newRow("200 % on 1920x1040") << 2.0 << QSize(1920, 1040) << 1.5;
    QTest::newRow("175 % on 1280x800") << 1.75 << QSize(1280, 800) << 1.0;
    QTest::newRow("100 % on a too small screen") << 1.0 << QSize(640, 480) << 0.7;
    QTest::newRow("100 % on 800x600") << 1.0 << QSize(800, 600) << 0.9;
    QTest::newRow("nothing fits: the smallest") << 1.0 << QSize(320, 240) << 0.7;
}

void TestDisplaySettings::fittingScale() {
    QFETCH(double, wanted);
    QFETCH(QSize, available);
    QFETCH(double, shown);
    QCOMPARE(store::FittingScale(wanted, QSize(800, 653), available), shown);
}

QTEST_GUILESS_MAIN(TestDisplaySettings)
#include "test_display_settings.moc"
