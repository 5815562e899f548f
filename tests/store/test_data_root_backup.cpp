// Whole backups and restores: links in the data root, leftovers of killed runs, and the start
// after a restore that was killed between its two renames.
#include "store/data_root_backup.h"
#include "store/data_root_recovery.h"
#include "testing/temp_root.h"

#include <QDirIterator>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

namespace {

const QString kRootName = QStringLiteral("ソラマメ");
const QString kGame = QStringLiteral("対局中棋譜/山田/第一局.txt");
const QDateTime kNow(QDate(2026, 12, 2), QTime(10, 0));

/// A folder holding the data root "ソラマメ", its siblings and a backup target, all removed
/// afterwards.
class Place {
  public:
    QString Root() const { return parent_.File(kRootName); }
    QString Beside(const QString& name) const { return parent_.File(name); }
    QString Native(const QString& text) const {
        return QString(text).replace("%P", QDir::toNativeSeparators(parent_.path()));
    }
    /// A folder with one game whose bytes are the folder's own name, to tell later where a
    /// data root came from.
    void MakeData(const QString& name) const { parent_.Write(name + '/' + kGame, name.toUtf8()); }
    QByteArray GameIn(const QString& name) const { return parent_.Read(name + '/' + kGame); }

  private:
    TempRoot parent_;
};

QStringList LinksUnder(const QString& folder) {
    QStringList links;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isSymLink())
            links.append(it.filePath());
    }
    return links;
}

QStringList FoldersBeside(const Place& place) {
    return QDir(place.Beside(QString()))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

}  // namespace

class TestDataRootBackup : public QObject {
    Q_OBJECT

  private slots:
    void backupSaysWhatItLeavesOut_data();
    void backupSaysWhatItLeavesOut();
    void startPutsBackAnInterruptedRestore_data();
    void startPutsBackAnInterruptedRestore();
    void leftoversOfKilledRunsGoAtTheNextOne_data();
    void leftoversOfKilledRunsGoAtTheNextOne();
};

void TestDataRootBackup::backupSaysWhatItLeavesOut_data() {
    QTest::addColumn<QString>("entry");   // planted in the data root
    QTest::addColumn<QString>("target");  // %R the data root, %E a folder outside it
    QTest::addColumn<int>("games");
    QTest::addColumn<QString>("notes");  // %E as the canonical outside folder
    const QString left = QStringLiteral("次の 1 個はコピーしていません。\n");
    QTest::newRow("file link out of the root")
        << "対局中棋譜/山田/外の碁.txt"
        << "%E/対局中棋譜/鈴木/碁.txt" << 1
        << left +
               "「対局中棋譜/山田/外の碁.txt」：データフォルダの外（%E/対局中棋譜/鈴木/碁.txt）"
               "を指すリンクです";
    QTest::newRow("folder link out of the root")
        << "対局中棋譜/鈴木"
        << "%E/対局中棋譜/鈴木" << 1
        << left + "「対局中棋譜/鈴木」：データフォルダの外（%E/対局中棋譜/鈴木）を指すリンクです";
    QTest::newRow("folder link inside the root")
        << "対局中棋譜/山田さん"
        << "%R/対局中棋譜/山田" << 1
        << left +
               "「対局中棋譜/山田さん」：データフォルダの中の「対局中棋譜/山田」を指すリンクです"
               "（「対局中棋譜/山田」はコピーします）";
    QTest::newRow("link leading nowhere") << "対局中棋譜/山田/消えた碁.txt"
                                          << "%E/消えた碁.txt" << 1
                                          << left +
                                                 "「対局中棋譜/山田/消えた碁.txt」：リンク先がない"
                                                 "リンクです";
    QTest::newRow("file link inside the root: copied as the file")
        << "対局中棋譜/山田/写し.txt"
        << "%R/" + kGame << 2 << QString();
    QTest::newRow("pipe") << "対局中棋譜/山田/pipe.txt" << QString() << 1
                          << left +
                                 "「対局中棋譜/山田/pipe.txt」：普通のファイルでもフォルダでも"
                                 "ありません";
}

void TestDataRootBackup::backupSaysWhatItLeavesOut() {
    QFETCH(QString, entry);
    QFETCH(QString, target);
    QFETCH(int, games);
    QFETCH(QString, notes);
    Place place;
    place.MakeData(kRootName);
    TempRoot elsewhere;
    elsewhere.Write("対局中棋譜/鈴木/碁.txt", "outside");
    const QString planted = place.Root() + '/' + entry;
    if (target.isEmpty()) {
        QCOMPARE(mkfifo(QFile::encodeName(planted).constData(), 0600), 0);
    } else {
        const QString to =
            QString(target).replace("%E", elsewhere.path()).replace("%R", place.Root());
        QVERIFY(QFile::link(to, planted));
    }
    const store::BackupOutcome outcome =
        store::BackUpDataRoot(place.Root(), place.Beside("保存先"), kNow);
    QVERIFY2(outcome.ok, qPrintable(outcome.failure));
    QCOMPARE(outcome.games, games);
    QCOMPARE(store::BackupNotes(outcome),
             QString(notes).replace("%E", QFileInfo(elsewhere.path()).canonicalFilePath()));
    QCOMPARE(store::ReadBackupInfo(outcome.folder).games, games);
    QCOMPARE(LinksUnder(outcome.folder), QStringList());
    // Whatever was copied holds the bytes it was read from.
    if (notes.isEmpty())
        QCOMPARE(QFile(outcome.folder + '/' + entry).size(), qint64(kRootName.toUtf8().size()));
    else
        QVERIFY(!QFileInfo::exists(outcome.folder + '/' + entry));
}

void TestDataRootBackup::startPutsBackAnInterruptedRestore_data() {
    QTest::addColumn<QString>("root");  // missing, empty or present
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<QString>("dataFrom");  // the folder whose game the data root holds after
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("remaining");
    const QString ready = QStringLiteral("ソラマメ_戻し中");
    const QString unfinished = QStringLiteral("ソラマメ_戻し中_2");
    const QString aside = QStringLiteral("ソラマメ_戻す前_20261201_090500");  // holds the lock
    const QString old = QStringLiteral("ソラマメ_戻す前_20250101_000000");
    const QString stopped =
        QStringLiteral("前回の「バックアップから戻す」が途中で止まっていました。");
    QTest::newRow("missing root, ready copy and the old data aside")
        << "missing" << QStringList{ready, aside, old} << ready
        << stopped +
               "戻す準備のできていた「%P/ソラマメ_戻し中」をデータフォルダ「%P/ソラマメ」にしまし"
               "た。これまでのデータは「%P/ソラマメ_戻す前_20261201_090500」に残してあります。"
        << QStringList{kRootName, old, aside};
    QTest::newRow("root just made empty, ready copy only")
        << "empty" << QStringList{ready} << ready
        << stopped +
               "戻す準備のできていた「%P/ソラマメ_戻し中」をデータフォルダ「%P/ソラマメ」に"
               "しました。"
        << QStringList{kRootName};
    QTest::newRow("missing root, only the old data aside and an unfinished copy")
        << "missing" << QStringList{old, aside, unfinished} << aside
        << stopped +
               "「%P/ソラマメ_戻す前_20261201_090500」に移してあったデータをデータフォルダ"
               "「%P/ソラマメ」に戻しました。バックアップからは戻っていません。"
        << QStringList{kRootName, unfinished, old};
    QTest::newRow("missing root, only data aside by a finished restore")
        << "missing" << QStringList{old} << QString()
        << "データフォルダ「%P/ソラマメ」がないため、新しく作ります。以前のデータは"
           "「%P/ソラマメ_戻す前_20250101_000000」にあります。そのデータを使うときは、ソラマメを"
           "終了して「%P/ソラマメ」を別の名前にし、「%P/ソラマメ_戻す前_20250101_000000」の名前を"
           "「ソラマメ」に変えてください。"
        << QStringList{old};
    QTest::newRow("root present beside leftovers")
        << "present" << QStringList{ready, unfinished, aside} << kRootName << QString()
        << QStringList{kRootName, ready, unfinished, aside};
    QTest::newRow("missing root, a link named as a ready copy")
        << "missing" << QStringList{"link:" + ready} << QString() << QString()
        << QStringList{ready};
    QTest::newRow("missing root, nothing beside")
        << "missing" << QStringList{} << QString() << QString() << QStringList{};
}

void TestDataRootBackup::startPutsBackAnInterruptedRestore() {
    QFETCH(QString, root);
    QFETCH(QStringList, beside);
    QFETCH(QString, dataFrom);
    QFETCH(QString, message);
    QFETCH(QStringList, remaining);
    Place place;
    TempRoot elsewhere;
    if (root == "present")
        place.MakeData(kRootName);
    else if (root == "empty")
        QVERIFY(QDir().mkdir(place.Root()));
    for (const QString& name : beside) {
        if (name.startsWith("link:")) {
            QVERIFY(store::WriteRestoreReadyMark(elsewhere.path(), "B"));
            QVERIFY(QFile::link(elsewhere.path(), place.Beside(name.mid(5))));
            continue;
        }
        place.MakeData(name);
        if (name.contains("_戻し中") && !name.endsWith("_2"))
            QVERIFY(store::WriteRestoreReadyMark(place.Beside(name), "B"));
        if (name.endsWith("090500"))
            QVERIFY(QFile(place.Beside(name) + '/' + store::kInstanceLockName)
                        .open(QIODevice::WriteOnly));
    }
    const store::RestoreRecovery recovery = store::RecoverInterruptedRestore(place.Root());
    QCOMPARE(recovery.message, place.Native(message));
    QCOMPARE(recovery.recovered, !dataFrom.isEmpty() && dataFrom != kRootName);
    QCOMPARE(FoldersBeside(place), remaining);
    QCOMPARE(place.GameIn(kRootName), dataFrom.toUtf8());
    QVERIFY(!QFileInfo::exists(place.Root() + '/' + store::kRestoreReadyMarkName));
}

void TestDataRootBackup::leftoversOfKilledRunsGoAtTheNextOne_data() {
    QTest::addColumn<QString>("leftover");  // in the backup target, or beside the data root
    QTest::addColumn<QString>("kind");      // folder, ready copy, empty, in use, link
    QTest::addColumn<bool>("byRestore");
    QTest::addColumn<bool>("removed");
    const QString working = QStringLiteral("保存先/.作成中_ソラマメバックアップ_20261201_0905");
    QTest::newRow("killed backup") << working << "folder" << false << true;
    QTest::newRow("killed backup, second of a minute") << working + "_2"
                                                       << "folder" << false << true;
    QTest::newRow("backup still being made") << working << "in use" << false << false;
    QTest::newRow("backup killed while it made its lock")
        << working << "empty lock" << false << true;
    QTest::newRow("link named as a killed backup") << working << "link" << false << false;
    QTest::newRow("link leading nowhere, named as the new backup")
        << "保存先/ソラマメバックアップ_20261202_1001"
        << "dangling link" << false << false;
    QTest::newRow("player's folder") << "保存先/.作成中_ソラマメバックアップ_メモ"
                                     << "folder" << false << false;
    QTest::newRow("killed restore") << "ソラマメ_戻し中"
                                    << "folder" << true << true;
    QTest::newRow("killed restore, seen by a backup") << "ソラマメ_戻し中_3"
                                                      << "folder" << false << true;
    QTest::newRow("ready copy beside the data root") << "ソラマメ_戻し中"
                                                     << "ready copy" << true << true;
    QTest::newRow("empty folder an older restore kept aside") << "ソラマメ_戻す前_20261201_090500"
                                                              << "empty" << false << true;
    QTest::newRow("old data kept aside") << "ソラマメ_戻す前_20261201_090500"
                                         << "folder" << true << false;
    QTest::newRow("another program's folder") << "ほか_戻し中"
                                              << "folder" << false << false;
    QTest::newRow("player's look-alike") << "ソラマメ_戻し中のメモ"
                                         << "folder" << true << false;
}

void TestDataRootBackup::leftoversOfKilledRunsGoAtTheNextOne() {
    QFETCH(QString, leftover);
    QFETCH(QString, kind);
    QFETCH(bool, byRestore);
    QFETCH(bool, removed);
    Place place;
    TempRoot elsewhere;
    place.MakeData(kRootName);
    const QString target = place.Beside("保存先");
    const store::BackupOutcome first = store::BackUpDataRoot(place.Root(), target, kNow);
    QVERIFY2(first.ok, qPrintable(first.failure));
    const QString path = place.Beside(leftover);
    std::unique_ptr<store::WorkingFolderLock> owner;
    if (kind == "link") {
        elsewhere.Write("mine.txt", "x");
        QVERIFY(QFile::link(elsewhere.path(), path));
    } else if (kind == "dangling link") {
        QVERIFY(QFile::link(elsewhere.File("new"), path));
    } else if (kind == "empty") {
        QVERIFY(QDir().mkdir(path));
    } else {
        place.MakeData(leftover);
    }
    if (kind == "ready copy")
        QVERIFY(store::WriteRestoreReadyMark(path, first.folder));
    if (kind == "in use") {
        owner = std::make_unique<store::WorkingFolderLock>(path);
        QVERIFY(owner->held());
    }
    if (kind == "empty lock") {
        QFile emptyLock(path + '/' + store::kWorkingLockName);
        QVERIFY(emptyLock.open(QIODevice::WriteOnly));
    }
    const store::BackupOutcome next =
        byRestore ? store::RestoreDataRoot(first.folder, place.Root(), kNow.addSecs(60))
                  : store::BackUpDataRoot(place.Root(), target, kNow.addSecs(60));
    QVERIFY2(next.ok, qPrintable(next.failure));
    QCOMPARE(next.removedLeftovers,
             removed ? QStringList{QFileInfo(leftover).fileName()} : QStringList());
    QCOMPARE(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), !removed);
    // Nothing was written through a planted link.
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             kind == "link" ? QStringList{"mine.txt"} : QStringList());
    QCOMPARE(elsewhere.Read("mine.txt"), QByteArray(kind == "link" ? "x" : ""));
    QCOMPARE(place.GameIn(kRootName), kRootName.toUtf8());
}

QTEST_GUILESS_MAIN(TestDataRootBackup)
#include "test_data_root_backup.moc"
