// The address window's files byte for byte, reading them back field by field, the layout
// overlay, the order of storing and the printed card.
#include "cards/address_files.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"

#include <QDir>
#include <QtTest>

using postcard::Addressee;
using postcard::CardLayout;

namespace {

const QByteArray kYamadaSama("\x8e\x52\x93\x63\x97\x6c");  // 山田様
const QByteArray kTokyo("\x93\x8c\x8b\x9e\x93\x73");       // 東京都
const QByteArray kTouten("\x81\x41");                      // 、

Addressee MakeAddressee(const QString& code, const QStringList& lines) {
    Addressee addressee;
    for (int i = 0; i < postcard::kPostalCodeBoxes; ++i)
        addressee.postalCode[size_t(i)] = code.mid(i, 1);
    for (int i = 0; i < postcard::kAddresseeLines; ++i)
        addressee.lines[size_t(i)] = lines.value(i);
    return addressee;
}

}  // namespace

class TestAddressFiles : public QObject {
    Q_OBJECT
  private slots:
    void layoutFileBytes() {
        TempRoot root;
        CardLayout layout = postcard::DefaultLayout();
        layout[15] = {-10, 6180, 8.5};
        QVERIFY(postcard::WriteLayout(root.File("TextPos1.dat"), layout));
        const QByteArray expected =
            " 2495 , 680 , 18 \r\n 2892 , 680 , 18 \r\n 3289 , 680 , 18 \r\n"
            " 3742 , 680 , 18 \r\n 4111 , 680 , 18 \r\n 4479 , 680 , 18 \r\n"
            " 4848 , 680 , 18 \r\n"
            " 1425 , 2580 , 14.25 \r\n 1425 , 2880 , 14.25 \r\n 1425 , 3240 , 14.25 \r\n"
            " 1425 , 3720 , 18 \r\n 1425 , 4080 , 18 \r\n"
            " 2160 , 5220 , 11.25 \r\n 2160 , 5520 , 11.25 \r\n 2160 , 5820 , 11.25 \r\n"
            "-10 , 6180 , 8.5 \r\n";
        QCOMPARE(root.Read("TextPos1.dat"), expected);
        CardLayout back{};
        postcard::ReadLayout(root.File("TextPos1.dat"), back);
        QVERIFY(back == layout);
    }

    void layoutOverlaysWhatTheFileGives_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("boxesRead");
        QTest::newRow("missing") << QByteArray() << 0;
        QTest::newRow("two lines") << QByteArray(" 100 , 200 , 9 \r\n 300 , 400 , 10 \r\n") << 2;
        QTest::newRow("bad third line")
            << QByteArray(" 100 , 200 , 9 \n 300 , 400 , 10 \n x , 1 , 2 \n 5 , 6 , 7 \n") << 2;
        QTest::newRow("no size") << QByteArray(" 100 , 200\r\n") << 0;
        QTest::newRow("zero size") << QByteArray(" 100 , 200 , 0 \r\n") << 0;
    }
    void layoutOverlaysWhatTheFileGives() {
        QFETCH(QByteArray, file);
        QFETCH(int, boxesRead);
        TempRoot root;
        if (!file.isEmpty())
            root.Write("TextPos0.dat", file);
        CardLayout layout = postcard::DefaultLayout();
        postcard::ReadLayout(root.File("TextPos0.dat"), layout);
        const CardLayout defaults = postcard::DefaultLayout();
        for (int box = 0; box < postcard::kLayoutBoxes; ++box) {
            if (box >= boxesRead)
                QVERIFY2(layout[size_t(box)] == defaults[size_t(box)],
                         qPrintable(QString::number(box)));
        }
        if (boxesRead >= 2)
            QVERIFY((layout[1] == postcard::BoxPlace{300, 400, 10}));
    }

    void addressFileBytes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("full") << "1000001" << QStringList{"東京都", "", "", "山田様", ""}
                              << "1000001\r\n" + kTokyo + "\r\n\r\n\r\n" + kYamadaSama + "\r\n\r\n";
        QTest::newRow("short code") << "12" << QStringList{"", "", "", "", "x"}
                                    << QByteArray("12\r\n\r\n\r\n\r\n\r\nx\r\n");
        QTest::newRow("comma kept in its line") << "" << QStringList{"a,b", "", "", "", ""}
                                                << "\r\na" + kTouten + "b\r\n\r\n\r\n\r\n\r\n";
    }
    void addressFileBytes() {
        QFETCH(QString, code);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, expected);
        TempRoot root;
        const QString path = postcard::AddressFilePath(root.path(), "山田");
        QVERIFY(postcard::WriteAddressee(path, MakeAddressee(code, lines)));
        QCOMPARE(root.Read("Address/山田.txt"), expected);
        const std::optional<Addressee> back = postcard::ReadAddressee(path);
        QVERIFY(back.has_value());
        QCOMPARE(back->lines[0], lines[0].replace(',', "、"));
        QCOMPARE(QStringList(back->postalCode.begin(), back->postalCode.end()).join(""), code);
    }

    void addressFileReadByFields_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("as registration writes it") << "\r\n\r\n\r\n\r\n" + kYamadaSama + "\r\n\r\n"
                                                   << "" << QStringList{"", "", "", "山田様", ""};
        QTest::newRow("comma splits a line") << QByteArray("1234\r\nA,B\r\nC\r\nD\r\nE\r\nF\r\n")
                                             << "1234" << QStringList{"A", "B", "C", "D", "E"};
        QTest::newRow("long code, lone LF, short file")
            << QByteArray("123456789\nA\n") << "1234567" << QStringList{"A", "", "", "", ""};
        QTest::newRow("saved as UTF-8 with BOM")
            << "\xEF\xBB\xBF" + QStringLiteral("1000001\n東京都\n\n\n山田様\n").toUtf8()
            << "1000001" << QStringList{"東京都", "", "", "山田様", ""};
    }
    void addressFileReadByFields() {
        QFETCH(QByteArray, file);
        QFETCH(QString, code);
        QFETCH(QStringList, lines);
        TempRoot root;
        root.Write("Address/a.txt", file);
        const std::optional<Addressee> read =
            postcard::ReadAddressee(postcard::AddressFilePath(root.path(), "a"));
        QVERIFY(read.has_value());
        QVERIFY(*read == MakeAddressee(code, lines));
        QVERIFY(!postcard::ReadAddressee(root.File("Address/b.txt")).has_value());
    }

    void senderAndSettingsFiles() {
        TempRoot root;
        QVERIFY(postcard::WriteSender(root.File("MyAddress.txt"), {"東京都", "", "", "山田様"}));
        QCOMPARE(root.Read("MyAddress.txt"), kTokyo + "\r\n\r\n\r\n" + kYamadaSama + "\r\n");
        QCOMPARE(postcard::ReadSender(root.File("MyAddress.txt"))->at(3), QStringLiteral("山田様"));

        QVERIFY(
            postcard::WriteAddressSettings(root.File("AddressSet.dat"), {"ＭＳ Ｐ明朝", "官製"}));
        QCOMPARE(root.Read("AddressSet.dat"),
                 QByteArray("\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9,\x8a\xaf\x90\xbb\r\n"));
        const auto settings = postcard::ReadAddressSettings(root.File("AddressSet.dat"));
        QCOMPARE(settings->fontFamily, QStringLiteral("ＭＳ Ｐ明朝"));
        QCOMPARE(settings->cardKind, QStringLiteral("官製"));
        root.Write("AddressSet.dat", "no comma\r\n");
        QVERIFY(!postcard::ReadAddressSettings(root.File("AddressSet.dat")).has_value());
        QVERIFY(!postcard::ReadAddressSettings(root.File("missing.dat")).has_value());
    }

    void namesStayInTheAddressFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << "山田" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "../x" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("drive") << "C:x" << false;
    }
    void namesStayInTheAddressFolder() {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        const QString path = postcard::AddressFilePath("/root", name);
        QCOMPARE(path, usable ? "/root/Address/" + name + ".txt" : QString());
    }

    void storingWritesInOrder_data() {
        QTest::addColumn<int>("layoutFile");
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("failed");
        QTest::newRow("no kind yet")
            << -1 << "" << QStringList{"AddressSet.dat", "Address/山田.txt", "MyAddress.txt"} << "";
        QTest::newRow("kind 4") << 4 << ""
                                << QStringList{"AddressSet.dat", "TextPos4.dat", "Address/山田.txt",
                                               "MyAddress.txt"}
                                << "";
        QTest::newRow("layout cannot be written")
            << 2 << "TextPos2.dat" << QStringList{"AddressSet.dat"} << "TextPos2.dat";
    }
    void storingWritesInOrder() {
        QFETCH(int, layoutFile);
        QFETCH(QString, blocked);
        QFETCH(QStringList, written);
        QFETCH(QString, failed);
        TempRoot root;
        QDir(root.path()).mkdir("Address");
        if (!blocked.isEmpty())
            QDir(root.path()).mkdir(blocked);  // a folder where the file should go
        postcard::AddressCard card;
        card.layoutFile = layoutFile;
        card.addressee.lines[3] = "山田様";
        const QString result = postcard::StoreAddressFiles(root.path(), "山田", card);
        QCOMPARE(result, failed.isEmpty() ? QString() : root.File(failed));
        for (const QString& name : QStringList{"AddressSet.dat", "TextPos2.dat", "TextPos4.dat",
                                               "Address/山田.txt", "MyAddress.txt"}) {
            QCOMPARE(QFileInfo(root.File(name)).isFile(), written.contains(name));
        }
    }

    void printedCard_data() {
        QTest::addColumn<bool>("frames");
        QTest::addColumn<QStringList>("expected");
        const QStringList texts{"text 2324.9,509.9 IPAPMincho 18 #000000 1",
                                "text 4677.9,509.9 IPAPMincho 18 #000000 7",
                                "text 1254.9,2409.9 IPAPMincho 14.25 #000000 東京都",
                                "text 1254.9,3549.9 IPAPMincho 18 #000000 山田様",
                                "text 1989.9,5949.9 IPAPMincho 11.25 #000000 自分"};
        QTest::newRow("no frames") << false << texts;
        // Box 0: a = 170.1 + 5 x 18, so its frame starts at 2495 - 260.1, 680 - 260.1; the
        // dash hangs left of box 3's frame.
        QStringList framed{texts[0], "rect 2234.9,419.9 340.2x481.95 w7.2 ink #ff0000",
                           "line 3481.9,663.71 3396.85,663.71 w7.2 ink #ff0000", texts[1],
                           "rect 4587.9,419.9 340.2x481.95 w7.2 ink #ff0000"};
        framed << texts.mid(2);
        QTest::newRow("frames") << true << framed;
    }
    void printedCard() {
        QFETCH(bool, frames);
        QFETCH(QStringList, expected);
        postcard::AddressCard card;
        card.fontFamily = "IPAPMincho";
        card.addressee = MakeAddressee("1", {"東京都", "", "", "山田様", ""});
        card.addressee.postalCode[6] = "7";
        card.sender[3] = "自分";
        card.postalFrames = frames;
        RecordingPrintSurface surface(QSizeF(5329.8, 8049.8));
        postcard::PrintAddress(surface, card);
        // Every text and the frames of boxes 0, 3 and 6, in their order.
        QStringList seen;
        for (const QString& operation : surface.operations) {
            if (operation.startsWith("text") || operation.startsWith("line") ||
                operation.startsWith("rect 2234.9") || operation.startsWith("rect 4587.9"))
                seen << operation;
        }
        QCOMPARE(seen, expected);
        QCOMPARE(surface.operations.size(), frames ? 5 + 8 : 5);
    }
};

QTEST_MAIN(TestAddressFiles)
#include "test_address_files.moc"
