// SGF files both ways: the parser, character sets, refusals, golden export and round trips.
#include "output/sgf_export.h"
#include "output/sgf_import.h"
#include "output/sgf_text.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QRandomGenerator>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString MoveSummary(const output::SgfGame& game) {
    QStringList moves;
    for (const output::SgfNode& node : game.nodes) {
        for (const char* colour : {"B", "W"}) {
            if (node.contains(colour))
                moves << QString(colour) + ":" + node.value(colour).first();
        }
    }
    return moves.join(' ');
}

QString Blank(int width) {
    return QString(width, ' ');
}

/// Loads record lines as the program does, through the record file.
store::RecordTable TableOf(const TempRoot& root, const QStringList& lines) {
    store::WriteTextLines(root.File("g.txt"), lines);
    store::RecordTable table;
    store::ReadRecordFile(root.File("g.txt"), table);
    return table;
}

QString DataFile(const QString& name) {
    return QStringLiteral(SGF_DATA_DIR) + "/" + name;
}

}  // namespace

class TestSgf : public QObject {
    Q_OBJECT
  private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<int>("rootStones");
        QTest::addColumn<QString>("rootComment");
        QTest::addColumn<bool>("variations");
        QTest::addColumn<bool>("moreGames");
        QTest::newRow("plain") << "(;FF[4]SZ[19];B[pd];W[dp])" << true << "B:pd W:dp" << 0 << ""
                               << false << false;
        QTest::newRow("main line of variations")
            << "(;SZ[19];B[pd](;W[dp];B[pp](;W[aa])(;W[bb]))(;W[dd]))" << true
            << "B:pd W:dp B:pp W:aa" << 0 << "" << true << false;
        QTest::newRow("old long names") << "(;GaMe[1]AddBlack[dd][pp];Black[qd];White[dc])" << true
                                        << "B:qd W:dc" << 2 << "" << false << false;
        QTest::newRow("lower-case names") << "(;sz[19]ab[dd][pp];b[pd];w[dp])" << true
                                          << "B:pd W:dp" << 2 << "" << false << false;
        QTest::newRow("escapes and soft line break")
            << "(;C[a\\]b\\\\c\\\nd];B[aa])" << true << "B:aa" << 0 << "a]b\\cd" << false << false;
        QTest::newRow("blanks everywhere")
            << "( ; SZ [19]\n ; B [pd] )" << true << "B:pd" << 0 << "" << false << false;
        QTest::newRow("text before the game")
            << "From the archive\n(;B[aa])" << true << "B:aa" << 0 << "" << false << false;
        QTest::newRow("two games")
            << "(;B[aa])(;B[bb])" << true << "B:aa" << 0 << "" << false << true;
        QTest::newRow("not SGF") << "hello (world)" << false << "" << 0 << "" << false << false;
        QTest::newRow("unterminated value") << "(;B[aa" << false << "" << 0 << "" << false << false;
        QTest::newRow("unclosed tree")
            << "(;B[aa];W[bb]" << false << "" << 0 << "" << false << false;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<output::SgfGame> game = output::ParseSgf(text);
        QCOMPARE(game.has_value(), valid);
        if (!valid)
            return;
        QTEST(MoveSummary(*game), "moves");
        QTEST(int(game->nodes.first().value("AB").size()), "rootStones");
        QTEST(game->nodes.first().value("C").join(""), "rootComment");
        QTEST(game->hadVariations, "variations");
        QTEST(game->hadMoreGames, "moreGames");
    }

    void charsets_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("black");
        QTest::addColumn<bool>("guessed");
        QTest::newRow("none means UTF-8")
            << QByteArray("(;PB[\xe7\xa2\x81];B[aa])") << "碁" << false;
        QTest::newRow("Shift_JIS with a 5C trail byte")
            << QByteArray("(;CA[Shift_JIS]PB[\x83\x5c\x95\x5c];B[aa])") << "ソ表" << false;
        QTest::newRow("CP932") << QByteArray("(;CA[cp932]PB[\x87\x40];B[aa])") << "①" << false;
        QTest::newRow("Shift_JIS written by Windows")
            << QByteArray("(;CA[SJIS]PB[\x87\x40];B[aa])") << "①" << false;
        QTest::newRow("no CA, not UTF-8") << QByteArray("(;PB[\x8c\xe9];B[aa])") << "碁" << true;
        QTest::newRow("EUC-JP") << QByteArray("(;CA[EUC-JP]PB[\xb8\xeb];B[aa])") << "碁" << false;
        QTest::newRow("GB2312") << QByteArray("(;CA[GB2312]PB[\xce\xa7\xc6\xe5];B[aa])") << "围棋"
                                << false;
        QTest::newRow("ISO-8859-1")
            << QByteArray("(;CA[ISO-8859-1]PB[Jos\xe9];B[aa])") << "José" << false;
    }
    void charsets() {
        QFETCH(QByteArray, bytes);
        bool guessed = false;
        const std::optional<QString> text = output::DecodeSgfBytes(bytes, nullptr, &guessed);
        QVERIFY(text.has_value());
        QTEST(guessed, "guessed");
        if (guessed) {
            QCOMPARE(output::ImportSgf(bytes, true, QDate(2026, 12, 8)).notes,
                     QStringList{"文字コードの指定（CA）がなく UTF-8 でもないため、Shift_JIS "
                                 "として読みました。"});
        }
        const std::optional<output::SgfGame> game = output::ParseSgf(*text);
        QVERIFY(game.has_value());
        QTEST(game->nodes.first().value("PB").value(0), "black");
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not SGF") << QByteArray("Dear friend, my move is 4-4.")
                                 << "SGF の棋譜ファイルではありません。";
        QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1a\n\x00\xff\xfe(x;", 14)
                                  << "SGF の棋譜ファイルではありません。";
        QTest::newRow("board size")
            << QByteArray("(;SZ[13];B[aa])") << "19路盤でない棋譜（SZ[13]）は読み込めません。";
        QTest::newRow("another game")
            << QByteArray("(;GM[2];B[aa])") << "囲碁の棋譜ではありません（GM[2]）。";
        QTest::newRow("file format")
            << QByteArray("(;FF[5];B[aa])") << "SGF の版 FF[5] は読めません（FF[1]～FF[4]）。";
        QTest::newRow("white setup in the root")
            << QByteArray("(;AB[aa][bb]AW[cc];W[dd])")
            << "白石や空点の配置（AW/AE）がある棋譜は読み込めません。";
        QTest::newRow("one handicap stone")
            << QByteArray("(;AB[dd];W[pp])") << "置石が1個の棋譜は読み込めません（2～13個）。";
        QTest::newRow("setup after the root")
            << QByteArray("(;B[aa];W[bb];AB[cc])")
            << "2手目の後に石の配置（AB）があるため読み込めません。";
        QTest::newRow("occupied point")
            << QByteArray("(;B[aa];W[bb];B[bb])") << "3手目（bb）は石のある点に打たれています。";
        QTest::newRow("suicide") << QByteArray("(;B[ba];W[cc];B[ab];W[aa])")
                                 << "4手目（aa）は自殺手で、打てない手です。";
        QTest::newRow("bytes not in the charset")
            << QByteArray("(;CA[UTF-8]PB[\xff\xfe];B[aa])")
            << "文字コード UTF-8 として読めないファイルです。";
        // A ko taken back and forth: every move adds its capture, two rows a move.
        QByteArray tooLong = "(;B[ba];W[ca];B[ab];W[bb];B[bc];W[db];B[ss];W[cc]";
        for (int i = 0; i < 110; ++i)
            tooLong += ";B[cb];W[bb]";
        tooLong += ")";
        QTest::newRow("more than 440 rows")
            << tooLong << "棋譜の行が440行を超えるため読み込めません。";
    }
    void refusals() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const output::SgfImport imported = output::ImportSgf(bytes, true, QDate(2026, 12, 8));
        QVERIFY(!imported.accepted);
        QVERIFY(imported.lines.isEmpty());
        QCOMPARE(imported.refusal, message);
    }

    // Files as other programs really write them: what is read, what is refused, and what the
    // player is told (exactly) about what was assumed or changed on the way.
    void importEdges_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal");  // empty: read
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QString>("date");   // the header's date
        QTest::addColumn<int>("handicap");   // the handicap code
        QTest::addColumn<int>("rows");       // rows after the header
        QTest::addColumn<QString>("black");  // PB as kept beside the record
        const QString today = "2026/12/08";
        const QString kept = "（SGF への書き出しでは元の日付のままです）。";

        QTest::newRow("1 handicap in the node after the root")
            << QByteArray("(;FF[3]SZ[19];AB[dp][pd]HA[2];W[qp];B[dd])") << ""
            << QStringList{"最初の着手より前のノードにある黒石の配置（AB）を置石として読みました。"}
            << today << 3 << 4 << "";
        QTest::newRow("1 setup after a pass")
            << QByteArray("(;AB[dp][pd];W[qp];B[];AB[dd])")
            << "2手目の後に石の配置（AB）があるため読み込めません。" << QStringList() << "" << 0
            << 0 << "";
        QTest::newRow("1 setup beside a later move")
            << QByteArray("(;B[aa];W[bb]AB[cc])")
            << "2手目と同じノードに石の配置（AB）があるため読み込めません。" << QStringList() << ""
            << 0 << 0 << "";
        QTest::newRow("1 white stones before the first move")
            << QByteArray("(;;AB[dd][pp];AW[qq];B[aa])")
            << "白石や空点の配置（AW/AE）がある棋譜は読み込めません。" << QStringList() << "" << 0
            << 0 << "";

        QTest::newRow("2 a year alone")
            << QByteArray("(;DT[1941];B[aa])") << ""
            << QStringList{"対局日 DT[1941] は年だけのため、棋譜の日付は 1941/01/01 としました" +
                           kept}
            << "1941/01/01" << 1 << 1 << "";
        QTest::newRow("2 a month alone")
            << QByteArray("(;DT[1996-08];B[aa])") << ""
            << QStringList{"対局日 DT[1996-08] は年と月だけのため、棋譜の日付は 1996/08/01 としました" +
                           kept}
            << "1996/08/01" << 1 << 1 << "";
        QTest::newRow("2 date and time")
            << QByteArray("(;DT[2001/10/10 15:38:55 UT];B[aa])") << ""
            << QStringList{"対局日 DT[2001/10/10 15:38:55 UT] を 2001/10/10 と読みました。"}
            << "2001/10/10" << 1 << 1 << "";
        QTest::newRow("2 dots") << QByteArray("(;DT[2004.03.18];B[aa])") << ""
                                << QStringList{"対局日 DT[2004.03.18] を 2004/03/18 と読みました。"}
                                << "2004/03/18" << 1 << 1 << "";
        QTest::newRow("2 two days")
            << QByteArray("(;DT[2004-03-18,19];B[aa])") << ""
            << QStringList{"対局日が複数あるため、どの行も最初の日付 2004/03/18 にしました。"}
            << "2004/03/18" << 1 << 1 << "";
        QTest::newRow("2 no date at all")
            << QByteArray("(;B[aa])") << "" << QStringList() << today << 1 << 1 << "";
        QTest::newRow("2 unreadable")
            << QByteArray("(;DT[summer];B[aa])") << ""
            << QStringList{"対局日 DT[summer] が読めないため、棋譜の日付は今日の 2026/12/08 "
                           "としました" +
                           kept}
            << today << 1 << 1 << "";

        QTest::newRow("3 no CA, UTF-8")
            << QByteArray("(;PB[\xe7\xa2\x81];B[aa])") << ""
            << QStringList{"文字コードの指定（CA）がないため、UTF-8 として読みました。"} << today
            << 1 << 1 << "碁";
        QTest::newRow("3 no CA, Shift_JIS")
            << QByteArray("(;PB[\x96\x7b\x88\xf6\x96\x56];B[aa])") << ""
            << QStringList{"文字コードの指定（CA）がなく UTF-8 でもないため、Shift_JIS "
                           "として読みました。"}
            << today << 1 << 1 << "本因坊";
        // "é" and the "r" after it are valid Shift_JIS, a rare kanji: not taken for Japanese.
        QTest::newRow("3 no CA, Latin-1 that is also Shift_JIS")
            << QByteArray("(;PB[G\xe9rard];B[aa])") << ""
            << QStringList{"文字コードの指定（CA）がなく UTF-8 でも Shift_JIS でもないため、"
                           "ISO-8859-1 として読みました。",
                           "対局者名などの 1 文字は Shift_JIS にない文字のため「?」として残しました。"}
            << today << 1 << 1 << "Gérard";
        QTest::newRow("3 unknown CA")
            << QByteArray("(;CA[KLINGON]PB[\xe7\xa2\x81];B[aa])") << ""
            << QStringList{"文字コードの指定 CA[KLINGON] は知らない文字コードのため、UTF-8 "
                           "として読みました。"}
            << today << 1 << 1 << "碁";
        // Saved again by an editor that kept the old CA.
        QTest::newRow("3 CA UTF-8 on Shift_JIS bytes")
            << QByteArray("(;CA[UTF-8]PB[\x96\x7b\x88\xf6\x96\x56];B[aa])") << ""
            << QStringList{"文字コードの指定は CA[UTF-8] ですが、Shift_JIS のファイルのため、"
                           "Shift_JIS として読みました。"}
            << today << 1 << 1 << "本因坊";
        QTest::newRow("3 CA SJIS on UTF-8 bytes")
            << QByteArray("(;CA[SJIS]PB[\xe6\x9c\xac\xe5\x9b\xa0\xe5\x9d\x8a];B[aa])") << ""
            << QStringList{"文字コードの指定は CA[SJIS] ですが、UTF-8 のファイルのため、UTF-8 "
                           "として読みました。"}
            << today << 1 << 1 << "本因坊";
        QTest::newRow("3 CA Latin-1") << QByteArray("(;CA[Latin-1]PB[Jos\xe9];B[aa])") << ""
                                      << QStringList{"対局者名などの 1 文字は Shift_JIS にない文字のため「?」として残しました。"} << today << 1 << 1 << "José";

        const QString utf16 = "(;CA[UTF-8]PB[本因坊];B[aa])";
        QByteArray littleEndian("\xff\xfe");
        QByteArray bigEndian("\xfe\xff");
        for (const QChar c : utf16) {
            littleEndian += char(c.unicode() & 0xff);
            littleEndian += char(c.unicode() >> 8);
            bigEndian += char(c.unicode() >> 8);
            bigEndian += char(c.unicode() & 0xff);
        }
        QTest::newRow("4 UTF-16LE")
            << littleEndian << "" << QStringList() << today << 1 << 1 << "本因坊";
        QTest::newRow("4 UTF-16BE")
            << bigEndian << "" << QStringList() << today << 1 << 1 << "本因坊";

        QTest::newRow("5 cut in half")
            << QByteArray("(;FF[4]\nPB[x]\n;B[aa]\n;W[bb]\n;B[c") << ""
            << QStringList{"ファイルが 5行目で途切れています（最後の「)」がありません）。"
                           "そこまでの 2手を読み込みました。"}
            << today << 1 << 2 << "x";
        QTest::newRow("5 broken in the middle")
            << QByteArray("(;B[aa]\r\n;W[bb]\r\n;B[cc]]\r\n;W[dd])") << ""
            << QStringList{"ファイルが 3行目で壊れています。そこまでの 3手を読み込みました。"}
            << today << 1 << 3 << "";
        QTest::newRow("5 cut inside the root")
            << QByteArray("(;FF[4]GM[1]SZ[19]\nPB[Hon")
            << "SGF の棋譜ファイルが 2行目で途切れているため読み込めません。" << QStringList() << ""
            << 0 << 0 << "";
        QByteArray noise(4000, '\0');
        QRandomGenerator random(25);
        for (char& byte : noise)
            byte = char(random.bounded(256));
        QTest::newRow("5 random bytes holding a game start")
            << noise.insert(3000, "(;B[aa])") << "SGF の棋譜ファイルではありません。"
            << QStringList() << "" << 0 << 0 << "";

        QTest::newRow("6 comments")
            << QByteArray(
                   "(;CA[UTF-8]C[about the game];B[aa]C[0123456789012345678901234567890123456789]"
                   ";W[bb]C[\xeb\xb0\x94\xeb\x91\x91 \xe5\x9b\xb4\xe6\xa3\x8b];B[cc]C[a,b "
                   "\"c\"];W[])")
            << ""
            << QStringList{"コメント 1 件は棋譜に入る 30 文字までで切りました。",
                           "コメント 1 件の 3 文字は Shift_JIS にない文字のため「?」にしました。",
                           "コメント 1 件の「,」を「、」にしました。",
                           "コメント 1 件の「\"」を「”」にしました。",
                           "石を打たないノードのコメント 1 "
                           "件は、書く行がないため読み込みませんでした。",
                           "パス（1回）は棋譜に書けないため飛ばしました。"}
            << today << 1 << 3 << "";
    }
    void importEdges() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        const output::SgfImport imported = output::ImportSgf(bytes, true, QDate(2026, 12, 8));
        QCOMPARE(imported.refusal, refusal);
        QCOMPARE(imported.accepted, refusal.isEmpty());
        QTEST(imported.notes, "notes");
        if (!imported.accepted)
            return;
        QTEST(imported.lines.first().left(10), "date");
        QTEST(imported.handicapCode, "handicap");
        QTEST(int(imported.lines.size()) - 1, "rows");
        QTEST(imported.info.blackPlayer, "black");
    }

    // Files made to hurt the reader: each is refused with its message, quickly, or read
    // safely; none may crash the program or keep it waiting.
    void hostileFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        // 40,000 levels of variations are read without running out of stack, then judged.
        QTest::newRow("deep nesting without moves") << "nesting"
                                                    << "";
        QTest::newRow("deep nesting of moves") << "nested moves"
                                               << "2手目（aa）は石のある点に打たれています。";
        QTest::newRow("larger than any game record")
            << "large"
            << "%1 は SGF の棋譜ファイルとしては大きすぎるため読み込めません（4 MB まで）。";
        QTest::newRow("FIFO") << "fifo"
                              << "%1 はファイルではないため読み込めません。";
        QTest::newRow("folder") << "folder"
                                << "%1 はファイルではないため読み込めません。";
    }
    void hostileFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        TempRoot root;
        const QString path = root.File("hostile.sgf");
        if (kind == "nesting") {
            root.Write("hostile.sgf",
                       QByteArray("(;").repeated(40000) + QByteArray(")").repeated(40000));
        } else if (kind == "nested moves") {
            QByteArray bytes;
            for (int i = 0; i < 40000; ++i)
                bytes += i % 2 == 0 ? "(;B[aa]" : "(;W[aa]";
            root.Write("hostile.sgf", bytes + QByteArray(")").repeated(40000));
        } else if (kind == "large") {
            root.Write("hostile.sgf", "(;B[aa]C[" + QByteArray(4 * 1024 * 1024, 'x') + "])");
        } else if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QVERIFY(QDir().mkdir(path));
        }
        QElapsedTimer clock;
        clock.start();
        const output::SgfFileBytes file = output::ReadSgfFile(path);
        if (file.refusal.isEmpty()) {
            const output::SgfImport imported =
                output::ImportSgf(file.bytes, true, QDate(2026, 12, 8));
            QCOMPARE(imported.accepted, message.isEmpty());
            QCOMPARE(imported.refusal, message);
        } else {
            QCOMPARE(file.refusal, message.arg(path));
        }
        QVERIFY(clock.elapsed() < 5000);
    }

    void importLines() {
        const QByteArray sgf =
            "(;FF[4]CA[UTF-8]SZ[19]KM[6.5]DT[2026-10-01,06]"
            ";B[ba]C[\xe4\xb8\x80\xe6\x89\x8b, \"ok\"];W[aa];B[ab];W[];B[cc])";
        const output::SgfImport imported = output::ImportSgf(sgf, false, QDate(2026, 12, 8));
        QVERIFY2(imported.accepted, qPrintable(imported.refusal));
        const QStringList expected{
            "2026/10/01, 0 , 1 , 33 ,白" + Blank(29),
            "10-01-2026, 1 , 2 , 1 ,一手、 ”ok”" + Blank(22),
            "10-01-2026, 2 , 1 , 1 ," + Blank(30),
            "10-01-2026, 3 , 1 , 2 ," + Blank(30),
            "10-01-2026, 2 , 1 , 1 ," + Blank(30),
            // The pass leaves a gap, so that the next black stone keeps an odd number.
            "10-01-2026, 5 , 3 , 3 ," + Blank(30),
        };
        QCOMPARE(imported.lines, expected);
        QCOMPARE(imported.notes,
                 QStringList({"対局日が複数あるため、どの行も最初の日付 2026/10/01 にしました。",
                              "コメント 1 件の「,」を「、」にしました。",
                              "コメント 1 件の「\"」を「”」にしました。",
                              "パス（1回）は棋譜に書けないため飛ばしました。"}));
    }

    void komi_data() {
        QTest::addColumn<QString>("komi");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("notes");
        QTest::newRow("none") << "" << 20 << 0;
        QTest::newRow("6.5") << "KM[6.5]" << 33 << 0;
        QTest::newRow("whole points") << "KM[5]" << 30 << 0;
        QTest::newRow("rounded to half points") << "KM[2.75]" << 26 << 0;
        QTest::newRow("reverse komi") << "KM[-3.5]" << 13 << 0;
        QTest::newRow("clamped high") << "KM[50]" << 39 << 1;
        QTest::newRow("clamped low") << "KM[-12]" << 1 << 1;
    }
    void komi() {
        QFETCH(QString, komi);
        const output::SgfImport imported =
            output::ImportSgf(("(;" + komi + ";B[aa])").toUtf8(), true, QDate(2026, 12, 8));
        QVERIFY(imported.accepted);
        QTEST(imported.komiCode, "code");
        QTEST(int(imported.notes.size()), "notes");
    }

    void exportGolden() {
        TempRoot root;
        const store::RecordTable table =
            TableOf(root, {store::HeaderLine(QDate(2026, 10, 1), 1, 33, false),
                           store::RecordLine("10-01-2026", 1, 2, 1, "a]b\\c"),
                           store::RecordLine("10-01-2026", 2, 1, 1, ""),
                           store::RecordLine("10-01-2026", 3, 1, 2, ""),
                           store::RecordLine("10-01-2026", 2, 1, 1, ""),  // the capture: implicit
                           store::RecordLine("10-06-2026", 4, 10, 10, ""),
                           store::RecordLine("11-02-2026", 4, 10, 10, ""),  // dead stones taken off
                           store::RecordLine("11-02-2026", 3, 1, 2, "")});
        store::WriteTextLines(root.File("results.txt"),
                              {"相手 一局 互先(白) コミ黒６目半 [白1目半負け] 2026/11/01",
                               "相手 二局 互先(白) コミ黒６目半 [白9目勝ち] 2026/11/02",
                               "相手 一局 互先(白) コミ黒６目半 [白3目半勝ち] 2026/11/03"});
        const QString result = output::LastResultLabel(root.File("results.txt"), "相手", "一");
        QCOMPARE(result, "白3目半勝ち");
        const QString sgf = output::SgfGameTree(table, {"自分", "相手", result});
        QCOMPARE(sgf,
                 "(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]PB[相手]PW[自分]KM[6.5]"
                 "DT[2026-10-01,06,11-02]RE[W+3.5]\n;B[ba]C[a\\]b\\\\c]\n;W[aa]\n;B[ab]\n"
                 ";W[jj]\n;AE[jj][ab])\n");
    }

    void exportKeepsUnremovedCaptures() {
        TempRoot root;
        // White's stone on aa is captured by ab but the record never takes it off.
        const store::RecordTable table =
            TableOf(root, {store::HeaderLine(QDate(2026, 10, 1), 1, 20, true),
                           store::RecordLine("10-01-2026", 1, 2, 1, ""),
                           store::RecordLine("10-01-2026", 2, 1, 1, ""),
                           store::RecordLine("10-01-2026", 3, 1, 2, "")});
        QVERIFY(output::SgfGameTree(table, {"自分", "相手", QString()})
                    .endsWith(";B[ba]\n;W[aa]\n;B[ab]\n;AW[aa])\n"));
    }

    // The export gives back each position of the record and what the source file said.
    void exportFollowsRecord_data() {
        QTest::addColumn<QByteArray>("source");  // an SGF file imported first, or
        QTest::addColumn<QStringList>("lines");  // the record's lines
        QTest::addColumn<QString>("expected");
        const QString root = "(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]";
        // White's stone on aa is captured by ab but the record keeps it: back at once.
        QTest::newRow("7 capture put back after its move")
            << QByteArray() << QStringList{store::HeaderLine(QDate(2026, 10, 1), 1, 20, true),
                                           store::RecordLine("10-01-2026", 1, 2, 1, ""),
                                           store::RecordLine("10-01-2026", 2, 1, 1, ""),
                                           store::RecordLine("10-01-2026", 3, 1, 2, ""),
                                           store::RecordLine("10-01-2026", 4, 3, 3, ""),
                                           store::RecordLine("10-01-2026", 5, 4, 4, "")}
            << root +
                   "PB[自分]PW[相手]KM[0]DT[2026-10-01]\n;B[ba]\n;W[aa]\n;B[ab]\n;AW[aa]\n"
                   ";W[cc]\n;B[dd])\n";
        QTest::newRow("2/13 date and players of the source")
            << QByteArray(
                   "(;FF[4]PB[本因坊秀策]BR[4d]PW[井上因碩]EV[耳赤の一局]PC[大坂]DT[1846]"
                   "RE[B+2];B[aa])")
            << QStringList()
            << root +
                   "PB[本因坊秀策]BR[4d]PW[井上因碩]EV[耳赤の一局]PC[大坂]KM[0]DT[1846]"
                   "RE[B+2]\n;B[aa])\n";
        QTest::newRow("2 another program's date form")
            << QByteArray("(;DT[2004.03.18];B[aa])") << QStringList()
            << root + "PB[相手]PW[自分]KM[0]DT[2004-03-18]\n;B[aa])\n";
        QTest::newRow("2 no date in the source") << QByteArray("(;PB[a];B[aa])") << QStringList()
                                                 << root + "PB[a]PW[自分]KM[0]\n;B[aa])\n";
    }
    void exportFollowsRecord() {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, lines);
        TempRoot root;
        output::SgfGameNames names{"自分", "相手", QString(), std::nullopt};
        if (!source.isEmpty()) {
            const output::SgfImport imported = output::ImportSgf(source, false, QDate(2026, 12, 8));
            QVERIFY2(imported.accepted, qPrintable(imported.refusal));
            lines = imported.lines;
            names.info = imported.info;
        }
        QTEST(output::SgfGameTree(TableOf(root, lines), names), "expected");
    }

    void results_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("sgf");
        QTest::newRow("black wins") << "黒12目勝ち"
                                    << "B+12";
        QTest::newRow("white loses by half") << "白半目負け"
                                             << "B+0.5";
        QTest::newRow("black loses") << "黒2目半負け"
                                     << "W+2.5";
        QTest::newRow("draw") << "黒ジゴ"
                              << "0";
        QTest::newRow("own words") << "中押し勝ち"
                                   << "中押し勝ち";
    }
    void results() {
        QFETCH(QString, label);
        QTEST(output::SgfResult(label), "sgf");
    }

    /// Import, export, import again: the same rows, for each kind of game.
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("sgf");
        QTest::newRow("captures and a pass") << QByteArray(
            "(;B[ba];W[aa];B[ab];W[];B[cc];W[dd];B[dc];W[ec];B[cd];W[de];B[ed];"
            "W[fd];B[ee])");
        for (const char* name : {"handicap_1850.sgf", "ear_reddening_1846.sgf",
                                 "korean_league_2009_ff3.sgf", "castle_game_1861.sgf"}) {
            QFile file(DataFile(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(name) << file.readAll();
        }
    }
    void roundTrip() {
        QFETCH(QByteArray, sgf);
        TempRoot root;
        const output::SgfImport first = output::ImportSgf(sgf, true, QDate(2026, 12, 8));
        QVERIFY2(first.accepted, qPrintable(first.refusal));
        const QString exported =
            output::SgfGameTree(TableOf(root, first.lines), {"自分", "相手", QString()});
        const output::SgfImport second =
            output::ImportSgf(exported.toUtf8(), true, QDate(2026, 12, 8));
        QVERIFY2(second.accepted, qPrintable(second.refusal));
        QCOMPARE(second.lines.mid(1), first.lines.mid(1));
        QCOMPARE(second.handicapCode, first.handicapCode);
    }
};

QTEST_APPLESS_MAIN(TestSgf)
#include "test_sgf.moc"
