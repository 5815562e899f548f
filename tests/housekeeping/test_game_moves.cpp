// Erasing, backing up and restoring without a window: records moved byte for byte, opponent
// folders made and removed, refusals before any question, Cancel, and failures undone.
#include "housekeeping/game_moves.h"
#include "store/start_store.h"
#include "testing/temp_root.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

using admin::MoveKind;

namespace {

// A header and a move with a comment (あいう in CP932); the last line lacks its line end.
const QByteArray kRecord =
    "2002/12/07, 0 , 1 , 31 ,\x8d\x95                             \r\n"
    "12-07-2002, 1 , 16 , 4 ,\x82\xa0\x82\xa2\x82\xa4";
const QByteArray kOther = "2001/01/01,-2 , 3 , 20 ,\x94\x92\r\n";
const QString kIn = QStringLiteral("対局中棋譜/");
const QString kOut = QStringLiteral("退避後棋譜/");

struct Store {
    TempRoot root;
    common::AppState state;
    QStringList questions;  // title, text
    QList<common::MessageIcon> icons;
    QList<common::DefaultButton> defaults;
    bool answer = true;
    bool forGood = true;  // the answer to a second question, before erasing for good

    explicit Store(bool backedUpView) {
        store::StartStore(state, root.path());
        if (backedUpView)
            state.currentGamesFolder = state.backedUpFolder;
    }
    admin::MoveOutcome Run(int kind, const QString& opponent, const QString& game) {
        const auto ask = [this](const admin::MoveQuestion& question) {
            questions << question.notice.title << question.notice.text;
            icons << question.icon;
            defaults << question.defaultButton;
            return icons.size() == 1 ? answer : forGood;
        };
        return admin::RunMove(state, {MoveKind(kind), opponent, game}, ask);
    }
    bool Exists(const QString& relative) const { return QFileInfo::exists(root.File(relative)); }
    /// Every folder and file under the data root with its bytes.
    QStringList Tree() const {
        QStringList entries;
        QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            entries << file.fileName() + "=" + file.readAll().toHex();
        }
        entries.sort();
        return entries;
    }
};

QStringList Notice(const admin::MoveOutcome& outcome) {
    return outcome.notice ? QStringList{outcome.notice->title, outcome.notice->text}
                          : QStringList();
}

}  // namespace

class TestGameMoves : public QObject {
    Q_OBJECT
    // Erased records go to a trash of the test's own, never to the player's.
    QTemporaryDir home_;
    QString Trash() const { return home_.path() + "/share/Trash"; }

  private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path() + "/share"));
        // Where Qt puts what it cannot trash; it must come back from there.
        QVERIFY(QDir::setCurrent(home_.path()));
    }

    void eraseGoesToTheTrashOrAsksAgain_data() {
        QTest::addColumn<QString>("game");  // empty: the opponent as a whole
        QTest::addColumn<bool>("trash");
        QTest::addColumn<bool>("forGood");     // the answer to the second question
        QTest::addColumn<QString>("trashed");  // the entry in the trash, empty for none
        QTest::addColumn<QString>("notice");   // its text's first line; empty for none
        QTest::newRow("game into the trash") << "01" << true << false << "01.txt"
                                             << "山田 さんの 01 局を消去しました。";
        QTest::newRow("opponent into the trash") << "" << true << false << "山田"
                                                 << "山田 さんを消去しました。";
        QTest::newRow("no trash, No keeps the game") << "01" << false << false << ""
                                                     << "";
        QTest::newRow("no trash, Yes erases for good") << "01" << false << true << ""
                                                       << "山田 さんの 01 局を消去しました。";
    }
    void eraseGoesToTheTrashOrAsksAgain() {
        QFETCH(QString, game);
        QFETCH(bool, trash);
        QFETCH(bool, forGood);
        QFETCH(QString, trashed);
        QFETCH(QString, notice);
        QDir(Trash()).removeRecursively();
        // A file where the data folder should be leaves Qt no trash to make.
        const QString blocked = home_.path() + "/blocked";
        QFile(blocked).open(QIODevice::WriteOnly);
        qputenv("XDG_DATA_HOME", QFile::encodeName(trash ? home_.path() + "/share" : blocked));
        Store s(false);
        s.forGood = forGood;
        const QString path = kIn + "山田" + (game.isEmpty() ? "" : "/" + game + ".txt");
        s.root.Write(game.isEmpty() ? kIn + "山田/memo.dat" : path, kRecord);
        const admin::MoveOutcome outcome = s.Run(int(MoveKind::Erase), "山田", game);
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path() + "/share"));

        const QList<common::DefaultButton> safe{common::DefaultButton::Safe};
        QCOMPARE(s.defaults, trash ? safe : safe + safe);
        QCOMPARE(s.Exists(path), !trash && !forGood);
        QCOMPARE(QDir(Trash() + "/files").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 trashed.isEmpty() ? QStringList() : QStringList{trashed});
        QCOMPARE(QFileInfo::exists(Trash() + "/info/" + trashed + ".trashinfo"),
                 !trashed.isEmpty());
        QVERIFY(!QFileInfo::exists(home_.path() + "/files"));  // nothing left where Qt put it
        QCOMPARE(outcome.notice.has_value(), !notice.isEmpty());
        if (outcome.notice) {
            const QStringList lines = outcome.notice->text.split('\n');
            QCOMPARE(lines.first(), notice);
            // The player is told where to find the record again.
            QCOMPARE(lines.last(), trashed.isEmpty()
                                       ? notice
                                       : QDir::toNativeSeparators(Trash() + "/files/" + trashed));
        }
    }
    void moves_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("backedUpView");
        QTest::addColumn<QString>("game");  // empty: the opponent as a whole
        const int erase = int(MoveKind::Erase);
        QTest::newRow("erase game") << erase << false << "01";
        QTest::newRow("erase backed-up game") << erase << true << "01";
        QTest::newRow("back up game") << int(MoveKind::BackUp) << false << "01";
        QTest::newRow("restore game") << int(MoveKind::Restore) << true << "01";
        QTest::newRow("erase opponent") << erase << false << "";
        QTest::newRow("back up opponent") << int(MoveKind::BackUp) << false << "";
        QTest::newRow("restore opponent") << int(MoveKind::Restore) << true << "";
    }
    void moves() {
        QFETCH(int, kind);
        QFETCH(bool, backedUpView);
        QFETCH(QString, game);
        Store s(backedUpView);
        const QString from = (backedUpView ? kOut : kIn) + "山田";
        const QString to = (backedUpView ? kIn : kOut) + "山田";
        const bool erase = MoveKind(kind) == MoveKind::Erase;
        if (!game.isEmpty()) {
            s.root.Write(from + "/01.txt", kRecord);
            s.root.Write(from + "/01.info", "PB=x\r\n");  // the SGF's players go along
            s.root.Write(from + "/02.txt", kOther);
        } else if (erase) {
            s.root.Write(from + "/memo.dat", "x");  // not a game: it goes with the folder
            s.root.Write(from + "/.hidden", "y");
        } else {
            QDir().mkpath(s.root.File(from));
            s.root.Write(to + "/03.txt", kOther);  // the opponent is already on the other side
        }
        const admin::MoveOutcome outcome = s.Run(kind, "山田", game);
        QVERIFY(outcome.attempted && outcome.done);
        QCOMPARE(s.questions.size(), 2);
        QCOMPARE(s.icons.value(0),
                 game.isEmpty() ? common::MessageIcon::Warning : common::MessageIcon::None);
        if (!game.isEmpty()) {
            QVERIFY(!s.Exists(from + "/01.txt"));
            QVERIFY(!s.Exists(from + "/01.info"));
            QCOMPARE(s.root.Read(from + "/02.txt"), kOther);
            QCOMPARE(s.root.Read(to + "/01.txt"), erase ? QByteArray() : kRecord);
            QCOMPARE(s.root.Read(to + "/01.info"), erase ? QByteArray() : "PB=x\r\n");
        } else {
            QVERIFY(!s.Exists(from));
            QCOMPARE(s.root.Read(to + "/03.txt"), erase ? QByteArray() : kOther);
            QCOMPARE(QFileInfo(s.root.File(to)).isDir(), !erase);
        }
    }

    void leavesTheFilesAsTheyWere_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("backedUpView");
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("notice");  // title, text; empty for none
        const int erase = int(MoveKind::Erase);
        const int backUp = int(MoveKind::BackUp);
        const int restore = int(MoveKind::Restore);
        const QStringList noGame{"対局名が指定されていません。", "対局名を選択してください。"};
        const QString same = "同じ対局名の棋譜があります。";
        QTest::newRow("erase opponent with games") << erase << false << "山田"
                                                   << "" << false << noGame;
        QTest::newRow("restore opponent with games") << restore << true << "佐藤"
                                                     << "" << false << noGame;
        QTest::newRow("restore over a game in progress")
            << restore << true << "山田"
            << "01" << false
            << QStringList{same,
                           "山田 さんの 01 局は「対局中の棋譜」にすでにあるため復帰しません。"};
        QTest::newRow("back up from the backed-up folder")
            << backUp << true << "佐藤"
            << "05" << false
            << QStringList{"棋譜データを退避できませんでした。",
                           "佐藤 さんの 05 局を退避できませんでした。棋譜は元の場所にあります。"};
        QTest::newRow("parent folder")
            << erase << false << ".."
            << "" << false
            << QStringList{"対局者を消去できませんでした。", ".. さんを消去できませんでした。"};
        QTest::newRow("cancel erase opponent") << erase << false << "林"
                                               << "" << true << QStringList();
        QTest::newRow("cancel back up game") << backUp << false << "山田"
                                             << "02" << true << QStringList();
        QTest::newRow("cancel restore opponent") << restore << true << "鈴木"
                                                 << "" << true << QStringList();
        QTest::newRow("no folder for the copy")
            << backUp << false << "高橋"
            << "01" << false
            << QStringList{"棋譜データを退避できませんでした。",
                           "高橋 さんの 01 局を退避できませんでした。棋譜は元の場所にあります。"};
        QTest::newRow("a file left in the opponent folder")
            << backUp << false << "空"
            << "" << false
            << QStringList{"対局者を退避できませんでした。", "空 さんを退避できませんでした。"};
    }
    void leavesTheFilesAsTheyWere() {
        QFETCH(int, kind);
        QFETCH(bool, backedUpView);
        QFETCH(QString, opponent);
        QFETCH(QString, game);
        QFETCH(bool, cancel);
        QFETCH(QStringList, notice);
        Store s(backedUpView);
        s.answer = !cancel;
        s.root.Write(kIn + "山田/01.txt", kRecord);
        s.root.Write(kIn + "山田/02.txt", kRecord);
        s.root.Write(kOut + "山田/01.txt", kOther);
        s.root.Write(kOut + "佐藤/05.txt", kOther);
        s.root.Write(kIn + "高橋/01.txt", kRecord);
        s.root.Write(kOut + "高橋", "x");  // a file where the opponent's folder would go
        s.root.Write(kIn + "空/memo.dat", "x");
        QDir().mkpath(s.root.File(kIn + "林"));
        QDir().mkpath(s.root.File(kOut + "鈴木"));
        const QStringList before = s.Tree();
        const admin::MoveOutcome outcome = s.Run(kind, opponent, game);
        QVERIFY(!outcome.done);
        QCOMPARE(Notice(outcome), notice);
        // Refusals come before the question; Cancel and failures after it.
        QCOMPARE(s.icons.size(), cancel || outcome.attempted ? 1 : 0);
        QCOMPARE(s.Tree(), before);
    }
};

QTEST_MAIN(TestGameMoves)
#include "test_game_moves.moc"
