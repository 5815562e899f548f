// The copy for the e-mail program: both files byte for byte, the blank colour of a player
// holding White, refusals and failures, and the registration window's button.
#include "admin/registration_window.h"
#include "registration/export.h"
#include "store/record_file.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray kKuro("\x8d\x95");            // 黒
const QByteArray kShiro("\x94\x92");           // 白
const QByteArray kKomoku("\x8f\xac\x96\xda");  // 小目
const QByteArray kBlanks30(30, ' ');
const QString kDone = QStringLiteral("クルミ用の棋譜データを作成しました。");
const QString kFailed = QStringLiteral("クルミ用の棋譜データを作成できませんでした。");
const QString kTitle = QStringLiteral("ソラマメ Ｖ３．０");
const QString kNoGame = QStringLiteral("対局を選択してください。");
const QString kNoGameTitle = QStringLiteral("対局が指定されていません。");
const QString kTree = QStringLiteral("_1クルミ棋譜");

QString Copy(const QString& opponent) {
    return kTree + "/" + opponent + "/01.txt";
}

QString Backup(const QString& opponent) {
    return kTree + "/" + opponent + QStringLiteral("/ﾊﾞｯｸﾃﾞｰﾀ/01.txt");
}

/// A data root whose export tree lies in the same temporary folder.
struct Root {
    TempRoot root;
    common::AppState state;
    Root() {
        store::StartStore(state, root.path());
        state.exportRoot = root.path();
    }
};

}  // namespace

class TestExport : public QObject {
    Q_OBJECT
  private slots:
    void writesBothCopies_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<QByteArray>("exported");
        const QByteArray move12 = "12-07-2002, 12 , 4 , 16 ,";
        QTest::newRow("black, comment padded")
            << "2002/11/05, 0 , 1 , 31 ," + kKuro + QByteArray(29, ' ') + "\r\n" + move12 +
                   kKomoku + "\r\n"
            << false
            << "2002/11/05, 0 , 1 , 31 ," + kKuro + QByteArray(29, ' ') + "\r\n" + move12 +
                   kKomoku + QByteArray(28, ' ') + "\r\n";
        QTest::newRow("white, earlier copies replaced")
            << "2002/11/05,-2 , 3 , 20 ," + kShiro + QByteArray(29, ' ') + "\r\n" + move12 + "\r\n"
            << true
            << "2002/11/05,-2 , 3 , 20 ," + kBlanks30 + "\r\n" + move12 + kBlanks30 + "\r\n";
        QTest::newRow("white, no moves, short date")
            << "2002/1/5,-12 , 13 , 1 ," + kShiro + "\r\n"
            << false << "2002/1/5  ,-12 , 13 , 1 ," + kBlanks30 + "\r\n";
    }
    void writesBothCopies() {
        QFETCH(QByteArray, record);
        QFETCH(bool, earlier);
        QFETCH(QByteArray, exported);
        Root r;
        const QString recordPath = QStringLiteral("対局中棋譜/山田/01.txt");
        r.root.Write(recordPath, record);
        if (earlier) {
            r.root.Write(Copy("山田"), "older\r\n");
            r.root.Write(Backup("山田"), "older\r\n");
        }
        store::RecordTable table;
        store::ReadRecordFile(r.root.File(recordPath), table);
        const admin::ExportOutcome outcome = admin::ExportGame(r.state, "山田", "01", table);
        QVERIFY(outcome.written);
        QCOMPARE(outcome.notice.text,
                 kDone + "\n保存先：" + QDir::toNativeSeparators(r.root.File("_1クルミ棋譜/山田")));
        QCOMPARE(outcome.notice.title, kTitle);
        QCOMPARE(r.root.Read(Copy("山田")), exported);
        QCOMPARE(r.root.Read(Backup("山田")), exported);
        QCOMPARE(r.root.Read(recordPath), record);
    }

    void refusesOrReportsFailure_data() {
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("treeBlocked");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("no game") << "山田"
                                 << "" << true << false << kNoGame << kNoGameTitle;
        QTest::newRow("record unreadable") << "山田"
                                           << "01" << false << false << kFailed << kTitle;
        QTest::newRow("tree cannot be made") << "山田"
                                             << "01" << true << true << kFailed << kTitle;
    }
    void refusesOrReportsFailure() {
        QFETCH(QString, opponent);
        QFETCH(QString, game);
        QFETCH(bool, readable);
        QFETCH(bool, treeBlocked);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Root r;
        store::RecordTable table;
        if (readable) {
            r.root.Write("対局中棋譜/山田/01.txt", "2002/11/05, 0 , 1 , 31 ," + kKuro + "\r\n");
            store::ReadRecordFile(r.root.File("対局中棋譜/山田/01.txt"), table);
        }
        if (treeBlocked)
            r.root.Write(kTree, "a file where the folder belongs");
        const admin::ExportOutcome outcome = admin::ExportGame(r.state, opponent, game, table);
        QVERIFY(!outcome.written);
        QCOMPARE(outcome.notice.text, text);
        QCOMPARE(outcome.notice.title, title);
        QVERIFY(!QFileInfo(r.root.File(kTree)).isDir());
    }

    void buttonExportsTheChosenGame() {
        Root r;
        FakePlatform platform;
        QWidget main;
        const QByteArray moves =
            "12-07-2002, 1 , 16 , 4 ," + kKomoku + QByteArray(28, ' ') + "\r\n";
        const QByteArray record =
            "2001/01/01,-2 , 3 , 20 ," + kShiro + QByteArray(29, ' ') + "\r\n" + moves;
        r.root.Write("対局中棋譜/山田/01.txt", record);
        r.state.selectedOpponentIndex = 0;
        r.state.selectedGameIndex = 0;
        admin::RegistrationWindow form(r.state, platform, &main);
        form.show();
        auto* button = form.findChild<QPushButton*>("Command4");
        auto* games = form.findChild<QListWidget*>("List2");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.startsWith(kDone + "\n保存先："));
        QCOMPARE(platform.messages[0].title, kTitle);
        QCOMPARE(r.root.Read(Backup("山田")),
                 "2001/01/01,-2 , 3 , 20 ," + kBlanks30 + "\r\n" + moves);
        QCOMPARE(r.root.Read("対局中棋譜/山田/01.txt"), record);
        QCOMPARE(form.findChild<QListWidget*>("List3")->currentItem()->text(),
                 QStringLiteral("白"));

        // A registration leaves the new opponent's games listed and none chosen.
        form.findChild<QLineEdit*>("Text1")->setText("佐藤");
        form.findChild<QLineEdit*>("Text2")->setText("01");
        form.Register();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(platform.messages.last().text, kNoGame);
        QCOMPARE(platform.messages.last().title, kNoGameTitle);
        QVERIFY(!QFileInfo::exists(r.root.File(kTree + "/佐藤")));

        games->setCurrentRow(0);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(platform.messages.last().text.startsWith(kDone + "\n保存先："));
        QCOMPARE(r.root.Read(Copy("佐藤")), "2002/12/07,-2 , 3 , 20 ," + kBlanks30 + "\r\n");

        // A second export asks before it replaces the copies; Cancel keeps them.
        r.root.Write(Copy("佐藤"), "played by mail\r\n");
        platform.scriptedAnswers = {common::MessageAnswer::Cancel};
        const int shown = int(platform.messages.size());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(int(platform.messages.size()), shown + 1);
        QCOMPARE(platform.messages.last().buttons, common::MessageButtons::OkCancel);
        QCOMPARE(r.root.Read(Copy("佐藤")), QByteArray("played by mail\r\n"));
        QTest::mouseClick(button, Qt::LeftButton);  // answered OK
        QVERIFY(platform.messages.last().text.startsWith(kDone + "\n保存先："));
        QCOMPARE(r.root.Read(Copy("佐藤")), "2002/12/07,-2 , 3 , 20 ," + kBlanks30 + "\r\n");
    }
};

QTEST_MAIN(TestExport)
#include "test_export.moc"
