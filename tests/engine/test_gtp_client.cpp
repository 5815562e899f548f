// Asking a GTP engine for the dead stones: the answers of a well-behaved engine, and every
// way an engine can fail (missing, lacking the command, refusing, hanging, dying, cancelled).
#include "engine/dead_stone_proposal.h"

#include <QSignalSpy>
#include <QtTest>

using Outcome = engine::DeadStoneResult::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

QString Points(const QList<QPoint>& points) {
    QStringList texts;
    for (const QPoint& point : points)
        texts << QStringLiteral("%1-%2").arg(point.x()).arg(point.y());
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
};

QTEST_GUILESS_MAIN(TestGtpClient)
#include "test_gtp_client.moc"
