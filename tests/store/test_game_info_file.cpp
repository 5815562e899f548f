// The companion file beside a record: what an SGF file said about the game, read back as
// written, damaged lines passed by.
#include "store/game_info_file.h"
#include "testing/temp_root.h"

#include <QtTest>

namespace {

/// The fields as "KEY=value", in the file's order, empty ones left out.
QStringList Pairs(const store::GameInfo& info) {
    QStringList pairs;
    for (const store::GameInfoField& field : store::GameInfoFields()) {
        if (!(info.*(field.member)).isEmpty())
            pairs << QLatin1String(field.key) + "=" + info.*(field.member);
    }
    return pairs;
}

store::GameInfo InfoOf(const QStringList& pairs) {
    store::GameInfo info;
    for (const QString& pair : pairs) {
        for (const store::GameInfoField& field : store::GameInfoFields()) {
            if (pair.startsWith(QLatin1String(field.key) + "="))
                info.*(field.member) = pair.mid(3);
        }
    }
    return info;
}

}  // namespace

class TestGameInfoFile : public QObject {
    Q_OBJECT
  private slots:
    void companion_data() {
        QTest::addColumn<QStringList>("written");  // fields given to WriteGameInfo, or
        QTest::addColumn<QByteArray>("file");      // the file's bytes when nothing is written
        QTest::addColumn<QByteArray>("bytes");     // the file afterwards
        QTest::addColumn<QStringList>("read");     // what ReadGameInfo gives back
        const QByteArray golden =
            "PB=\x96\x7b\x88\xf6\x96\x56\x8f\x47\x8d\xf4\r\nBR=4d\r\nPW=Inoue Inseki\r\n"
            "DT=1846\r\nRE=B+2\r\n";
        const QStringList game{"PB=本因坊秀策", "PW=Inoue Inseki", "BR=4d", "RE=B+2", "DT=1846"};
        QTest::newRow("written in CP932 with CR LF, in a fixed order")
            << game << QByteArray() << golden
            << QStringList{"PB=本因坊秀策", "BR=4d", "PW=Inoue Inseki", "DT=1846", "RE=B+2"};
        QTest::newRow("line breaks and overlong values")
            << QStringList{"EV=Honinbo\n\rfinal", "GN=" + QString(250, 'x')} << QByteArray()
            << "EV=Honinbo  final\r\nGN=" + QByteArray(200, 'x') + "\r\n"
            << QStringList{"EV=Honinbo  final", "GN=" + QString(200, 'x')};
        QTest::newRow("nothing to keep")
            << QStringList() << QByteArray() << QByteArray() << QStringList();
        const QByteArray damaged =
            "PB=first\r\nPB=second\nno equals\r=orphan\rXX=unknown\r\n"
            " RE = W+R \r\nPW=\x82\xa0\xff";
        QTest::newRow("damaged lines passed by")
            << QStringList() << damaged << damaged
            << QStringList{"PB=first", "PW=あ\uFFFD", "RE=W+R"};
        QTest::newRow("saved again as UTF-8 by another editor")
            << QStringList() << QByteArray("PB=\xe6\x9c\xac\xe5\x9b\xa0\xe5\x9d\x8a\n")
            << QByteArray("PB=\xe6\x9c\xac\xe5\x9b\xa0\xe5\x9d\x8a\n") << QStringList{"PB=本因坊"};
    }
    void companion() {
        QFETCH(QStringList, written);
        QFETCH(QByteArray, file);
        TempRoot root;
        const QString record = root.File("対局中棋譜/山田/01.txt");
        QVERIFY(QDir().mkpath(root.File("対局中棋譜/山田")));
        QVERIFY(!store::ReadGameInfo(record).has_value());
        if (file.isEmpty())
            QVERIFY(store::WriteGameInfo(record, InfoOf(written)));
        else
            root.Write("対局中棋譜/山田/01.info", file);
        QTEST(root.Read("対局中棋譜/山田/01.info"), "bytes");
        const std::optional<store::GameInfo> read = store::ReadGameInfo(record);
        QVERIFY(read.has_value());
        QTEST(Pairs(*read), "read");
        // The record itself is never touched, and nothing else appears beside it.
        QVERIFY(!QFileInfo::exists(record));
        QCOMPARE(QDir(root.File("対局中棋譜/山田")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"01.info"});
    }
};

QTEST_APPLESS_MAIN(TestGameInfoFile)
#include "test_game_info_file.moc"
