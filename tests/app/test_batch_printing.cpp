// The printing modes of the command line, run as the program runs them, their PDF read back
// with pdftotext.
#include "app/batch_mode.h"
#include "common/font_setup.h"
#include "engine/dead_stone_proposal.h"
#include "engine/score_series.h"
#include "testing/file_size_limit.h"
#include "testing/temp_root.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

/// A word pdftotext found on a page, with its box in points.
struct Word {
    int page = 0;
    QRectF box;
    QString text;
};

QList<Word> ReadWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    const QStringList pages = html.split(QStringLiteral("<page "));
    for (int p = 1; p < pages.size(); ++p) {
        for (const QRegularExpressionMatch& m : word.globalMatch(pages[p])) {
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            words.append({p, QRectF(topLeft, bottomRight), m.captured(5)});
        }
    }
    return words;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run RunProgram(const QString& dataRoot, const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("data-root"), QString(), QStringLiteral("DIR")});
    for (const app::BatchMode& mode : app::BatchModes())
        mode.declareOptions(parser);
    Run run;
    if (!parser.parse(QStringList{QStringLiteral("soramame")} + arguments))
        return run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    for (const app::BatchMode& mode : app::BatchModes()) {
        if (parser.isSet(mode.trigger))
            run.status = mode.run(app::BatchContext{dataRoot, parser, out, err});
    }
    return run;
}

bool IsNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    return digits.match(text).hasMatch();
}

}  // namespace

class TestBatchPrinting : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        common::SubstituteWindowsFonts();
        QFile game(QStringLiteral(TEST_DATA_DIR "/ko_fight_246.txt"));
        QVERIFY(game.open(QIODevice::ReadOnly));
        const QByteArray record = game.readAll();
        root_.Write(QStringLiteral("対局中棋譜/呉清源/第1.txt"), record);
        // The same game once more, finished (backed up), with a score graph kept for both.
        root_.Write(QStringLiteral("退避後棋譜/呉清源/第2.txt"), record);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome_.path()));
        const QString command = engine::EngineCommand(root_.File(engine::kEngineSettingsName));
        QVERIFY(engine::WriteScoreCache(engine::DefaultScoreCacheFolder(),
                                        engine::ScoreCacheKey(record, command), command,
                                        {{0, 0}, {1, 4}, {2, -2}}));
    }

    // A 246-move game with a long ko fight, in figures of 100: three figures on two pages,
    // each page's top line naming the figures on it; every move is written once, as a number
    // on its stone or in a note ("240＝229", a ko's retakes "232, 240＝229"), and no two
    // numbers touch.
    void figuresReadBack() {
        const QString pdf = root_.File(QStringLiteral("figures.pdf"));
        const Run run = RunProgram(root_.path(), {"--figures", "呉清源/第1", "--pdf", pdf});
        QCOMPARE(run.status, 0);
        const QList<Word> words = ReadWords(pdf);
        QVERIFY2(!words.isEmpty(), "pdftotext read nothing");
        QStringList titles;
        QList<Word> numbers;
        QSet<int> written;
        static const QRegularExpression note(QStringLiteral("^　?(\\d+)(,|＝\\S+)$"));
        // Numbers count below the top line, and on the first page below the game's header too.
        double headerBottom = words.first().box.bottom();
        for (const Word& word : words) {
            if (word.page == 1 && word.text.startsWith(QStringLiteral("(1〜"))) {
                headerBottom = word.box.bottom();
                break;
            }
        }
        for (const Word& word : words) {
            if (word.text.startsWith(QStringLiteral("第")) &&
                word.text.endsWith(QStringLiteral("譜")))
                titles.append(QStringLiteral("%1:%2").arg(word.page).arg(word.text));
            const double below = word.page == 1 ? headerBottom : words.first().box.bottom();
            if (IsNumber(word.text) && word.box.top() > below) {
                numbers.append(word);
                written.insert(word.text.toInt());
            }
            const QRegularExpressionMatch retake = note.match(word.text);
            if (retake.hasMatch())
                written.insert(retake.captured(1).toInt());
        }
        QCOMPARE(titles,
                 (QStringList{"1:第1譜・第2譜", "1:第1譜", "1:第2譜", "2:第3譜", "2:第3譜"}));
        for (int move = 1; move <= 246; ++move)
            QVERIFY2(written.contains(move), qPrintable(QString::number(move)));
        for (int i = 0; i < numbers.size(); ++i) {
            for (int j = i + 1; j < numbers.size(); ++j) {
                const bool overlap = numbers[i].page == numbers[j].page &&
                                     numbers[i].box.intersected(numbers[j].box).width() > 0.01 &&
                                     numbers[i].box.intersected(numbers[j].box).height() > 0.01;
                QVERIFY2(!overlap, qPrintable(numbers[i].text + " / " + numbers[j].text));
            }
        }
    }

    // --with-score-graph adds the kept graph on one page of its own after the figures; a
    // game in play or one without a kept graph is refused and nothing is written.
    void withScoreGraph_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("figures, graph kept")
            << QStringList{"--figures", "呉清源/第2", "--with-score-graph"} << 0 << "";
        QTest::newRow("record, no graph for this engine")
            << QStringList{"--print-record", "呉清源/第2", "--with-score-graph", "--engine",
                           "other-engine"}
            << 2 << "この対局の形勢グラフはまだありません（思考エンジン：other-engine）。";
        QTest::newRow("record, game in play")
            << QStringList{"--print-record", "呉清源/第1", "--with-score-graph"} << 2
            << "対局中の対局には形勢グラフを付けられません";
    }
    void withScoreGraph() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        TempRoot target;
        const QString pdf = target.File(QStringLiteral("graph.pdf"));
        const Run run = RunProgram(root_.path(), arguments + QStringList{"--pdf", pdf});
        QCOMPARE(run.status, status);
        QVERIFY2(message.isEmpty() ? run.err.isEmpty() : run.err.startsWith(message),
                 qPrintable(run.err));
        QCOMPARE(QFile::exists(pdf), status == 0);
        if (status != 0)
            return;
        QSet<int> graphPages;
        int pages = 0;
        for (const Word& word : ReadWords(pdf)) {
            pages = qMax(pages, word.page);
            if (word.text == QStringLiteral("グラフ"))  // pdftotext reads 形勢 and グラフ
                graphPages.insert(word.page);
        }
        QCOMPARE(pages, 3);  // the figures' two pages, then the graph's
        QCOMPARE(graphPages, QSet<int>{3});
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such game") << QStringList{"--figures", "呉清源/第9", "--pdf", "x.pdf"}
                                      << "対局が見つかりません: 呉清源/第9";
        QTest::newRow("no game part") << QStringList{"--print-record", "呉清源", "--pdf", "x.pdf"}
                                      << "対局は 相手名/対局名 の形で指定してください: 呉清源";
        QTest::newRow("no such move")
            << QStringList{"--print-record", "呉清源/第1", "--upto", "300", "--pdf", "x.pdf"}
            << "その手はこの対局にありません: 300";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = RunProgram(root_.path(), arguments);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.trimmed(), message);
        QVERIFY(!QFile::exists(QStringLiteral("x.pdf")));
    }

    // A disk that fills while the PDF is written (files limited to 8 KB, as with 8 KB free):
    // the run fails with a message and the PDF already at the path stays as it was.
    void pdfOnFullDisk_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("earlierPdf");
        QTest::newRow("record page, new file") << "--print-record" << false;
        QTest::newRow("record page over a good PDF") << "--print-record" << true;
        QTest::newRow("figures over a good PDF") << "--figures" << true;
    }
    void pdfOnFullDisk() {
        QFETCH(QString, mode);
        QFETCH(bool, earlierPdf);
        TempRoot target;
        const QString pdf = target.File(QStringLiteral("game.pdf"));
        const QByteArray earlier = "%PDF-1.4 an earlier good page";
        if (earlierPdf)
            target.Write(QStringLiteral("game.pdf"), earlier);
        Run run;
        {
            const FileSizeLimit limit(8192);
            run = RunProgram(root_.path(), {mode, "呉清源/第1", "--pdf", pdf});
        }
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("PDF ファイルを書けませんでした: ") + pdf);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QFile::exists(pdf), earlierPdf);
        if (earlierPdf)
            QCOMPARE(target.Read(QStringLiteral("game.pdf")), earlier);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 earlierPdf ? 1 : 0);
    }

  private:
    TempRoot root_;
    QTemporaryDir cacheHome_;
};

QTEST_MAIN(TestBatchPrinting)
#include "test_batch_printing.moc"
