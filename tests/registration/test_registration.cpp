// Registration without a window: the name checks in their order, new games with their header
// and address file, changes that keep every move line, and the files never clobbered. Also
// every writer of a game's files (registration, SGF import, the e-mail export, back up) facing
// links planted in the folders it writes.
#include "housekeeping/game_moves.h"
#include "registration/export.h"
#include "registration/registration.h"
#include "registration/sgf_games.h"
#include "store/record_file.h"
#include "store/start_store.h"
#include "testing/temp_root.h"

#include <QDirIterator>
#include <QtTest>

using admin::GameInput;
using admin::NameBox;
using admin::RegistrationKind;

namespace {

const QDate kToday(2002, 12, 7);
// CP932 bytes of the Japanese words the files carry.
const QByteArray kKuro("\x8d\x95");            // 黒
const QByteArray kShiro("\x94\x92");           // 白
const QByteArray kYamada("\x8e\x52\x93\x63");  // 山田
const QByteArray kSama("\x97\x6c");            // 様
const QString kRecord = QStringLiteral("対局中棋譜/山田/01.txt");
const QString kInfo = QStringLiteral("対局中棋譜/山田/01.info");
const QString kAddress = QStringLiteral("Address/山田.txt");

/// A header line with its line end: date, then the fields as the file writes them, and the
/// one-character colour padded with 29 blanks.
QByteArray Header(const QByteArray& date, const QByteArray& marker, const QByteArray& handicap,
                  const QByteArray& komi, const QByteArray& colour) {
    return date + "," + marker + "," + handicap + "," + komi + "," + colour + QByteArray(29, ' ') +
           "\r\n";
}

/// Move lines as a cut, a save and a comment beginning with a blank leave them.
const QByteArray kMoves =
    "12-07-2002, 1 , 16 , 4 , hello                        \r\n"
    "          , 2 , 4 , 16 ,                              \r\n"
    "12-09-2002, 1 , 16 , 4 ,x                             \r\n";

GameInput Input(const QString& opponent, const QString& game, int handicap = 1, int komi = 31,
                bool black = true) {
    GameInput input;
    input.opponent = opponent;
    input.game = game;
    input.handicapCode = handicap;
    input.komiCode = komi;
    input.playerIsBlack = black;
    return input;
}

struct Store {
    TempRoot root;
    common::AppState state;
    Store() { store::StartStore(state, root.path()); }
    admin::RegistrationOutcome Register(const GameInput& input) {
        return admin::RegisterGame(state, input, kToday);
    }
};

/// Every entry under the folder: a file with its bytes, a link with its target (never
/// followed), a folder as such.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray& entry = entries[QDir(folder).relativeFilePath(info.filePath())];
        if (info.isSymLink()) {
            entry = "link to " + info.symLinkTarget().toUtf8();
        } else if (info.isFile()) {
            QFile file(info.filePath());
            entry = file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
        } else {
            entry = "folder";
        }
    }
    return entries;
}

/// Whether one writer wrote, and its message ("title|text" where it shows a message box).
struct WriterResult {
    bool written = false;
    QString message;
};

QString Joined(const admin::Notice& notice) {
    return notice.title + "|" + notice.text;
}

/// Runs one writer on the game 山田/01 as the program would.
WriterResult RunWriter(const QString& writer, const common::AppState& state) {
    if (writer == "register") {
        const auto outcome = admin::RegisterGame(state, Input("山田", "01"), kToday);
        return {outcome.written, Joined(outcome.notice)};
    }
    if (writer == "import") {
        const auto outcome =
            admin::ImportSgfGame(state, "山田", "01", "(;FF[4];B[pd];W[dp])", true, kToday);
        return {outcome.written, outcome.message};
    }
    if (writer == "export") {
        store::RecordTable table;
        store::ReadRecordFile(state.RecordPath("山田", "01"), table);
        const auto outcome = admin::ExportGame(state, "山田", "01", table);
        return {outcome.written, Joined(outcome.notice)};
    }
    const auto outcome = admin::RunMove(state, {admin::MoveKind::BackUp, "山田", "01"},
                                        [](const admin::MoveQuestion&) { return true; });
    return {outcome.done, outcome.notice ? Joined(*outcome.notice) : QString()};
}

}  // namespace

class TestRegistration : public QObject {
    Q_OBJECT
  private slots:
    void checksNamesInOrder_data() {
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("box");  // -1: both names pass
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString noOpponent = QStringLiteral("「対局者」を入力してください。");
        const QString noOpponentTitle = QStringLiteral("「対局者」が入力されていません。");
        const QString noGame = QStringLiteral("「対局名」を入力してください。");
        const QString noGameTitle = QStringLiteral("「対局名」が入力されていません。");
        const QString badChar = QStringLiteral("使えない文字があります。");
        const QString badName = QStringLiteral("使えない名前です。");
        auto opp = [](const QString& c) {
            return "対局相手に「" + c + "」の文字は使用できません。";
        };
        auto gam = [](const QString& c) { return "対局名に「" + c + "」の文字は使用できません。"; };

        QTest::newRow("empty opponent") << ""
                                        << "01" << 0 << false << noOpponent << noOpponentTitle;
        QTest::newRow("blanks-only opponent")
            << "   "
            << "01" << 0 << false << noOpponent << noOpponentTitle;
        QTest::newRow("full-width blanks") << "　　"
                                           << "01" << 0 << false << noOpponent << noOpponentTitle;
        QTest::newRow("slash after first") << "山/田"
                                           << "" << 0 << true << opp("/") << badChar;
        QTest::newRow("< before >") << "a<b>c"
                                    << "01" << 0 << true << opp("<") << badChar;
        QTest::newRow("> before <") << "a>b<c"
                                    << "01" << 0 << true << opp(">") << badChar;
        QTest::newRow("not in CP932") << "山😀田"
                                      << "01" << 0 << true << opp("😀") << badChar;
        QTest::newRow("empty game") << "山田"
                                    << "" << 1 << false << noGame << noGameTitle;
        QTest::newRow("blanks-only game") << "山田"
                                          << "  " << 1 << false << noGame << noGameTitle;
        const QString forbidden = QStringLiteral("\\/:,;*?\"<>|");
        for (const QChar c : forbidden) {
            QTest::addRow("game with %c", c.toLatin1())
                << "山田" << QString("0") + c + "1" << 1 << true << gam(c) << badChar;
        }
        QTest::newRow("dot") << "."
                             << "01" << 0 << true
                             << QStringLiteral("対局相手に「.」という名前は使用できません。")
                             << badName;
        QTest::newRow("dot dot game")
            << "山田"
            << ".." << 1 << true << QStringLiteral("対局名に「..」という名前は使用できません。")
            << badName;
        // 碁 takes three bytes: 84 of them and ".txt" are one byte more than a file name takes.
        QTest::newRow("too long") << QString(84, QChar(0x7881)) << "01" << 0 << false
                                  << "「対局者」が長すぎます。全角８３文字（半角２５１文字）までに"
                                     "してください。"
                                  << "名前が長すぎます。";
        QTest::newRow("longest") << QString(83, QChar(0x7881)) << QString(251, 'g') << -1 << false
                                 << ""
                                 << "";
        QTest::newRow("game too long")
            << "山田" << QString(252, 'g') << 1 << false
            << "「対局名」が長すぎます。全角８３文字（半角２５１文字）までにしてください。"
            << "名前が長すぎます。";
        QTest::newRow("plain names") << "山田"
                                     << "01" << -1 << false << ""
                                     << "";
        QTest::newRow("dots inside") << "a.b"
                                     << "0.1" << -1 << false << ""
                                     << "";
#ifndef Q_OS_WIN
        QTest::newRow("blanks kept") << " 山田 "
                                     << " 01 " << -1 << false << ""
                                     << "";
#endif
    }
    void checksNamesInOrder() {
        QFETCH(QString, opponent);
        QFETCH(QString, game);
        QFETCH(int, box);
        QFETCH(bool, cleared);
        QFETCH(QString, text);
        QFETCH(QString, title);
        const auto problem = admin::CheckNames(opponent, game);
        QCOMPARE(problem.has_value(), box >= 0);
        if (!problem)
            return;
        QCOMPARE(int(problem->box), box);
        QCOMPARE(problem->clearBox, cleared);
        QCOMPARE(problem->notice.text, text);
        QCOMPARE(problem->notice.title, title);
    }

    void newGameWritesHeaderAndAddress_data() {
        QTest::addColumn<int>("handicap");
        QTest::addColumn<int>("komi");
        QTest::addColumn<bool>("black");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("defaults") << 1 << 31 << true
                                  << Header("2002/12/07", " 0 ", " 1 ", " 31 ", kKuro);
        QTest::newRow("black without komi")
            << 2 << 20 << false << Header("2002/12/07", " 0 ", " 2 ", " 20 ", kShiro);
        QTest::newRow("two stones")
            << 3 << 21 << false << Header("2002/12/07", "-2 ", " 3 ", " 21 ", kShiro);
        QTest::newRow("thirteen stones")
            << 14 << 1 << true << Header("2002/12/07", "-13 ", " 14 ", " 1 ", kKuro);
    }
    void newGameWritesHeaderAndAddress() {
        QFETCH(int, handicap);
        QFETCH(int, komi);
        QFETCH(bool, black);
        QFETCH(QByteArray, header);
        Store store;
        // Players and result of a game of that name erased by an older version.
        store.root.Write(kInfo, "PB=Honinbo Shusaku\r\n");
        const auto outcome = store.Register(Input("山田", "01", handicap, komi, black));
        QVERIFY(!QFile::exists(store.root.File(kInfo)));
        QCOMPARE(outcome.kind, RegistrationKind::New);
        QVERIFY(outcome.written);
        QCOMPARE(outcome.notice.text, QStringLiteral("山田 さんの 01 局を登録をしました。"));
        QCOMPARE(outcome.notice.title, QStringLiteral("対局の登録をしました。"));
        QCOMPARE(store.root.Read(kRecord), header);
        QCOMPARE(store.root.Read(kAddress), "\r\n\r\n\r\n\r\n" + kYamada + kSama + "\r\n\r\n");
    }

    void secondGameKeepsFirstAndAddress() {
        Store store;
        const QByteArray address =
            "1234567\r\nsomewhere\r\n\r\n\r\n" + kYamada + kSama + "\r\n\r\n";
        store.root.Write(kAddress, address);
        QVERIFY(store.Register(Input("山田", "01")).written);
        const QByteArray first = store.root.Read(kRecord);
        const auto second = store.Register(Input("山田", "02", 5, 20, false));
        QCOMPARE(second.kind, RegistrationKind::New);
        QVERIFY(second.written);
        QCOMPARE(store.root.Read(kRecord), first);
        QCOMPARE(store.root.Read("対局中棋譜/山田/02.txt"),
                 Header("2002/12/07", "-4 ", " 5 ", " 20 ", kShiro));
        QCOMPARE(store.root.Read(kAddress), address);
    }

    void changeKeepsEveryMoveLine_data() {
        QTest::addColumn<QByteArray>("moves");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("CR LF") << kMoves << kMoves;
        QTest::newRow("lone LF") << QByteArray(kMoves).replace("\r\n", "\n") << kMoves;
        QTest::newRow("lone CR") << QByteArray(kMoves).replace("\r\n", "\r") << kMoves;
        QTest::newRow("last line without end") << kMoves.left(kMoves.size() - 2) << kMoves;
        QTest::newRow("header only") << QByteArray() << QByteArray();
    }
    void changeKeepsEveryMoveLine() {
        QFETCH(QByteArray, moves);
        QFETCH(QByteArray, kept);
        Store store;
        store.root.Write(kRecord, Header("2001/01/01", " 0 ", " 1 ", " 31 ", kKuro) + moves);
        store.root.Write(kInfo, "PB=Honinbo Shusaku\r\n");
        const auto outcome = store.Register(Input("山田", "01", 3, 25, false));
        QCOMPARE(store.root.Read(kInfo), "PB=Honinbo Shusaku\r\n");  // the same game's
        QCOMPARE(outcome.kind, RegistrationKind::Change);
        QVERIFY(outcome.written);
        QCOMPARE(outcome.notice.text, QStringLiteral("山田 さんの 01 局を登録変更しました。"));
        QCOMPARE(outcome.notice.title, QStringLiteral("対局の登録変更をしました。"));
        QCOMPARE(store.root.Read(kRecord),
                 Header("2002/12/07", "-2 ", " 3 ", " 25 ", kShiro) + kept);
        QVERIFY(!QFile::exists(store.root.File("対局中棋譜/山田/temp.txt")));
        // A change registers no one new: the address file is left to the address window.
        QVERIFY(!QFile::exists(store.root.File(kAddress)));
    }

    void gameCalledTempIsNeverTheScratchCopy() {
        Store store;
        const QByteArray temp = Header("2001/01/01", " 0 ", " 1 ", " 31 ", kKuro) + kMoves;
        store.root.Write("対局中棋譜/山田/temp.txt", temp);
        store.root.Write(kRecord, Header("2001/01/01", " 0 ", " 1 ", " 31 ", kKuro) + kMoves);
        QVERIFY(store.Register(Input("山田", "01", 1, 20)).written);
        QCOMPARE(store.root.Read("対局中棋譜/山田/temp.txt"), temp);
        QCOMPARE(store.root.Read(kRecord),
                 Header("2002/12/07", " 0 ", " 1 ", " 20 ", kKuro) + kMoves);

        QCOMPARE(store.Register(Input("山田", "temp", 1, 20)).kind, RegistrationKind::Change);
        QCOMPARE(store.root.Read("対局中棋譜/山田/temp.txt"),
                 Header("2002/12/07", " 0 ", " 1 ", " 20 ", kKuro) + kMoves);
    }

    void decidesByTheFilesOnDisk() {
        Store store;
        QCOMPARE(admin::DecideKind(store.state.currentGamesFolder, "山田", "01"),
                 RegistrationKind::New);
        store.root.Write(kRecord, Header("2001/01/01", " 0 ", " 1 ", " 31 ", kKuro));
        QCOMPARE(admin::DecideKind(store.state.currentGamesFolder, "山田", "01"),
                 RegistrationKind::Change);
        QCOMPARE(admin::DecideKind(store.state.currentGamesFolder, "山田", "02"),
                 RegistrationKind::New);
        // A folder is not a record.
        QDir().mkpath(store.root.File("対局中棋譜/山田/03.txt"));
        QCOMPARE(admin::DecideKind(store.state.currentGamesFolder, "山田", "03"),
                 RegistrationKind::New);
    }

    // What the window must refuse or ask before it registers over what is on disk.
    void checkRefusesOrAsks_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<int>("handicap");
        QTest::addColumn<int>("komi");
        QTest::addColumn<bool>("black");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("question");
        const QString changeRefused = "登録変更ができません。|山田 さんの 01 局";
        QTest::newRow("same conditions") << "moves" << 1 << 31 << true << ""
                                         << "";
        QTest::newRow("handicap stones of a game with moves")
            << "moves" << 3 << 31 << true
            << changeRefused + "にはすでに着手があるため、置石の数は変えられません。"
            << "";
        QTest::newRow("komi and colour")
            << "moves" << 1 << 20 << false << ""
            << "山田 さんの 01 局の登録を次のように変更します。\n\nコミ：コミ黒５目半 → コミなし\n"
               "自分の石：黒 → 白\n\nよろしいですか？";
        QTest::newRow("handicap of a game without moves")
            << "header" << 3 << 31 << true << ""
            << "山田 さんの 01 局の登録を次のように変更します。\n\n手合割：互先 → ２子\n\n"
               "よろしいですか？";
        QTest::newRow("damaged record")
            << "damaged" << 1 << 20 << true
            << changeRefused + "の棋譜ファイルを正しく読めないため、登録変更できません。"
            << "";
        QTest::newRow("folder where the record belongs")
            << "folder" << 1 << 31 << true
            << changeRefused + "の棋譜ファイルを正しく読めないため、登録変更できません。"
            << "";
        const QString outside =
            "対局の登録ができませんでした。|山田 さんの 01 "
            "局のファイルがデータフォルダの外を指しているため、登録できません。";
        QTest::newRow("record linked outside") << "record link" << 1 << 31 << true << outside << "";
        QTest::newRow("opponent folder linked outside")
            << "folder link" << 1 << 31 << true << outside << "";
        QTest::newRow("new game") << "" << 3 << 20 << false << ""
                                  << "";
    }
    void checkRefusesOrAsks() {
        QFETCH(QString, setUp);
        QFETCH(int, handicap);
        QFETCH(int, komi);
        QFETCH(bool, black);
        QFETCH(QString, refusal);
        QFETCH(QString, question);
        Store store;
        TempRoot outside;
        const QByteArray header = Header("2001/01/01", " 0 ", " 1 ", " 31 ", kKuro);
        outside.Write("01.txt", header + kMoves);
        if (setUp == "moves" || setUp == "header")
            store.root.Write(kRecord, header + (setUp == "moves" ? kMoves : QByteArray()));
        if (setUp == "damaged")
            store.root.Write(kRecord, header + kMoves + "not a record line\r\n");
        if (setUp == "folder")
            QDir().mkpath(store.root.File(kRecord));
        if (setUp == "record link") {
            QDir().mkpath(store.root.File("対局中棋譜/山田"));
            QFile::link(outside.File("01.txt"), store.root.File(kRecord));
        }
        if (setUp == "folder link")
            QFile::link(outside.path(), store.root.File("対局中棋譜/山田"));
        const admin::RegistrationCheck check =
            admin::CheckRegistration(store.state, Input("山田", "01", handicap, komi, black));
        QCOMPARE(check.refusal ? check.refusal->title + "|" + check.refusal->text : QString(),
                 refusal);
        QCOMPARE(check.confirmation ? check.confirmation->text : QString(), question);
        QCOMPARE(outside.Read("01.txt"), header + kMoves);
    }

    // A link planted where a writer puts a game's files: one leading out of the data root (or
    // the export root), or to nowhere, is never written through; one inside is followed.
    // "outside/..." lies in a folder of its own, "root/..." in the data root.
    void plantedLinks_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("madeFile");
        const QString outside =
            "山田 さんの 01 局のファイルがデータフォルダの外を指しているため、登録できません。";
        const QString registerRefused = "対局の登録ができませんでした。|" + outside;
        const QString exportRefused =
            "ソラマメ Ｖ３．０|クルミ用の棋譜データを作成できませんでした。\n{root}/%1 が {root} "
            "の外か、存在しない場所を指しているため、書き込めません。";
        const QString exportDone =
            "ソラマメ "
            "Ｖ３．０|クルミ用の棋譜データを作成しました。\n保存先：{root}/_1クルミ棋譜/山田";
        const QString imported = "山田 さんの 01 局を SGF から読み込みました（2行）。";
        QTest::newRow("register, opponent folder linked outside")
            << "register"
            << "対局中棋譜/山田"
            << "outside" << registerRefused << "";
        QTest::newRow("register, dangling linked record")
            << "register"
            << "対局中棋譜/山田/01.txt"
            << "outside/01.txt" << registerRefused << "";
        QTest::newRow("register, linked address file")
            << "register"
            << "Address/山田.txt"
            << "outside/山田.txt" << registerRefused << "";
        QTest::newRow("register, change through a record linked outside")
            << "register"
            << "対局中棋譜/山田/01.txt"
            << "outside/record.txt" << registerRefused << "";
        QTest::newRow("register, opponent folder linked inside")
            << "register"
            << "対局中棋譜/山田"
            << "root/別の場所/山田"
            << "対局の登録をしました。|山田 さんの 01 局を登録をしました。"
            << "別の場所/山田/01.txt";
        QTest::newRow("import, opponent folder linked outside") << "import"
                                                                << "対局中棋譜/山田"
                                                                << "outside" << outside << "";
        QTest::newRow("import, dangling linked record") << "import"
                                                        << "対局中棋譜/山田/01.txt"
                                                        << "outside/01.txt" << outside << "";
        QTest::newRow("import, linked address file") << "import"
                                                     << "Address/山田.txt"
                                                     << "outside/山田.txt" << outside << "";
        QTest::newRow("import, games folder linked outside") << "import"
                                                             << "対局中棋譜"
                                                             << "outside" << outside << "";
        QTest::newRow("import, opponent folder linked inside")
            << "import"
            << "対局中棋譜/山田"
            << "root/別の場所/山田" << imported << "別の場所/山田/01.txt";
        QTest::newRow("export, linked export folder")
            << "export"
            << "_1クルミ棋譜/山田"
            << "outside" << exportRefused.arg("_1クルミ棋譜/山田") << "";
        QTest::newRow("export, dangling linked backup folder")
            << "export"
            << "_1クルミ棋譜/山田/ﾊﾞｯｸﾃﾞｰﾀ"
            << "outside/gone" << exportRefused.arg("_1クルミ棋譜/山田/ﾊﾞｯｸﾃﾞｰﾀ") << "";
        QTest::newRow("export, dangling linked copy")
            << "export"
            << "_1クルミ棋譜/山田/01.txt"
            << "outside/01.txt" << exportRefused.arg("_1クルミ棋譜/山田/01.txt") << "";
        QTest::newRow("export, tree linked inside the export root")
            << "export"
            << "_1クルミ棋譜"
            << "root/クルミ" << exportDone << "クルミ/山田/ﾊﾞｯｸﾃﾞｰﾀ/01.txt";
        QTest::newRow("back up, opponent folder linked outside")
            << "back up"
            << "退避後棋譜/山田"
            << "outside"
            << "棋譜データを退避できませんでした。|山田 さんの 01 "
               "局を退避できませんでした。棋譜は元の場所にあります。"
            << "";
    }
    void plantedLinks() {
        QFETCH(QString, writer);
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(QString, madeFile);
        Store store;
        store.state.exportRoot = store.root.path();
        TempRoot outside;
        const QByteArray record = Header("2001/01/01", " 0 ", " 1 ", " 31 ", kKuro) + kMoves;
        outside.Write("keep.txt", "not the program's\r\n");
        outside.Write("record.txt", record);
        if (writer == "export" || writer == "back up")
            store.root.Write(kRecord, record);
        const QString targetPath = target.startsWith("root/") ? store.root.File(target.mid(5))
                                                              : outside.path() + target.mid(7);
        if (target.startsWith("root/"))
            QVERIFY(QDir().mkpath(targetPath));
        const QString linkPath = store.root.File(link);
        QDir(linkPath).removeRecursively();  // a folder the store made where the link goes
        QDir().mkpath(QFileInfo(linkPath).path());
        QVERIFY(QFile::link(targetPath, linkPath));
        const auto outsideBefore = Snapshot(outside.path());
        const auto rootBefore = Snapshot(store.root.path());

        const WriterResult result = RunWriter(writer, store.state);
        QCOMPARE(Snapshot(outside.path()), outsideBefore);
        QCOMPARE(result.message, QString(message).replace("{root}", store.root.path()));
        QCOMPARE(result.written, !madeFile.isEmpty());
        if (madeFile.isEmpty())
            QCOMPARE(Snapshot(store.root.path()), rootBefore);
        else
            QVERIFY(QFileInfo(store.root.File(madeFile)).isFile());
    }

    void failuresLeaveNothingBehind() {
        Store store;
        // A record that vanished: nothing is made, and no scratch copy stays.
        QVERIFY(!admin::RewriteHeader(store.root.File(kRecord), Input("山田", "01"), kToday));
        QVERIFY(!QFile::exists(store.root.File(kRecord)));
        QVERIFY(!QFile::exists(store.root.File("対局中棋譜/山田/temp.txt")));
        // The opponent's name is taken by a file: the game cannot be made and the player is told.
        store.root.Write("対局中棋譜/山田", "not a folder");
        const auto outcome = store.Register(Input("山田", "01"));
        QVERIFY(!outcome.written);
        QCOMPARE(outcome.notice.title, QStringLiteral("対局の登録ができませんでした。"));
        QVERIFY(!QFile::exists(store.root.File(kAddress)));
    }
};

QTEST_GUILESS_MAIN(TestRegistration)
#include "test_registration.moc"
