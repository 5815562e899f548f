// Asking a GTP engine for the dead stones: the answers of a well-behaved engine, and every
// way an engine can fail (missing, lacking the command, refusing, hanging, dying, cancelled).
#include "common/cp932_codec.h"
#include "engine/dead_stone_proposal.h"
#include "engine/engine_probe.h"
#include "engine/score_graph_job.h"
#include "store/record_file.h"
#include "testing/record_lines.h"

#include <QSignalSpy>
#include <QtTest>

using Outcome = engine::DeadStoneResult::Outcome;
Q_DECLARE_METATYPE(Outcome)
using GraphOutcome = engine::ScoreGraphResult::Outcome;
Q_DECLARE_METATYPE(GraphOutcome)

namespace {

QString Points(const QList<QPoint>& points) {
    QStringList texts;
    for (const QPoint& point : points)
        texts << QStringLiteral("%1-%2").arg(point.x()).arg(point.y());
    return texts.join(' ');
}

/// A record of moves 1, 2 and 4 (3 is a pass), then a removal that is no move; `more` adds
/// move 5.
void WriteRecord(const QString& path, bool more) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray day = "2026/12/01";
    file.write(common::EncodeCp932(store::HeaderLine(QDate(2026, 12, 1), 1, 33, true)) + "\r\n");
    file.write(Line(day, 1, 16, 4) + Line(day, 2, 4, 16) + Line(day, 4, 4, 4) + Line(day, 0, 4, 4) +
               (more ? Line(day, 5, 10, 10) : QByteArray()));
}

/// Runs a score graph to its end; the series as "move:lead …", the outcome and message.
engine::ScoreGraphResult RunGraph(const QString& record, const QString& command,
                                  const QString& cache, int cancelAfterMs = 0) {
    engine::ScoreGraphJob job;
    QSignalSpy finished(&job, &engine::ScoreGraphJob::Finished);
    job.Run(record, command, cache, 300);
    if (cancelAfterMs > 0 && finished.isEmpty()) {
        QTest::qWait(cancelAfterMs);
        job.Cancel();
    }
    if (finished.isEmpty())
        finished.wait(5000);
    QTest::qWait(20);
    if (finished.count() != 1)
        return {
            GraphOutcome::Failed, {}, QStringLiteral("finished %1 times").arg(finished.count())};
    return finished[0][0].value<engine::ScoreGraphResult>();
}

QString SeriesText(const engine::ScoreSeries& series) {
    QStringList texts;
    for (const engine::ScorePoint& point : series)
        texts << QStringLiteral("%1:%2").arg(point.move).arg(point.blackLead);
    return texts.join(' ');
}

}  // namespace

class TestGtpClient : public QObject {
    Q_OBJECT
  private slots:
    void verticesAndAnswers() {
        QCOMPARE(engine::GtpVertex(16, 4), QStringLiteral("Q16"));  // 16の四
        QCOMPARE(engine::GtpVertex(9, 19), QStringLiteral("J1"));   // no column I
        QCOMPARE(engine::PointOfVertex("t19"), std::make_optional(std::pair{19, 1}));
        QCOMPARE(engine::PointOfVertex("I5"), std::nullopt);
        QCOMPARE(engine::PointOfVertex("pass"), std::nullopt);
        engine::GtpReplyReader reader;
        reader.Feed("\n=12 D4 E5\r\n\r\n? unknown");
        const auto first = reader.Take();
        QVERIFY(first && first->status == engine::GtpReply::Status::Success);
        QCOMPARE(first->text, QStringLiteral("D4 E5"));
        QVERIFY(!reader.Take());  // the failure's empty line has not come yet
        reader.Feed(" command\n\n");
        QCOMPARE(reader.Take()->text, QStringLiteral("unknown command"));
    }

    void proposal_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("cancelAfterMs");  // 0: not cancelled
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("dead");
        QTest::addColumn<QString>("message");
        const QString fake = QStringLiteral(FAKE_GTP_ENGINE " ");
        QTest::newRow("dead stones, any case, several a line")
            << fake + "normal" << 0 << Outcome::Proposed << "4-4 16-16 3-17"
            << "";
        QTest::newRow("no such program")
            << "/nonexistent/gnugo --mode gtp" << 0 << Outcome::Failed << ""
            << "思考エンジンを起動できませんでした（/nonexistent/gnugo --mode gtp）。";
        QTest::newRow("engine without final_status_list")
            << fake + "basic" << 0 << Outcome::Unsupported << ""
            << "この思考エンジンは石の生死を答えられません（final_status_list がありません）。";
        QTest::newRow("position refused")
            << fake + "refuse" << 0 << Outcome::Failed << ""
            << "思考エンジンが局面を受け付けませんでした（play B D16：illegal move）。";
        QTest::newRow("engine hangs") << fake + "hang" << 0 << Outcome::Failed << ""
                                      << "思考エンジンが 0.3 秒たっても答えないため止めました"
                                         "（final_status_list dead）。";
        QTest::newRow("engine dies") << fake + "die" << 0 << Outcome::Failed << ""
                                     << "思考エンジンが途中で終了しました（final_status_list "
                                        "dead）。";
        QTest::newRow("cancelled while thinking")
            << fake + "hang" << 100 << Outcome::Cancelled << ""
            << "取り消しました。";
    }
    void proposal() {
        QFETCH(QString, command);
        QFETCH(int, cancelAfterMs);
        go::BoardGrid board;
        board.Set(4, 4, 1);    // black
        board.Set(16, 16, 2);  // white
        engine::DeadStoneProposal proposal;
        QSignalSpy finished(&proposal, &engine::DeadStoneProposal::Finished);
        proposal.Run(command, board, 0, 300);
        if (cancelAfterMs > 0) {
            QTest::qWait(cancelAfterMs);
            QVERIFY(proposal.IsRunning());
            proposal.Cancel();
        }
        QVERIFY(finished.count() == 1 || finished.wait(5000));
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);  // once, whatever comes after
        const auto result = finished[0][0].value<engine::DeadStoneResult>();
        QTEST(result.outcome, "outcome");
        QTEST(Points(result.dead), "dead");
        QTEST(result.message, "message");
        QVERIFY(!proposal.IsRunning());
    }

    // Trying a command line in the options: what the player is told for each kind of engine.
    void probe_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("cancelAfterMs");  // 0: not cancelled
        QTest::addColumn<QString>("report");
        const QString fake = QStringLiteral(FAKE_GTP_ENGINE " ");
        QTest::newRow("knows both questions")
            << fake + "score" << 0
            << "思考エンジン「Fake Engine 1.0」が答えました。\n死に石の提案：使えます。\n"
               "形勢グラフ：使えます。";
        QTest::newRow("knows neither")
            << fake + "basic" << 0
            << "思考エンジン「Fake Engine 1.0」が答えました。\n"
               "死に石の提案：使えません（final_status_list がありません）。\n"
               "形勢グラフ：使えません（estimate_score も final_score もありません）。";
        QTest::newRow("no such program")
            << "/nonexistent/engine --gtp" << 0
            << "思考エンジンを起動できませんでした（/nonexistent/engine --gtp）。";
        QTest::newRow("ends at once")
            << "/bin/false" << 0 << "思考エンジンが途中で終了しました（name）。";
        QTest::newRow("never answers")
            << "sleep 30" << 0 << "思考エンジンが 0.3 秒たっても答えないため止めました（name）。";
        QTest::newRow("cancelled") << "sleep 30" << 100 << "試すのをやめました。";
    }
    void probe() {
        QFETCH(QString, command);
        QFETCH(int, cancelAfterMs);
        engine::EngineProbe probe;
        QSignalSpy finished(&probe, &engine::EngineProbe::Finished);
        probe.Run(command, 300);
        if (cancelAfterMs > 0) {
            QTest::qWait(cancelAfterMs);
            QVERIFY(probe.IsRunning());
            probe.Cancel();
        }
        QVERIFY(finished.count() == 1 || finished.wait(5000));
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
        QTEST(engine::ProbeReport(finished[0][0].value<engine::EngineProbeResult>()), "report");
        QVERIFY(!probe.IsRunning());
    }

    // Each row looks at the record once with `first` and then, unless empty, again with
    // `second` (after adding a move when `changed`): the outcome and series of the last look.
    void scoreGraph_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("cancelAfterMs");
        QTest::addColumn<GraphOutcome>("outcome");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("swings");
        QTest::addColumn<QString>("message");
        const QString fake = QStringLiteral(FAKE_GTP_ENGINE " ");
        const QString missing = QStringLiteral("/nonexistent/gnugo --mode gtp");
        const QString series = "0:0.5 1:-1.5 2:4.5 3:-9.5 4:16.5";
        QTest::newRow("every move estimated, a pass for the skipped number")
            << fake + "score"
            << "" << false << 0 << GraphOutcome::Computed << series << "4:12 3:-8"
            << "";
        QTest::newRow("final_score where estimate_score is missing")
            << fake + "score-final"
            << "" << false << 0 << GraphOutcome::Computed << series << "4:12 3:-8"
            << "";
        QTest::newRow("second look from the cache, engine not asked")
            << fake + "score" << fake + "score" << false << 0 << GraphOutcome::FromCache << series
            << "4:12 3:-8"
            << "";
        QTest::newRow("another engine is asked anew")
            << fake + "score" << missing << false << 0 << GraphOutcome::Failed << ""
            << ""
            << "思考エンジンを起動できませんでした（/nonexistent/gnugo --mode gtp）。";
        QTest::newRow("a changed record is computed anew")
            << fake + "score" << fake + "score" << true << 0 << GraphOutcome::Computed
            << series + " 5:-25.5"
            << "5:-16 4:12"
            << "";
        QTest::newRow("engine without a score")
            << fake + "normal"
            << "" << false << 0 << GraphOutcome::Unsupported << ""
            << ""
            << "この思考エンジンは形勢を答えられません"
               "（estimate_score も final_score もありません）。";
        QTest::newRow("answer that is no score")
            << fake + "score-odd"
            << "" << false << 0 << GraphOutcome::Failed << ""
            << ""
            << "思考エンジンの答えを形勢として読めません（estimate_score：W+Resign）。";
        QTest::newRow("engine hangs")
            << fake + "score-hang"
            << "" << false << 0 << GraphOutcome::Failed << ""
            << ""
            << "思考エンジンが 0.3 秒たっても答えないため止めました（estimate_score）。";
        QTest::newRow("engine dies") << fake + "score-die"
                                     << "" << false << 0 << GraphOutcome::Failed << ""
                                     << ""
                                     << "思考エンジンが途中で終了しました（estimate_score）。";
        QTest::newRow("cancelled, nothing kept")
            << fake + "score-hang" << fake + "score-hang" << false << 100 << GraphOutcome::Cancelled
            << "0:0.5 1:-1.5"
            << ""
            << "取り消しました。";
    }
    void scoreGraph() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, changed);
        QFETCH(int, cancelAfterMs);
        QTemporaryDir dir;
        const QString record = dir.filePath("record.txt");
        const QString cache = dir.filePath("cache/形勢");
        WriteRecord(record, false);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        engine::ScoreGraphResult result = RunGraph(record, first, cache, cancelAfterMs);
        if (!second.isEmpty()) {
            if (changed)
                WriteRecord(record, true);
            result = RunGraph(record, second, cache, cancelAfterMs);
        }
        QTEST(result.outcome, "outcome");
        QTEST(SeriesText(result.series), "series");
        QStringList swings;
        for (const engine::ScoreSwing& swing : engine::BiggestSwings(result.series, 2))
            swings << QStringLiteral("%1:%2").arg(swing.move).arg(swing.change);
        QTEST(swings.join(' '), "swings");
        QTEST(result.message, "message");
        if (!changed) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);  // the record is never written
        }
    }
};

QTEST_GUILESS_MAIN(TestGtpClient)
#include "test_gtp_client.moc"
