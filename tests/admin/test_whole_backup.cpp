#include "admin/whole_backup.h"
#include "common/cp932_codec.h"
#include "store/data_root_backup.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"

#include <QDir>
#include <QTest>

#include <sys/resource.h>
#include <csignal>

namespace {

/// A data root with games in both folders, a settings file, a hidden file and the lock.
void FillDataRoot(const TempRoot& root) {
    root.Write("対局中棋譜/山田/第一局.txt", QByteArray("\x95\x9f\r\n1,4,4\r\n"));
    root.Write("対局中棋譜/山田/第二局.txt", QByteArray(3000, '\x82'));
    root.Write("退避後棋譜/佐藤/昔の碁.txt", "x\r\n");
    root.Write("Address/住所.txt", "a\r\n");
    root.Write("KurumiSet.dat", QByteArray(64, '\0'));
    root.Write(".hidden", "h");
    root.Write(store::kInstanceLockName, "123\n");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

/// Files larger than `bytes` cannot be written while it lives, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

}  // namespace

class TestWholeBackup : public QObject {
    Q_OBJECT

  private slots:
    void backupCopiesEverythingButTheLockAndRestoresIt();
    void failedBackupLeavesNothingThatLooksFinished();
    void restoreRefusesOrKeepsTheDataRoot_data();
    void restoreRefusesOrKeepsTheDataRoot();
};

void TestWholeBackup::backupCopiesEverythingButTheLockAndRestoresIt() {
    TempRoot root;
    TempRoot target;
    FillDataRoot(root);
    FakePlatform platform;
    admin::BackUpWholeData(root.path(), target.path(), platform);
    const QStringList made = Entries(target.path());
    QCOMPARE(made.size(), 1);
    QVERIFY(made[0].startsWith(store::kBackupFolderPrefix));
    const QString backup = target.File(made[0]);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text,
             QStringLiteral("全データのバックアップが終わりました。\n\n%1\n\n棋譜 3 局、ファイル 6 "
                            "個をコピーし、すべて元と一致することを確かめました。")
                 .arg(QDir::toNativeSeparators(backup)));
    QVERIFY(!QFile::exists(backup + '/' + store::kInstanceLockName));
    for (const char* file : {"対局中棋譜/山田/第二局.txt", "KurumiSet.dat", ".hidden"}) {
        QFile copy(backup + '/' + QString::fromUtf8(file));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), root.Read(QString::fromUtf8(file)));
    }
    const store::BackupInfo info = store::ReadBackupInfo(backup);
    QVERIFY(info.valid);
    QCOMPARE(info.games, 3);
    QCOMPARE(info.files, 6);

    // Restored, the data root holds the backup again and the newer files sit aside.
    root.Write("対局中棋譜/山田/新しい碁.txt", "n\r\n");
    QVERIFY(admin::RestoreWholeData(root.path(), backup, platform));
    QVERIFY(!QFile::exists(root.File("対局中棋譜/山田/新しい碁.txt")));
    QVERIFY(!QFile::exists(root.File(store::kBackupMarkerName)));
    QCOMPARE(root.Read("対局中棋譜/山田/第一局.txt"), QByteArray("\x95\x9f\r\n1,4,4\r\n"));
    const QStringList aside =
        QDir(root.path() + "/..")
            .entryList({QFileInfo(root.path()).fileName() + "_戻す前_*"}, QDir::Dirs);
    QCOMPARE(aside.size(), 1);
    const QString asideFolder = QFileInfo(root.path()).absolutePath() + '/' + aside[0];
    QVERIFY(QFile::exists(asideFolder + "/対局中棋譜/山田/新しい碁.txt"));
    // The running program's lock stays with the data root's path.
    QVERIFY(QFile::exists(root.File(store::kInstanceLockName)));
    QVERIFY(!QFile::exists(asideFolder + '/' + store::kInstanceLockName));
    QDir(asideFolder).removeRecursively();
}

void TestWholeBackup::failedBackupLeavesNothingThatLooksFinished() {
    TempRoot root;
    TempRoot target;
    FillDataRoot(root);
    FakePlatform platform;
    {
        const FileSizeLimit full(1000);
        admin::BackUpWholeData(root.path(), target.path(), platform);
    }
    QCOMPARE(Entries(target.path()), QStringList());
    QCOMPARE(platform.messages.size(), 1);
    // Whether the short write shows when copying or when comparing, the file is named.
    const QString text = platform.messages[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("全データのバックアップができませんでした。\n\n"
                                            "「対局中棋譜/山田/第二局.txt」")),
             qPrintable(text));
    QVERIFY(text.endsWith(QStringLiteral("\n\n作りかけのバックアップは残していません。")));
}

void TestWholeBackup::restoreRefusesOrKeepsTheDataRoot_data() {
    QTest::addColumn<bool>("marked");
    QTest::addColumn<common::MessageAnswer>("answer");
    QTest::addColumn<QString>("lastMessage");
    QTest::newRow("not a backup") << false << common::MessageAnswer::Yes
                                  << QStringLiteral("ソラマメのバックアップではありません");
    QTest::newRow("declined") << true << common::MessageAnswer::No
                              << QStringLiteral(
                                     "作成日時　2026/12/01 09:05\n棋譜 1 局、ファイル 1 個");
}

void TestWholeBackup::restoreRefusesOrKeepsTheDataRoot() {
    QFETCH(bool, marked);
    QFETCH(common::MessageAnswer, answer);
    QFETCH(QString, lastMessage);
    TempRoot root;
    TempRoot backup;
    FillDataRoot(root);
    backup.Write("対局中棋譜/田中/碁.txt", "b\r\n");
    if (marked)
        backup.Write(
            store::kBackupMarkerName,
            common::EncodeCp932(
                QStringLiteral("%1\r\n作成日時=2026/12/01 09:05\r\n棋譜数=1\r\nファイル数=1\r\n")
                    .arg(store::kBackupMarkerTitle)));
    FakePlatform platform;
    platform.scriptedAnswers = {answer};
    QVERIFY(!admin::RestoreWholeData(root.path(), backup.path(), platform));
    QVERIFY(platform.messages.last().text.contains(lastMessage));
    QVERIFY(QFile::exists(root.File("対局中棋譜/山田/第一局.txt")));
    QVERIFY(!QFile::exists(root.File("対局中棋譜/田中/碁.txt")));
}

QTEST_GUILESS_MAIN(TestWholeBackup)
#include "test_whole_backup.moc"
