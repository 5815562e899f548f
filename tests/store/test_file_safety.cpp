// Saves on a full disk leave every file as it was; odd files where a record should be are
// refused with the right outcome instead of blocking, eating memory or passing as missing.
#include "cards/address_files.h"
#include "cards/message_files.h"
#include "cards/reply_settings.h"
#include "output/results_record.h"
#include "store/folder_tree.h"
#include "store/record_file.h"
#include "store/settings_file.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QDirIterator>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <functional>

using namespace store;
using Save = std::function<bool(const QString& root)>;
Q_DECLARE_METATYPE(Save)

namespace {

QByteArray RecordBytes(int rows) {
    QByteArray bytes = "2002/12/07, 0 , 1 , 31 ,\x8D\x95                            \r\n";
    for (int n = 1; n <= rows; ++n)
        bytes +=
            "12-07-2002, " + QByteArray::number(n) + " , 4 , 4 ," + QByteArray(30, ' ') + "\r\n";
    return bytes;
}

/// Every file under the root with its bytes, so that a stray or changed file shows.
QMap<QString, QByteArray> Snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(path.mid(root.size()), file.readAll());
    }
    return files;
}

/// Runs the save in a child whose files may not grow past `limit` bytes, as on a disk that
/// fills up there. True when the save reported success.
bool SaveWithFileLimit(const Save& save, const QString& root, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        setrlimit(RLIMIT_FSIZE, &cap);
        _exit(save(root) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
}

RecordTable TableWithNewRows(const QString& record, int added) {
    RecordTable table;
    ReadRecordFile(record, table);
    for (int i = 1; i <= added; ++i) {
        RecordRow& row = table.rows[++table.lastRow];
        row.number = qint16(table.lastRow);
        row.x = row.y = 5;
        row.text = QString(30, ' ');
    }
    return table;
}

}  // namespace

class TestFileSafety : public QObject {
    Q_OBJECT
  private slots:
    void fullDiskChangesNothing_data() {
        QTest::addColumn<Save>("save");
        QTest::addColumn<int>("limit");
        const QString game = QStringLiteral("/対局中棋譜/山田/01.txt");
        const QString undo = QStringLiteral("/Tmp.txt");
        // 4096: the disk fills in the middle of a record write (under Qt's 16 KiB buffer).
        QTest::newRow("着手記録") << Save([=](const QString& r) {
            return AppendNewRows(r + game, r + undo, TableWithNewRows(r + game, 3),
                                 QDate(2026, 1, 2));
        }) << 4096;
        QTest::newRow("着手記録, undo copy cannot be made") << Save([=](const QString& r) {
            return AppendNewRows(r + game, r + undo, TableWithNewRows(r + game, 3),
                                 QDate(2026, 1, 2));
        }) << 0;
        QTest::newRow("指定以降") << Save([=](const QString& r) {
            return CutRecordAt(r + game, r + undo, TableWithNewRows(r + game, 0), 50);
        }) << 0;
        QTest::newRow("復元") << Save([=](const QString& r) {
            return RestoreUndoCopy(r + game, r + undo);
        }) << 1024;
        QTest::newRow("new game") << Save([](const QString& r) {
            return WriteTextLines(r + "/対局中棋譜/山田/02.txt",
                                  {HeaderLine(QDate(2026, 1, 2), 1, 31, true)});
        }) << 0;
        QTest::newRow("対戦記録") << Save([](const QString& r) {
            return output::AppendResultsRecord(output::ResultsRecordPath(r), "line");
        }) << 0;
        QTest::newRow("settings") << Save([](const QString& r) {
            return WriteSettings(r + "/" + kSettingsFileName, common::Settings{});
        }) << 0;
        QTest::newRow("reply settings") << Save([](const QString& r) {
            return postcard::WriteReplySettings(r + "/ReplyValue.dat", postcard::ReplySettings{});
        }) << 0;
        QTest::newRow("sender address") << Save([](const QString& r) {
            return postcard::WriteSender(r + "/Address/MyAddress.txt", {"a", "b", "c", "d"});
        }) << 0;
        const postcard::SentCard card{QString(), QStringLiteral("山田"), QStringLiteral("よろしく"),
                                      QDate(2026, 1, 2)};
        QTest::newRow("message archive") << Save([=](const QString& r) {
            postcard::SentCard c = card;
            c.dataRoot = r;
            return postcard::ArchiveMessage(c);
        }) << 100;
        QTest::newRow("send record") << Save([=](const QString& r) {
            postcard::SentCard c = card;
            c.dataRoot = r;
            return postcard::LogSend(c);
        }) << 0;
    }
    void fullDiskChangesNothing() {
        QFETCH(Save, save);
        QFETCH(int, limit);
        TempRoot root;
        root.Write("対局中棋譜/山田/01.txt", RecordBytes(100));
        root.Write("Tmp.txt", RecordBytes(120));
        root.Write(kSettingsFileName, "old settings\r\n");
        root.Write("ReplyValue.dat", "old\r\n");
        root.Write("Address/MyAddress.txt", "old\r\n");
        root.Write("対戦記録.txt", "old\r\n");
        root.Write("Message/山田.txt", QByteArray(300, 'm') + "\r\n");
        root.Write("Message/発信記録.txt", "old\r\n");
        const auto before = Snapshot(root.path());
        QVERIFY2(!SaveWithFileLimit(save, root.path(), rlim_t(limit)), "reported success");
        QCOMPARE(Snapshot(root.path()), before);
        // The same save on a disk with room goes through, so the row tests the real path.
        QVERIFY(SaveWithFileLimit(save, root.path(), RLIM_INFINITY));
    }

    void oddFiles_data() {
        QTest::addColumn<QString>("make");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("rows");
        QTest::newRow("lone CR line ends") << "cr" << int(LoadOutcome::Complete) << 2;
        QTest::newRow("folder") << "dir" << int(LoadOutcome::NotAFile) << 0;
        QTest::newRow("FIFO") << "fifo" << int(LoadOutcome::NotAFile) << 0;
        QTest::newRow("link to /dev/zero") << "zero" << int(LoadOutcome::NotAFile) << 0;
        QTest::newRow("dangling link") << "dangling" << int(LoadOutcome::Missing) << 0;
        if (geteuid() != 0)  // root reads any file whatever its mode
            QTest::newRow("unreadable") << "mode000" << int(LoadOutcome::Unreadable) << 0;
        QTest::newRow("2 MB") << "big" << int(LoadOutcome::TooLarge) << 0;
        QTest::newRow("NUL bytes in a row") << "nul" << int(LoadOutcome::Truncated) << 1;
    }
    void oddFiles() {
        QFETCH(QString, make);
        QFETCH(int, outcome);
        QFETCH(int, rows);
        TempRoot root;
        const QString path = root.File("g.txt");
        const QByteArray local = QFile::encodeName(path);
        QByteArray crRecord = RecordBytes(2);
        crRecord.replace("\r\n", "\r");
        if (make == "cr")
            root.Write("g.txt", crRecord);
        else if (make == "dir")
            QDir().mkpath(path);
        else if (make == "fifo")
            QCOMPARE(mkfifo(local.constData(), 0600), 0);
        else if (make == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (make == "dangling")
            QVERIFY(QFile::link(root.File("gone.txt"), path));
        else if (make == "mode000")
            root.Write("g.txt", RecordBytes(2)), QFile::setPermissions(path, {});
        else if (make == "big")
            root.Write("g.txt", RecordBytes(1) + QByteArray(2 << 20, 'x'));
        else if (make == "nul")
            root.Write("g.txt", RecordBytes(1) + "12-07-2002, 2 ,\0 4 , 4 ,\r\n");
        RecordTable table;
        QCOMPARE(int(ReadRecordFile(path, table)), outcome);
        QCOMPARE(table.lastRow, rows);
    }

    void damagedBytesKeepTheirLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QString bad(QChar(0xFFFD));
        QTest::newRow("lead byte before CR LF")
            << QByteArray("a\x82\r\nb\r\n") << QStringList{"a" + bad, "b"};
        QTest::newRow("lead byte at the end") << QByteArray("a\r\n\x82") << QStringList{"a", bad};
        QTest::newRow("every line end")
            << QByteArray("a\rb\nc\r\n\r\nd") << QStringList{"a", "b", "c", "", "d"};
        QTest::newRow("kana and kanji")
            << QByteArray("\xCA\xDE\r\n\x8D\x95\xFF") << QStringList{"ﾊﾞ", "黒" + bad};
    }
    void damagedBytesKeepTheirLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TempRoot root;
        root.Write("g.txt", bytes);
        QStringList read;
        QCOMPARE(int(ReadTextFile(root.File("g.txt"), read)), int(ReadStatus::Ok));
        QCOMPARE(read, lines);
    }

    void leftoversOfSavesAreNeverGames() {
        TempRoot root;
        root.Write("対局中棋譜/山田/01.txt", RecordBytes(1));
        root.Write("対局中棋譜/山田/01.txt.Ab3xYz", RecordBytes(0));
        root.Write("対局中棋譜/山田/temp.txt", RecordBytes(0));
        root.Write("対局中棋譜/山田/notes.txt.backup", "the player's own");
        QCOMPARE(ListGames(root.File("対局中棋譜"), "山田"), QStringList({"01", "temp"}));
        QCOMPARE(RemoveSaveLeftovers(root.File("対局中棋譜/山田")), 1);
        QVERIFY(QFileInfo::exists(root.File("対局中棋譜/山田/temp.txt")));
        QVERIFY(QFileInfo::exists(root.File("対局中棋譜/山田/notes.txt.backup")));
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "test_file_safety.moc"
