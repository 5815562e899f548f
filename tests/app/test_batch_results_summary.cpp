// The results record as the player may leave it (Shift-JIS as written, UTF-8 after another
// editor, damaged or hand-written lines), read by --results-summary and appended to by the
// count's 対戦記録: the same table from either encoding, a file that is all CP932 after
// every append, and every line that is not counted named by its number.
#include "app/batch_mode.h"
#include "common/cp932_codec.h"
#include "output/results_record.h"
#include "testing/temp_root.h"

#include <QtTest>

using store::AppendOutcome;

namespace {

const QStringList kRecord{
    QStringLiteral("山田 01局 互先(黒) コミ黒６目半 [黒1目半負け] 2002/12/07"),
    QStringLiteral("鈴木 02局 ２子(白) コミなし [白3目勝ち] 2003/01/10"),
    QStringLiteral("山田 03局 互先(黒) コミ黒６目半 [黒ジゴ] 2003/02/01"),
};
const QString kMoreResult =
    QStringLiteral("鈴木 04局 互先(白) コミ黒６目半 [白2目半勝ち] 2003/03/01");

const QString kTallyHead = QStringLiteral("対局者\t勝ち\t負け\tジゴ\t対局数\n");
const QString kGameHead = QStringLiteral("\n対局者\t対局名\t手合割・コミ\t結果\t日付\n");
const QString kGame01 =
    QStringLiteral("山田\t01\t互先(黒) コミ黒６目半\t黒1目半負け\t2002/12/07\n");
const QString kGame02 = QStringLiteral("鈴木\t02\t２子(白) コミなし\t白3目勝ち\t2003/01/10\n");
const QString kGame03 = QStringLiteral("山田\t03\t互先(黒) コミ黒６目半\t黒ジゴ\t2003/02/01\n");
const QString kGame04 =
    QStringLiteral("鈴木\t04\t互先(白) コミ黒６目半\t白2目半勝ち\t2003/03/01\n");
const QString kListing = kTallyHead + "山田\t0\t1\t1\t2\n鈴木\t1\t0\t0\t1\n合計\t1\t1\t1\t3\n" +
                         kGameHead + kGame03 + kGame02 + kGame01;
const QString kListingAfterMore = kTallyHead +
                                  "山田\t0\t1\t1\t2\n鈴木\t2\t0\t0\t2\n合計\t2\t1\t1\t4\n" +
                                  kGameHead + kGame04 + kGame03 + kGame02 + kGame01;

QByteArray Cp932(const QStringList& lines) {
    return common::EncodeCp932(lines.join("\r\n") + "\r\n");
}

/// As `iconv -f CP932 -t UTF-8` leaves a file: the same lines, CR LF kept.
QByteArray Utf8(const QStringList& lines, const char* lineEnd = "\r\n") {
    return (lines.join(QString::fromLatin1(lineEnd)) + QString::fromLatin1(lineEnd)).toUtf8();
}

struct Run {
    int status = 0;
    QString out;
    QString err;
};

Run RunSummaryMode(const TempRoot& root) {
    QCommandLineParser parser;
    const app::BatchMode* summaryMode = nullptr;
    for (const app::BatchMode& mode : app::BatchModes()) {
        mode.declareOptions(parser);
        if (mode.trigger == QStringLiteral("results-summary"))
            summaryMode = &mode;
    }
    if (summaryMode == nullptr || summaryMode->writes ||
        !parser.parse({"soramame", "--results-summary"}))
        return {-1, QString(), QStringLiteral("no reading mode --results-summary")};
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = summaryMode->run(app::BatchContext{root.path(), parser, out, err});
    out.flush();
    err.flush();
    return run;
}

}  // namespace

class TestBatchResultsSummary : public QObject {
    Q_OBJECT

  private slots:
    void resultsRecordCases_data() {
        QTest::addColumn<QByteArray>("record");  // empty: no file
        QTest::addColumn<QString>("appended");   // empty: nothing appended
        QTest::addColumn<AppendOutcome>("outcome");
        QTest::addColumn<QByteArray>("after");  // the file's bytes after the append, if any
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QByteArray cp932 = Cp932(kRecord);
        const QByteArray cp932More = Cp932(kRecord + QStringList{kMoreResult});
        const QString none;
        QTest::newRow("Shift-JIS")
            << cp932 << none << AppendOutcome::Appended << cp932 << 0 << kListing << "";
        QTest::newRow("UTF-8 (iconv)") << Utf8(kRecord) << none << AppendOutcome::Appended
                                       << Utf8(kRecord) << 0 << kListing << "";
        QTest::newRow("UTF-8 with BOM, LF")
            << "\xEF\xBB\xBF" + Utf8(kRecord, "\n") << none << AppendOutcome::Appended
            << "\xEF\xBB\xBF" + Utf8(kRecord, "\n") << 0 << kListing << "";
        QTest::newRow("no record yet")
            << QByteArray() << none << AppendOutcome::Appended << QByteArray() << 0
            << kTallyHead + "合計\t0\t0\t0\t0\n" + kGameHead << "";
        QTest::newRow("append to Shift-JIS") << cp932 << kMoreResult << AppendOutcome::Appended
                                             << cp932More << 0 << kListingAfterMore << "";
        // The whole file goes back to Shift-JIS with the new line: never two encodings.
        QTest::newRow("append to UTF-8") << Utf8(kRecord) << kMoreResult << AppendOutcome::Appended
                                         << cp932More << 0 << kListingAfterMore << "";
        QTest::newRow("append to UTF-8 with BOM, LF, no last line end")
            << "\xEF\xBB\xBF" + Utf8(kRecord, "\n").chopped(1) << kMoreResult
            << AppendOutcome::Appended << cp932More << 0 << kListingAfterMore << "";
        QTest::newRow("first result")
            << QByteArray() << kMoreResult << AppendOutcome::Appended << Cp932({kMoreResult}) << 0
            << kTallyHead + "鈴木\t1\t0\t0\t1\n合計\t1\t0\t0\t1\n" + kGameHead + kGame04 << "";
        // A note CP932 cannot write: the file stays as the player left it.
        const QStringList withEmoji = kRecord + QStringList{QStringLiteral("メモ\U0001F600")};
        QTest::newRow("append refused: UTF-8 beyond CP932")
            << Utf8(withEmoji) << kMoreResult << AppendOutcome::NotCp932 << Utf8(withEmoji) << 1
            << kListing
            << QStringLiteral("対戦記録.txt の 4 行目を結果として読めません：メモ\U0001F600\n");
        QTest::newRow("a hand-written line")
            << Cp932({kRecord[0], QStringLiteral("来年も打ちましょう"), kRecord[1], kRecord[2]})
            << none << AppendOutcome::Appended
            << Cp932({kRecord[0], QStringLiteral("来年も打ちましょう"), kRecord[1], kRecord[2]})
            << 1 << kListing
            << QStringLiteral("対戦記録.txt の 2 行目を結果として読めません：来年も打ちましょう\n");
        // A broken byte in a name: the line is not counted under a garbled name.
        const QByteArray damaged =
            cp932.left(cp932.indexOf("\r\n") + 2) + "\x8e" + Cp932({kRecord[1].mid(2), kRecord[2]});
        QTest::newRow("damaged bytes")
            << damaged << none << AppendOutcome::Appended << damaged << 1
            << kTallyHead + "山田\t0\t1\t1\t2\n合計\t0\t1\t1\t2\n" + kGameHead + kGame03 + kGame01
            << "対戦記録.txt の 2 行目を結果として読めません：\uFFFD" + kRecord[1].mid(2) + "\n";
    }
    void resultsRecordCases() {
        QFETCH(QByteArray, record);
        QFETCH(QString, appended);
        QFETCH(AppendOutcome, outcome);
        QFETCH(QByteArray, after);
        TempRoot root;
        const QString path = output::ResultsRecordPath(root.path());
        if (!record.isEmpty())
            root.Write(QStringLiteral("対戦記録.txt"), record);
        if (!appended.isEmpty())
            QCOMPARE(output::AppendToResultsRecord(path, appended), outcome);
        QCOMPARE(root.Read(QStringLiteral("対戦記録.txt")), after);
        if (!appended.isEmpty() && outcome == AppendOutcome::Appended)
            QCOMPARE(common::DetectTextEncoding(after), common::TextEncoding::Cp932);

        const Run run = RunSummaryMode(root);
        QTEST(run.err, "err");
        QTEST(run.out, "out");
        QTEST(run.status, "status");
    }
};

QTEST_GUILESS_MAIN(TestBatchResultsSummary)
#include "test_batch_results_summary.moc"
