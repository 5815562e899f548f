#include "common/cp932_codec.h"
#include "housekeeping/whole_backup.h"
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
    void messagesNameWhatWasLeftOutOrRemoved_data();
    void messagesNameWhatWasLeftOutOrRemoved();
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
    // The question before replacing the data root answers No to Enter.
    if (marked)
        QCOMPARE(platform.messages[0].defaultButton, common::DefaultButton::Safe);
    QVERIFY(QFile::exists(root.File("対局中棋譜/山田/第一局.txt")));
    QVERIFY(!QFile::exists(root.File("対局中棋譜/田中/碁.txt")));
}

void TestWholeBackup::messagesNameWhatWasLeftOutOrRemoved_data() {
    QTest::addColumn<QString>("dataRoot");  // games, or only the lock a start made
    QTest::addColumn<QString>("planted");   // beside the data root; "link" links out of it
    QTest::addColumn<QString>("message");   // %P the folder holding the data root, %E outside
    QTest::addColumn<QStringList>("beside");
    QTest::newRow("backup with a folder linked from outside")
        << "games"
        << "link"
        << "全データのバックアップが終わりました。\n\n%P/保存先/%B"
           "\n\n棋譜 1 局、ファイル 1 個をコピーし、すべて元と一致することを確かめました。"
           "\n\n次の 1 個はコピーしていません。\n「対局中棋譜/鈴木」：データフォルダの外（%E）"
           "を指すリンクです"
        << QStringList{"data", "保存先"};
    QTest::newRow("restore into a data root that held only the lock")
        << "lock" << QString()
        << "バックアップから戻しました（棋譜 1 局）。\n\nソラマメを終了します。"
           "もう一度起動してください。"
        << QStringList{"data", "保存先"};
    QTest::newRow("restore after a killed one")
        << "games"
        << "data_戻し中"
        << "バックアップから戻しました（棋譜 1 "
           "局）。\nこれまでのデータは「%P/"
           "%A」に残してあります。\n\n前に中断されたときの作りかけのフォルダ 1 個を"
           "削除しました：「data_戻し中」\n\nソラマメを終了します。もう一度起動してください。"
        << QStringList{"data", "data_戻す前_*", "保存先"};
}

void TestWholeBackup::messagesNameWhatWasLeftOutOrRemoved() {
    QFETCH(QString, dataRoot);
    QFETCH(QString, planted);
    QFETCH(QString, message);
    QFETCH(QStringList, beside);
    TempRoot parent;
    TempRoot elsewhere;
    const QString root = parent.File("data");
    parent.Write("data/対局中棋譜/山田/碁.txt", "g\r\n");
    const QDateTime made(QDate(2026, 12, 1), QTime(9, 5));
    const store::BackupOutcome backup = store::BackUpDataRoot(root, parent.File("保存先"), made);
    QVERIFY(backup.ok);
    FakePlatform platform;
    if (dataRoot == "lock") {
        QDir(root).removeRecursively();
        parent.Write("data/" + store::kInstanceLockName, "1\n");
    }
    if (planted == "link")
        QVERIFY(QFile::link(elsewhere.path(), root + "/対局中棋譜/鈴木"));
    else if (!planted.isEmpty())
        parent.Write(planted + "/対局中棋譜/山田/碁.txt", "half");
    if (planted == "link") {
        QDir(backup.folder).removeRecursively();  // the one left in 保存先 is the new backup
        admin::BackUpWholeData(root, parent.File("保存先"), platform);
    } else {
        QVERIFY(admin::RestoreWholeData(root, backup.folder, platform));
    }
    // The names made now carry the time of the run.
    QStringList found = Entries(parent.path());
    QString aside;
    for (QString& name : found) {
        if (name.startsWith("data_戻す前_")) {
            aside = name;
            name = "data_戻す前_*";
        }
    }
    QCOMPARE(found, beside);
    QCOMPARE(platform.messages.last().text,
             QString(message)
                 .replace("%P", QDir::toNativeSeparators(parent.path()))
                 .replace("%E", QFileInfo(elsewhere.path()).canonicalFilePath())
                 .replace("%A", aside)
                 .replace("%B", Entries(parent.File("保存先")).value(0)));
    QCOMPARE(Entries(root + "/対局中棋譜/山田"), QStringList{"碁.txt"});
}

QTEST_GUILESS_MAIN(TestWholeBackup)
#include "test_whole_backup.moc"
