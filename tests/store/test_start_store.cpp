// The store's start: folder tree, paths, settings, the lists built from folders, and the
// shipped files copied into a new data root.
#include "common/cp932_codec.h"
#include "common/data_root.h"
#include "store/folder_tree.h"
#include "store/start_store.h"
#include "testing/temp_root.h"

#include <QtTest>

class TestStartStore : public QObject {
    Q_OBJECT
  private slots:
    void createsTheTreeAndResetsState() {
        TempRoot root;
        root.Write("KurumiSet.dat", " 0 \r\n 1 \r\n");
        common::AppState state;
        state.selectedGameIndex = 4;
        state.replyStale = true;
        store::StartStore(state, root.path());
        for (const char* folder : {"対局中棋譜", "退避後棋譜", "Address"}) {
            QVERIFY2(QFileInfo(root.File(QString::fromUtf8(folder))).isDir(), folder);
        }
        QCOMPARE(state.currentGamesFolder, root.File("対局中棋譜"));
        QCOMPARE(state.backedUpFolder, root.File("退避後棋譜"));
        QCOMPARE(state.selectedGameIndex, -1);
        QVERIFY(!state.replyStale);
        QCOMPARE(state.settings.numbersWhileRecording, qint16(1));
    }

    void existingFoldersAreKept() {
        TempRoot root;
        root.Write("対局中棋譜/山田/第1局.txt", "x");
        common::AppState state;
        store::StartStore(state, root.path());
        QCOMPARE(root.Read("対局中棋譜/山田/第1局.txt"), QByteArray("x"));
    }

    void listsComeFromTheFolders() {
        TempRoot root;
        root.Write("対局中棋譜/佐藤/第2局.txt", "");
        root.Write("対局中棋譜/佐藤/第1局.txt", "");
        root.Write("対局中棋譜/佐藤/メモ.dat", "");
        root.Write("対局中棋譜/山田/a.txt", "");
        const QString games = root.File("対局中棋譜");
        QCOMPARE(store::ListOpponents(games).size(), 2);
        QCOMPARE(store::ListGames(games, QStringLiteral("佐藤")),
                 (QStringList{QStringLiteral("第1局"), QStringLiteral("第2局")}));
        QVERIFY(store::ListGames(games, QStringLiteral("誰か")).isEmpty());
    }

    void startSweepsLeftoversOfSaves_data() {
        QTest::addColumn<QString>("leftover");
        QTest::addColumn<bool>("swept");
        QTest::newRow("data root") << "KurumiSet.dat.Ab3xYz" << true;
        QTest::newRow("opponent folder") << "対局中棋譜/山田/01.txt.Q9wErt" << true;
        QTest::newRow("hidden leftover") << "対局中棋譜/山田/.x.txt.Q9wErt" << true;
        QTest::newRow("backed-up games, deeper") << "退避後棋譜/山田/古い/01.txt.Zz9Yy8" << true;
        QTest::newRow("hidden folder") << ".mine/01.txt.Q9wErt" << false;
        QTest::newRow("player's own suffix") << "対局中棋譜/山田/01.txt.backup" << false;
        QTest::newRow("not a record") << "対局中棋譜/山田/photo.jpg.Q9wErt" << false;
        QTest::newRow("through a linked folder") << "linked/01.txt.Q9wErt" << true;
        QTest::newRow("below a linked folder") << "linked/sub/01.txt.Q9wErt" << false;
    }
    void startSweepsLeftoversOfSaves() {
        QFETCH(QString, leftover);
        QFETCH(bool, swept);
        TempRoot root;
        TempRoot elsewhere;
        elsewhere.Write("sub/keep.txt", "x");
        QVERIFY(QFile::link(elsewhere.path(), root.File("linked")));
        const QString path =
            leftover.startsWith("linked/") ? elsewhere.File(leftover.mid(7)) : root.File(leftover);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        common::AppState state;
        store::StartStore(state, root.path());
        QCOMPARE(QFileInfo::exists(path), !swept);
    }

    void shippedFilesAreInstalledOnceAsCp932() {
        TempRoot root;
        root.Write("用語.txt", common::EncodeCp932(QStringLiteral("自分の用語\r\n")));
        common::InstallShippedFiles(root.path());
        for (const QString& name : common::ShippedDataFiles()) {
            QVERIFY2(QFileInfo::exists(root.File(name)), qPrintable(name));
        }
        // The player's own term list is never replaced.
        QCOMPARE(root.Read("用語.txt"), common::EncodeCp932(QStringLiteral("自分の用語\r\n")));
        const QByteArray help = root.Read("着手説明.txt");
        QVERIFY(help.contains("\r\n"));
        QVERIFY(!help.contains("\r\r"));
        QVERIFY(common::DecodeCp932(help).contains(QStringLiteral("着手記録")));
    }
};

QTEST_GUILESS_MAIN(TestStartStore)
#include "test_start_store.moc"
