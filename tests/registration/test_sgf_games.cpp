// Games read from and written to SGF files: the files on disk, and professional games
// checked position by position against GNU Go.
#include "common/stone_colour.h"
#include "go/board_model.h"
#include "output/printed_game.h"
#include "registration/sgf_games.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

common::AppState StateIn(const TempRoot& root) {
    common::AppState state;
    state.dataRoot = root.path();
    state.inProgressFolder = root.File("対局中棋譜");
    state.currentGamesFolder = state.inProgressFolder;
    return state;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The stones of the position as GNU Go lists them: "A19 C17 ...", columns without I.
QString Vertices(const go::BoardGrid& board, int whiteFirst, bool black) {
    static const QString kColumns = QStringLiteral("ABCDEFGHJKLMNOPQRST");
    QStringList vertices;
    for (int y = 1; y <= go::kBoardSize; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x) {
            const bool blackStone =
                common::ColourOfStone(board.At(x, y), whiteFirst) == common::StoneColour::Black;
            if (board.Occupied(x, y) && blackStone == black)
                vertices << kColumns.at(x - 1) + QString::number(20 - y);
        }
    }
    vertices.sort();
    return vertices.join(' ');
}

QString SortedVertices(const QString& response) {
    QStringList vertices = response.mid(2).trimmed().split(' ', Qt::SkipEmptyParts);
    vertices.sort();
    return vertices.join(' ');
}

/// Runs the GTP commands in one GNU Go process; the answers, without their "= ".
QStringList AskGnuGo(const QString& program, const QStringList& commands) {
    QProcess gnugo;
    gnugo.start(program, {"--mode", "gtp"});
    gnugo.write((commands.join('\n') + "\nquit\n").toUtf8());
    gnugo.closeWriteChannel();
    gnugo.waitForFinished(120000);
    QStringList answers = QString::fromUtf8(gnugo.readAllStandardOutput()).split("\n\n");
    while (!answers.isEmpty() && answers.last().trimmed().isEmpty())
        answers.removeLast();
    answers.removeLast();  // the answer to quit
    return answers;
}

QString GnuGo() {
    const QString gnugo = QStandardPaths::findExecutable("gnugo");
    return gnugo.isEmpty() ? QStandardPaths::findExecutable("gnugo", {"/usr/games"}) : gnugo;
}

}  // namespace

class TestSgfGames : public QObject {
    Q_OBJECT
  private slots:
    void importWritesRecordAndAddress() {
        TempRoot root;
        const common::AppState state = StateIn(root);
        const QByteArray sgf = "(;FF[4]DT[2026-10-01]HA[2]AB[dp][pd];W[aa];B[ba];W[pp];B[ab])";
        const admin::SgfImportOutcome outcome =
            admin::ImportSgfGame(state, "相手", "一", sgf, false, QDate(2026, 12, 8));
        QVERIFY2(outcome.written, qPrintable(outcome.message));
        QCOMPARE(outcome.message, "相手 さんの 一 局を SGF から読み込みました（7行）。");
        const QByteArray blank30(30, ' ');
        QCOMPARE(ReadFile(root.File("対局中棋譜/相手/一.txt")),
                 "2026/10/01,-2 , 3 , 20 ,\x94\x92" + QByteArray(29, ' ') + "\r\n" +
                     "10-01-2026,-1 , 4 , 16 ," + blank30 + "\r\n" + "10-01-2026, 0 , 16 , 4 ," +
                     blank30 + "\r\n" + "10-01-2026, 1 , 1 , 1 ," + blank30 + "\r\n" +
                     "10-01-2026, 2 , 2 , 1 ," + blank30 + "\r\n" + "10-01-2026, 3 , 16 , 16 ," +
                     blank30 + "\r\n" + "10-01-2026, 4 , 1 , 2 ," + blank30 + "\r\n" +
                     "10-01-2026, 1 , 1 , 1 ," + blank30 + "\r\n");
        QVERIFY(QFileInfo::exists(root.File("Address/相手.txt")));
        // What the record cannot hold lies beside it; the export takes the date from there.
        QCOMPARE(ReadFile(root.File("対局中棋譜/相手/一.info")), "DT=2026-10-01\r\n");
        root.Write("対局中棋譜/相手/一.info", "PB=\x8d\x62\r\nDT=2026-10\r\n");
        QVERIFY(admin::ExportSgfGames(state, "相手", "一")->contains("PB[甲]PW[自分]"));
        QVERIFY(admin::ExportSgfGames(state, "相手", "一")->contains("KM[0]DT[2026-10]\n"));

        // A second import under the same names never replaces the record.
        const QByteArray before = ReadFile(root.File("対局中棋譜/相手/一.txt"));
        const admin::SgfImportOutcome again =
            admin::ImportSgfGame(state, "相手", "一", "(;B[aa])", true, QDate(2026, 12, 8));
        QVERIFY(!again.written);
        QCOMPARE(again.message, "相手 さんの 一 局はすでにあります。別の対局名にしてください。");
        QCOMPARE(ReadFile(root.File("対局中棋譜/相手/一.txt")), before);
        const admin::SgfImportOutcome badName =
            admin::ImportSgfGame(state, "相手", "a/b", "(;B[aa])", true, QDate(2026, 12, 8));
        QVERIFY(!badName.written);
        QCOMPARE(badName.message, "対局名に「/」の文字は使用できません。");
    }

    // A record edited by hand: a capture never taken off, then play around it. GNU Go must
    // see the record's position after every move of the export.
    void editedRecordMatchesGnuGoAfterEveryMove() {
        const QString gnugo = GnuGo();
        if (gnugo.isEmpty())
            QSKIP("GNU Go is not installed");
        TempRoot root;
        const common::AppState state = StateIn(root);
        // Black ba, White aa, Black ab takes aa (left on the board), White cc, Black ca takes
        // nothing by the record but would by the rules had aa gone, White bb.
        root.Write("対局中棋譜/相手/g.txt",
                   "2026/10/01, 0 , 1 , 20 ,\x8d\x95\r\n"
                   "10-01-2026, 1 , 2 , 1 ,\r\n10-01-2026, 2 , 1 , 1 ,\r\n"
                   "10-01-2026, 3 , 1 , 2 ,\r\n10-01-2026, 4 , 3 , 3 ,\r\n"
                   "10-01-2026, 5 , 3 , 1 ,\r\n10-01-2026, 6 , 2 , 2 ,\r\n");
        const std::optional<QByteArray> exported = admin::ExportSgfGames(state, "相手", "g");
        QVERIFY(exported.has_value());
        root.Write("export.sgf", *exported);
        go::BoardModel model;
        model.LoadRecord(state.RecordPath("相手", "g"));
        QStringList commands;
        for (int k = 1; k <= 6; ++k)
            commands << QString("loadsgf %1 %2").arg(root.File("export.sgf")).arg(k + 1)
                     << "list_stones black"
                     << "list_stones white";
        const QStringList answers = AskGnuGo(gnugo, commands);
        QCOMPARE(answers.size(), commands.size());
        QList<int> ends;  // read before any position is shown, which cuts the table short
        for (int k = 1; k <= 6; ++k)
            ends << output::RowAfterMove(model.table(), k);
        for (int k = 1; k <= 6; ++k) {
            model.ShowPositionAt(ends[k - 1]);
            QCOMPARE(Vertices(model.board(), 0, true), SortedVertices(answers[3 * k - 2]));
            QCOMPARE(Vertices(model.board(), 0, false), SortedVertices(answers[3 * k - 1]));
        }
    }

    void professionalGamesMatchGnuGo_data() {
        QTest::addColumn<QString>("file");
        for (const char* name : {"handicap_1850.sgf", "ear_reddening_1846.sgf",
                                 "korean_league_2009_ff3.sgf", "castle_game_1861.sgf"})
            QTest::newRow(name) << QStringLiteral(SGF_DATA_DIR) + "/" + name;
    }
    void professionalGamesMatchGnuGo() {
        const QString gnugo = GnuGo();
        if (gnugo.isEmpty())
            QSKIP("GNU Go is not installed");
        QFETCH(QString, file);
        TempRoot root;
        const common::AppState state = StateIn(root);
        const admin::SgfImportOutcome outcome =
            admin::ImportSgfGame(state, "相手", "g", ReadFile(file), true, QDate(2026, 12, 8));
        QVERIFY2(outcome.written, qPrintable(outcome.message));

        go::BoardModel model;
        model.LoadRecord(state.RecordPath("相手", "g"));
        QList<int> ends;
        for (int move = 1; output::RowAfterMove(model.table(), move) > 0; ++move)
            ends << output::RowAfterMove(model.table(), move);
        QStringList commands;
        for (int k = 1; k <= ends.size(); ++k)
            commands << QString("loadsgf %1 %2").arg(file).arg(k + 1) << "list_stones black"
                     << "list_stones white";
        const std::optional<QByteArray> exported = admin::ExportSgfGames(state, "相手", "g");
        QVERIFY(exported.has_value());
        root.Write("export.sgf", *exported);
        commands << "loadsgf " + root.File("export.sgf") << "list_stones black"
                 << "list_stones white";
        const QStringList answers = AskGnuGo(gnugo, commands);
        QCOMPARE(answers.size(), commands.size());

        const int whiteFirst = model.table().whiteFirst;
        for (int k = 0; k < ends.size(); ++k) {
            model.ShowPositionAt(ends[k]);
            QCOMPARE(Vertices(model.board(), whiteFirst, true), SortedVertices(answers[3 * k + 1]));
            QCOMPARE(Vertices(model.board(), whiteFirst, false),
                     SortedVertices(answers[3 * k + 2]));
        }
        const int last = int(answers.size()) - 3;
        QCOMPARE(Vertices(model.board(), whiteFirst, true), SortedVertices(answers[last + 1]));
        QCOMPARE(Vertices(model.board(), whiteFirst, false), SortedVertices(answers[last + 2]));
    }
};

QTEST_MAIN(TestSgfGames)
#include "test_sgf_games.moc"
