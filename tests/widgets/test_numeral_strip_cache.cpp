// The numeral strips' drawing kept between starts: shown again only under an unchanged key,
// drawn anew (and kept anew) when anything in the key changed or the kept file is damaged,
// and never kept when the picture font is missing.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "common/font_setup.h"
#include "common/pixel_cache.h"
#include "widgets/numeral_strips.h"

#include <functional>

using LookChange = std::function<void(board::NumeralStripLook&)>;
using StripChange = std::function<void(board::NumeralStrip&, const QString& keptPath)>;
Q_DECLARE_METATYPE(LookChange)
Q_DECLARE_METATYPE(StripChange)

namespace {

const QString kPictureFamily = QStringLiteral("IPAPGothic");

QImage ImageOf(const board::NumeralStrip& strip) {
    return strip.Pixmap().toImage();
}

bool HasRed(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 0, 0))
                return true;
        }
    }
    return false;
}

/// Whether anything was drawn on the strip's background (its first pixel lies left of the
/// first numeral).
bool HasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
        }
    }
    return false;
}

}  // namespace

class TestNumeralStripCache : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void keyFollowsEverythingThatChangesPixels_data();
    void keyFollowsEverythingThatChangesPixels();
    void stripIsRedrawnWhenItsKeyChanges_data();
    void stripIsRedrawnWhenItsKeyChanges();
    void missingPictureFontIsDrawnWithFallbacksAndNotKept();
};

void TestNumeralStripCache::initTestCase() {
    common::SubstituteWindowsFonts();
}

void TestNumeralStripCache::cleanup() {
    board::SetNumeralStripCacheFolder(QString());
}

void TestNumeralStripCache::keyFollowsEverythingThatChangesPixels_data() {
    QTest::addColumn<LookChange>("change");
    QTest::addColumn<bool>("keyChanges");
    using Look = board::NumeralStripLook;
    QTest::newRow("nothing") << LookChange([](Look&) {}) << false;
    QTest::newRow("other strip") << LookChange([](Look& l) { l.strip = "row"; }) << true;
    QTest::newRow("size") << LookChange([](Look& l) { l.devicePixels.rwidth()++; }) << true;
    QTest::newRow("scale factor") << LookChange([](Look& l) { l.pixelRatio = 1.25; }) << true;
    QTest::newRow("dpi") << LookChange([](Look& l) { l.dpi = 120; }) << true;
    QTest::newRow("family") << LookChange([](Look& l) { l.family = "IPAGothic"; }) << true;
    QTest::newRow("font file") << LookChange([](Look& l) { l.font.file += "x"; }) << true;
    QTest::newRow("face") << LookChange([](Look& l) { l.font.faceIndex = 1; }) << true;
    QTest::newRow("font updated") << LookChange([](Look& l) {
        l.font.fileStamp = "6000000@1700000000.0";
    }) << true;
    QTest::newRow("fontconfig file changed")
        << LookChange([](Look& l) { l.font.rendering.replace("1600000000", "1700000000"); })
        << true;
    QTest::newRow("fontconfig file added") << LookChange([](Look& l) {
        l.font.rendering += "/home/a/.config/fontconfig/fonts.conf 300@1700000000.0\n";
    }) << true;
    QTest::newRow("font missing") << LookChange([](Look& l) { l.font.installed = false; }) << true;
    QTest::newRow("background") << LookChange([](Look& l) { l.background = 0xffe0e0e0; }) << true;
    QTest::newRow("ink") << LookChange([](Look& l) { l.ink = 0xff000080; }) << true;
    QTest::newRow("Qt version") << LookChange([](Look& l) { l.qtVersion = "6.5.0"; }) << true;
    QTest::newRow("platform") << LookChange([](Look& l) { l.platform = "wayland"; }) << true;
}

void TestNumeralStripCache::keyFollowsEverythingThatChangesPixels() {
    QFETCH(LookChange, change);
    QFETCH(bool, keyChanges);
    board::NumeralStripLook look;
    look.strip = "column";
    look.devicePixels = QSize(590, 21);
    look.family = kPictureFamily;
    look.font = {true, "/usr/share/fonts/ipagp.ttf", 0, "6000000@1600000000.0",
                 "/etc/fonts/fonts.conf 2900@1600000000.0\n"};
    look.background = 0xfff0f0f0;
    look.ink = 0xff000000;
    look.qtVersion = "6.4.2";
    look.platform = "xcb";
    board::NumeralStripLook changed = look;
    change(changed);
    QCOMPARE(board::NumeralStripKey(changed) != board::NumeralStripKey(look), keyChanges);
}

void TestNumeralStripCache::stripIsRedrawnWhenItsKeyChanges_data() {
    QTest::addColumn<StripChange>("change");
    QTest::addColumn<bool>("redrawn");
    using Strip = board::NumeralStrip;
    QTest::newRow("nothing changed: the kept drawing is shown")
        << StripChange([](Strip&, const QString&) {}) << false;
    QTest::newRow("scale factor") << StripChange([](Strip& s, const QString&) {
        s.SetPixelRatio(2);
    }) << true;
    QTest::newRow("window colours") << StripChange([](Strip& s, const QString&) {
        QPalette palette = s.palette();
        palette.setColor(QPalette::Window, QColor(224, 224, 224));
        s.setPalette(palette);
    }) << true;
    // What a new Qt, an updated or another font leave behind: a drawing under another key.
    QTest::newRow("kept under another key") << StripChange([](Strip& s, const QString& path) {
        board::NumeralStripLook look = s.CurrentLook();
        look.qtVersion = "5.15.8";
        QImage red(s.Pixmap().size(), QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(common::StorePixels(path, board::NumeralStripKey(look), red));
    }) << true;
    QTest::newRow("kept file damaged") << StripChange([](Strip&, const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.resize(file.size() / 2);
    }) << true;
}

void TestNumeralStripCache::stripIsRedrawnWhenItsKeyChanges() {
    QFETCH(StripChange, change);
    QFETCH(bool, redrawn);
    QTemporaryDir cache;
    board::SetNumeralStripCacheFolder(cache.path());
    const QString path = cache.filePath(QStringLiteral("numerals-row.pixels"));
    board::RowNumeralStrip first;
    first.SetPixelRatio(1);
    if (!first.CurrentLook().font.installed)
        QSKIP("IPAPGothic is not installed: the strips keep no drawing");
    first.DrawNumerals();
    const QImage drawn = ImageOf(first);
    // A drawing kept from an earlier start comes back pixel for pixel.
    board::RowNumeralStrip again;
    again.SetPixelRatio(1);
    again.DrawNumerals();
    QCOMPARE(ImageOf(again), drawn);

    // A red drawing planted under the current key shows whether the next strip draws or
    // takes what is kept.
    board::RowNumeralStrip next;
    next.SetPixelRatio(1);
    next.DrawNumerals();
    QImage red(drawn.size(), drawn.format());
    red.fill(Qt::red);
    QVERIFY(common::StorePixels(path, board::NumeralStripKey(next.CurrentLook()), red));
    board::RowNumeralStrip later;
    later.SetPixelRatio(1);
    change(later, path);
    later.DrawNumerals();
    QCOMPARE(HasRed(ImageOf(later)), !redrawn);
    // The file now holds the drawing under the strip's key, for the next start.
    QCOMPARE(common::LoadPixels(path, board::NumeralStripKey(later.CurrentLook())), ImageOf(later));
}

void TestNumeralStripCache::missingPictureFontIsDrawnWithFallbacksAndNotKept() {
    QTemporaryDir cache;
    board::SetNumeralStripCacheFolder(cache.path());
    QFont::removeSubstitutions(board::kPictureFontFamily);
    QFont::insertSubstitution(board::kPictureFontFamily, QStringLiteral("No Such Family 29"));
    board::ColumnNumeralStrip strip;
    strip.SetPixelRatio(1);
    strip.DrawNumerals();
    const bool installed = strip.CurrentLook().font.installed;
    QFont::removeSubstitutions(board::kPictureFontFamily);
    common::SubstituteWindowsFonts();
    QVERIFY(!installed);
    QVERIFY(HasInk(ImageOf(strip)));
    QVERIFY(QDir(cache.path()).isEmpty());
}

QTEST_MAIN(TestNumeralStripCache)
#include "test_numeral_strip_cache.moc"
