// Bringing in the data folder an earlier version left on Windows: names as a ZIP made on
// Japanese Windows leaves them, what comes in, what is left out, and a data root that stays as
// it was when anything fails.
#include "common/cp932_codec.h"
#include "store/old_data_import.h"
#include "testing/file_size_limit.h"
#include "testing/temp_root.h"

#include <QDirIterator>
#include <QMap>
#include <QtTest>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Sjis(const QString& text) {
    return common::EncodeCp932(text);
}

/// Makes a file under a raw byte path (folders on the way included), as an unpacked ZIP would.
void WriteRaw(const QByteArray& root, const QList<QByteArray>& parts, const QByteArray& bytes) {
    QByteArray path = root;
    for (int i = 0; i + 1 < parts.size(); ++i) {
        path += '/' + parts[i];
        mkdir(path.constData(), 0755);
    }
    path += '/' + parts.last();
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    close(fd);
}

/// Every file under a folder with its bytes: the whole state a test compares.
QMap<QString, QByteArray> Snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(path.mid(root.size() + 1), file.readAll());
    }
    return files;
}

QByteArray RealRecord() {
    QFile file(QStringLiteral(TEST_DATA_DIR "/ko_fight_246.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// An old data folder as it arrives from Windows: Shift-JIS names for the games folder, an
/// opponent and a game, UTF-8 names elsewhere, a damaged record, the undo copy and the
/// program itself.
void MakeOldFolder(const QString& folder) {
    const QByteArray root = QFile::encodeName(folder);
    const QByteArray record = RealRecord();
    WriteRaw(root, {Sjis("対局中棋譜"), Sjis("鈴木"), Sjis("第１局.txt")}, record);
    WriteRaw(root, {Sjis("対局中棋譜"), Sjis("鈴木"), Sjis("ソ表.txt")}, record.left(300));
    WriteRaw(root, {"退避後棋譜", "佐藤", "旧局.txt"}, record);
    WriteRaw(root, {"Address", Sjis("鈴木.txt")}, Sjis("\r\n\r\n\r\n\r\n鈴木様\r\n\r\n"));
    WriteRaw(root, {"KurumiSet.dat"}, "1\r\n0\r\n");
    WriteRaw(root, {Sjis("対戦記録.txt")}, Sjis("2003/01/05鈴木 第１局 黒中押し勝ち\r\n"));
    WriteRaw(root, {"Tmp.txt"}, record);
    WriteRaw(root, {"Kurumi.exe"}, "MZ");
}

}  // namespace

class TestOldDataImport : public QObject {
    Q_OBJECT
  private slots:
    void names_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("name");  // empty: no proper name
        QTest::addColumn<bool>("shiftJis");
        QTest::newRow("UTF-8 kept") << QByteArray("鈴木") << "鈴木" << false;
        QTest::newRow("ASCII kept") << QByteArray("Address") << "Address" << false;
        QTest::newRow("Shift-JIS") << Sjis("対局中棋譜") << "対局中棋譜" << true;
        QTest::newRow("Shift-JIS with a 5C trail byte") << Sjis("ソ表.txt") << "ソ表.txt" << true;
        QTest::newRow("half-width katakana") << Sjis("ﾊﾞｯｸﾃﾞｰﾀ") << "ﾊﾞｯｸﾃﾞｰﾀ" << true;
        QTest::newRow("Windows-only character") << Sjis("①局.txt") << "①局.txt" << true;
        QTest::newRow("neither") << QByteArray("\x81\x20\xff") << "" << false;
        QTest::newRow("a lone lead byte") << QByteArray("\x8c") << "" << false;
    }
    void names() {
        QFETCH(QByteArray, raw);
        QFETCH(QString, name);
        bool shiftJis = false;
        const std::optional<QString> proper = store::ProperFileName(raw, &shiftJis);
        QCOMPARE(proper.value_or(QString()), name);
        QTEST(shiftJis, "shiftJis");
    }

    void outcomes_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("report");
        QTest::newRow("into a new data root")
            << "new"
            << "以前のデータを取り込みました。\n"
               "新しい対局者 2 人、対局中の棋譜 2 局、退避後の棋譜 1 局、ほかのファイル 3 個\n"
               "シフト JIS の名前 6 個を読める名前に直しました。\n"
               "読めないところのある棋譜（そのままの内容で取り込みました）：\n"
               "  対局中棋譜/鈴木/ソ表.txt：途中に読めない行があります\n"
               "取り込まなかったもの：\n"
               "  Kurumi.exe：ソラマメのデータではないため\n"
               "  Tmp.txt：「復 元」のための一時ファイルのため";
        QTest::newRow("the same folder again")
            << "twice"
            << "以前のデータを取り込みました。\n"
               "新しい対局者 0 人、対局中の棋譜 0 局、退避後の棋譜 0 局、ほかのファイル 0 個\n"
               "同じ内容ですでにあったファイル 6 個は、そのままです。\n"
               "シフト JIS の名前 6 個を読める名前に直しました。\n"
               "取り込まなかったもの：\n"
               "  Kurumi.exe：ソラマメのデータではないため\n"
               "  Tmp.txt：「復 元」のための一時ファイルのため";
        QTest::newRow("beside games of the same names")
            << "existing"
            << "以前のデータを取り込みました。\n"
               "新しい対局者 1 人、対局中の棋譜 1 局、退避後の棋譜 1 局、ほかのファイル 2 個\n"
               "シフト JIS の名前 6 個を読める名前に直しました。\n"
               "読めないところのある棋譜（そのままの内容で取り込みました）：\n"
               "  対局中棋譜/鈴木/ソ表.txt：途中に読めない行があります\n"
               "取り込まなかったもの：\n"
               "  Kurumi.exe：ソラマメのデータではないため\n"
               "  KurumiSet.dat：同じ名前で内容の違うファイルがすでにあるため\n"
               "  Tmp.txt：「復 元」のための一時ファイルのため\n"
               "  対局中棋譜/鈴木/第１局.txt：同じ名前で内容の違うファイルがすでにあるため";
        QTest::newRow("full disk")
            << "full"
            << "以前のデータを取り込めませんでした。\n"
               "「対局中棋譜/鈴木/"
               "第１局.txt」を書き込めませんでした（ディスクの空きを確かめてください）。\n"
               "データフォルダは元のままです。";
        QTest::newRow("not a data folder")
            << "other"
            << "以前のデータを取り込めませんでした。\n「%1」はソラマメのデータフォルダでは"
               "ありません（対局中棋譜 も 退避後棋譜 もありません）。";
    }
    void outcomes() {
        QFETCH(QString, scenario);
        QFETCH(QString, report);
        TempRoot old;
        TempRoot root;
        // Qt cannot name files whose names are not UTF-8: they go by their bytes.
        const auto removeRawNames = qScopeGuard(
            [&old] { std::filesystem::remove_all(QFile::encodeName(old.path()).toStdString()); });
        if (scenario == "other")
            old.Write("Documents/letter.txt", "hello");
        else
            MakeOldFolder(old.path());
        if (scenario == "existing") {
            root.Write("対局中棋譜/鈴木/第１局.txt", "my own game\r\n");
            root.Write("KurumiSet.dat", "0\r\n");
        }
        if (scenario == "twice")
            store::ImportOldDataFolder(old.path(), root.path());
        const QMap<QString, QByteArray> oldBefore = Snapshot(old.path());
        const QMap<QString, QByteArray> rootBefore = Snapshot(root.path());
        store::OldDataImport outcome;
        {
            // Room for the small files only: the disk fills at the first whole record.
            const FileSizeLimit limit(scenario == "full" ? 1000 : RLIM_INFINITY);
            outcome = store::ImportOldDataFolder(old.path(), root.path());
        }
        QCOMPARE(store::DescribeOldDataImport(outcome),
                 scenario == "other" ? report.arg(old.path()) : report);
        QCOMPARE(Snapshot(old.path()), oldBefore);
        const QMap<QString, QByteArray> rootAfter = Snapshot(root.path());
        if (!outcome.ok || scenario == "twice") {
            QCOMPARE(rootAfter, rootBefore);
            QCOMPARE(
                QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot));
            return;
        }
        // Every file came in byte for byte under its proper name; nothing there was replaced.
        const QByteArray record = RealRecord();
        QCOMPARE(rootAfter.value("退避後棋譜/佐藤/旧局.txt"), record);
        QCOMPARE(rootAfter.value("対局中棋譜/鈴木/ソ表.txt"), record.left(300));
        QCOMPARE(rootAfter.value("Address/鈴木.txt"), Sjis("\r\n\r\n\r\n\r\n鈴木様\r\n\r\n"));
        QCOMPARE(rootAfter.value("対戦記録.txt"), Sjis("2003/01/05鈴木 第１局 黒中押し勝ち\r\n"));
        QVERIFY(!rootAfter.contains("Tmp.txt"));
        if (scenario == "existing") {
            QCOMPARE(rootAfter.value("対局中棋譜/鈴木/第１局.txt"), QByteArray("my own game\r\n"));
            QCOMPARE(rootAfter.value("KurumiSet.dat"), QByteArray("0\r\n"));
        } else {
            QCOMPARE(rootAfter.value("対局中棋譜/鈴木/第１局.txt"), record);
            QCOMPARE(rootAfter.value("KurumiSet.dat"), QByteArray("1\r\n0\r\n"));
        }
    }
};

QTEST_MAIN(TestOldDataImport)
#include "test_old_data_import.moc"
