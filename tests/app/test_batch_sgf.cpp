// The command-line SGF modes and the games listing: exit status, messages on the right
// stream, files written, and none written through a link planted out of the data root.
#include "app/batch_mode.h"
#include "engine/dead_stone_proposal.h"
#include "testing/temp_root.h"

#include <QtTest>

namespace {

struct Run {
    int status = 0;
    QString out;
    QString err;
};

Run RunMode(const TempRoot& root, const QStringList& arguments) {
    QCommandLineParser parser;
    for (const app::BatchMode& mode : app::BatchModes())
        mode.declareOptions(parser);
    if (!parser.parse(QStringList{"soramame"} + arguments))
        return {-1, QString(), parser.errorText()};
    const app::BatchMode* chosen = nullptr;
    for (const app::BatchMode& mode : app::BatchModes()) {
        if (parser.isSet(mode.trigger))
            chosen = &mode;
    }
    if (chosen == nullptr)
        return {-1, QString(), QStringLiteral("no mode")};
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = chosen->run(app::BatchContext{root.path(), parser, out, err});
    out.flush();
    err.flush();
    return run;
}

}  // namespace

class TestBatchSgf : public QObject {
    Q_OBJECT
  private slots:
    void modes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QStringList import{"--import-sgf", "game.sgf", "--opponent", "相手", "--game"};
        QTest::newRow("import") << import + QStringList{"新"} << 0
                                << "相手 さんの 新 局を SGF から読み込みました（3行）。\n"
                                << "";
        QTest::newRow("existing game")
            << import + QStringList{"旧"} << 1 << ""
            << "相手 さんの 旧 局はすでにあります。別の対局名にしてください。\n";
        QTest::newRow("bad colour") << import + QStringList{"新", "--colour", "赤"} << 2 << ""
                                    << "--colour は 黒 か 白 です。\n";
        QTest::newRow("refused file")
            << QStringList{"--import-sgf", "small.sgf", "--opponent", "相手", "--game", "新"} << 1
            << ""
            << "19路盤でない棋譜（SZ[9]）は読み込めません。\n";
        // Links planted by the set-up below, each leading out of the data root.
        const QString outside =
            "局のファイルがデータフォルダの外を指しているため、登録できません。\n";
        QTest::newRow("import, opponent folder linked outside")
            << QStringList{"--import-sgf", "game.sgf", "--opponent", "外", "--game", "新"} << 1
            << ""
            << "外 さんの 新 " + outside;
        QTest::newRow("import, dangling linked record") << import + QStringList{"宙"} << 1 << ""
                                                        << "相手 さんの 宙 " + outside;
        QTest::newRow("import, linked address file")
            << QStringList{"--import-sgf", "game.sgf", "--opponent", "住所", "--game", "新"} << 1
            << ""
            << "住所 さんの 新 " + outside;
        QTest::newRow("export to stdout") << QStringList{"--export-sgf", "相手/旧"} << 0
                                          << "(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]PB[自分]"
                                             "PW[相手]KM[0]DT[2026-10-01]\n;B[aa])\n"
                                          << "";
        QTest::newRow("export of a missing game")
            << QStringList{"--export-sgf", "相手/無"} << 1 << ""
            << "対局が見つかりません: 相手/無\n";
        // The listing of games in play reads the same data root: the backed-up game is not
        // in play, and the player (Black) waits for White's move 2, with the 10-day limit
        // of the data root's 期限設定.dat.
        const QString listed =
            "対局者\t対局名\t手合割\tコミ\t色\t手数\t最終記録日\t手番\t経過日数"
            "\t期限\t残り日数\n相手\t旧\t互先\tコミなし\t黒\t1\t2026/10/01\t相手\t";
        const qint64 waited = QDate(2026, 10, 1).daysTo(QDate::currentDate());
        QTest::newRow("list games")
            << QStringList{"--list-games"} << 0
            << listed + QString::number(waited) + "\t10\t" + QString::number(10 - waited) + "\n"
            << "";
        QTest::newRow("list games as of another day")
            << QStringList{"--list-games", "--today", "2026-10-15"} << 0 << listed + "14\t10\t-4\n"
            << "";
        const QString badDay = "--today は 2026-12-08 のような日付（年-月-日）です。\n";
        QTest::newRow("--today not a day")
            << QStringList{"--list-games", "--today", "2026-02-30"} << 2 << "" << badDay;
        QTest::newRow("--today in another form")
            << QStringList{"--list-games", "--today", "2026/10/15"} << 2 << "" << badDay;
        QTest::newRow("export of a backed-up game")
            << QStringList{"--export-sgf", "退避/古"} << 0
            << "(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]PB[自分]PW[退避]KM[0]DT[2026-10-01]\n;B["
               "aa])\n"
            << "";
        // An engine is asked about finished games only; the stand-in calls 4の四 and 16の十六
        // dead, which leaves an empty board and a drawn count.
        const QString fake = QStringLiteral(FAKE_GTP_ENGINE " normal");
        QTest::newRow("dead stones of a backed-up game")
            << QStringList{"--estimate-dead", "退避/死", "--engine", fake} << 0
            << "四の四\t4,4\t黒\n十六の十六\t16,16\t白\n死に石 2 個　黒 -1　白 -1　ジゴ\n"
            << "";
        const QString inPlay =
            "対局中の対局には思考エンジンを使えません（結果を対戦記録に記録"
            "するか、退避した対局だけに使えます）: 相手/旧\n";
        QTest::newRow("dead stones of a game in play")
            << QStringList{"--estimate-dead", "相手/旧", "--engine", fake} << 2 << "" << inPlay;
        QTest::newRow("score graph of a game in play")
            << QStringList{"--score-graph", "相手/旧", "--engine", fake} << 2 << "" << inPlay;
        QTest::newRow("no engine")
            << QStringList{"--estimate-dead", "退避/死", "--engine", "/nonexistent/gnugo"} << 3
            << ""
            << "思考エンジンを起動できませんでした（/nonexistent/gnugo）。\n" +
                   engine::kEngineHelp + "\n";
    }
    void modes() {
        QFETCH(QStringList, arguments);
        TempRoot root;
        root.Write("game.sgf", "(;FF[4]KM[6.5];B[pd];W[dp];B[pp])");
        root.Write("small.sgf", "(;SZ[9];B[ee])");
        root.Write("対局中棋譜/相手/旧.txt",
                   "2026/10/01, 0 , 1 , 20 ,\x8d\x95" + QByteArray(29, ' ') +
                       "\r\n10-01-2026, 1 , 1 , 1 ," + QByteArray(30, ' ') + "\r\n");
        root.Write("退避後棋譜/退避/古.txt", root.Read("対局中棋譜/相手/旧.txt"));
        root.Write("退避後棋譜/退避/死.txt",
                   "2026/10/01, 0 , 1 , 20 ,\x8d\x95" + QByteArray(29, ' ') +
                       "\r\n10-01-2026, 1 , 4 , 4 ," + QByteArray(30, ' ') +
                       "\r\n10-01-2026, 2 , 16 , 16 ," + QByteArray(30, ' ') + "\r\n");
        root.Write("期限設定.dat", "\x8a\xfa\x8c\xc0=10\r\n");  // 期限=10
        TempRoot outside;
        QDir().mkpath(root.File("Address"));
        QVERIFY(QFile::link(outside.path(), root.File("対局中棋譜/外")));
        QVERIFY(QFile::link(outside.File("宙.txt"), root.File("対局中棋譜/相手/宙.txt")));
        QVERIFY(QFile::link(outside.File("住所.txt"), root.File("Address/住所.txt")));
        QDir::setCurrent(root.path());
        const Run run = RunMode(root, arguments);
        QTEST(run.status, "status");
        QTEST(run.out, "out");
        QTEST(run.err, "err");
        // No mode writes through a planted link.
        QCOMPARE(
            QDir(outside.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            QStringList());
    }

    /// GNU Go itself on a real game decided by counting (1846, Black won by 2): the dead stones
    /// it names lead the program's count to the recorded result, and the record stays as it was.
    void realEngineCountsAFinishedGame() {
        if (engine::FindEngineProgram(engine::kDefaultEngineCommand).isEmpty())
            QSKIP("GNU Go (Debian package gnugo) is not installed");
        TempRoot root;
        const Run imported = RunMode(root, {"--import-sgf", SGF_DATA_DIR "/ear_reddening_1846.sgf",
                                            "--opponent", "秀策", "--game", "耳赤"});
        QCOMPARE(imported.status, 0);
        const QByteArray record = root.Read("対局中棋譜/秀策/耳赤.txt");
        root.Write("退避後棋譜/秀策/耳赤.txt", record);  // backed up: finished
        QVERIFY(QDir(root.File("対局中棋譜/秀策")).removeRecursively());
        QElapsedTimer clock;
        clock.start();
        const Run run = RunMode(root, {"--estimate-dead", "秀策/耳赤"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.endsWith("黒2目勝ち\n"), qPrintable(run.out));
        QVERIFY(clock.elapsed() < 30'000);
        QCOMPARE(root.Read("退避後棋譜/秀策/耳赤.txt"), record);
    }

    void exportToFile() {
        TempRoot root;
        root.Write("対局中棋譜/相手/旧.txt",
                   "2026/10/01, 0 , 1 , 20 ,\x8d\x95\r\n10-01-2026, 1 , 1 , 1 ,\r\n");
        const Run run = RunMode(root, {"--export-sgf", "相手", "--output", root.File("all.sgf")});
        QCOMPARE(run.status, 0);
        QCOMPARE(
            root.Read("all.sgf"),
            QByteArray("(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]PB[\xe8\x87\xaa\xe5\x88\x86]"
                       "PW[\xe7\x9b\xb8\xe6\x89\x8b]KM[0]DT[2026-10-01]\n;B[aa])\n"));
    }
};

QTEST_MAIN(TestBatchSgf)
#include "test_batch_sgf.moc"
