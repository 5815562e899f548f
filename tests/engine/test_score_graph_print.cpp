// The printed score graph, through the recorded drawing: where the estimates lie in the plot,
// the scale either way, the move numbers along the bottom and the swings listed under it.
#include "common/font_setup.h"
#include "engine/score_graph_print.h"
#include "testing/fake_platform.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

/// A game of `moves` moves, Black first; every third move a pass, the others at 3の三.
engine::GameReplay Replay(int moves) {
    engine::GameReplay replay;
    for (int n = 1; n <= moves; ++n)
        replay.moves.append({n, n % 2 == 1, n % 3 == 0 ? 0 : 3, n % 3 == 0 ? 0 : 3});
    return replay;
}

engine::ScoreSeries Series(const QList<double>& leads) {
    engine::ScoreSeries series;
    for (int move = 0; move < leads.size(); ++move)
        series.append({move, leads[move]});
    return series;
}

/// The places and sizes of a recorded operation: "line 1,2 3,4 w8 ink #96aadc" gives 1 2 3 4,
/// "rect 1,2 3x4 w10" 1 2 3 4.
QList<double> Numbers(const QString& operation) {
    static const QRegularExpression separators(QStringLiteral("[ ,x]"));
    QList<double> numbers;
    for (const QString& part : operation.section(QStringLiteral(" w"), 0, 0).split(separators)) {
        bool number = false;
        const double value = part.toDouble(&number);
        if (number)
            numbers.append(value);
    }
    return numbers;
}

}  // namespace

class TestScoreGraphPrint : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void graphOnPaper_data() {
        QTest::addColumn<QList<double>>("leads");  // Black's lead after moves 0, 1, 2 …
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QStringList>("marks");   // the move numbers along the bottom
        QTest::addColumn<QStringList>("swings");  // the first two listed
        QTest::addColumn<QString>("command");
        const QString gnugo = QStringLiteral("gnugo --mode gtp");
        QTest::newRow("Black ahead, then White; a long command cut short")
            << QList<double>{0, 12, -6, 3} << "+20目" << QStringList{}
            << QStringList{"第3手　黒 パス　白へ 9.0目", "第2手　白 3の三 左上隅三々　白へ 6.0目"}
            << "katago gtp -model /usr/share/katago/models/kata1-b18c384nbt-s9131461376-"
               "d4087399203.bin.gz -config /etc/katago/gtp_example.cfg";
        QTest::newRow("a close game keeps ten points")
            << QList<double>{0, 2, -3, 1.5} << "+10目" << QStringList{}
            << QStringList{"第2手　白 3の三 左上隅三々　白へ 3.0目", "第3手　黒 パス　白へ 0.5目"}
            << gnugo;
        QList<double> longGame;
        for (int move = 0; move <= 250; ++move)
            longGame.append(move == 100 ? -31 : (move % 5) - 2);
        QTest::newRow("a long game, White's lead sets the scale")
            << longGame << "+40目" << QStringList{"50", "100", "150", "200"}
            << QStringList{"第100手　白 3の三 左上隅三々　白へ 32.0目",
                           "第102手　白 パス　黒へ 31.0目"}
            << gnugo;
    }
    void graphOnPaper() {
        QFETCH(QList<double>, leads);
        QFETCH(QString, scale);
        QFETCH(QStringList, marks);
        QFETCH(QStringList, swings);
        QFETCH(QString, command);
        RecordingPrintSurface page({FakePlatform::kA4Width, FakePlatform::kA4Height});
        const int moves = int(leads.size()) - 1;
        engine::PrintScoreGraph(
            page, {QStringLiteral("山田　第3局"), command, Series(leads), Replay(moves)});

        // The plot is the grey frame; the middle line crosses it halfway down.
        const QStringList frames = page.operations.filter(QStringLiteral(" ink #969696"));
        QCOMPARE(frames.size(), 1);
        const QList<double> frame = Numbers(frames[0]);
        const QRectF plot(frame[0], frame[1], frame[2], frame[3]);
        const QString middle = QStringLiteral("line %1,%2 %3,%2 w12")
                                   .arg(OperationNumber(plot.left()))
                                   .arg(OperationNumber(plot.center().y()))
                                   .arg(OperationNumber(plot.right()));
        QVERIFY2(page.operations.contains(middle), qPrintable(middle));

        // Each estimate lies at its move's share of the width, Black's lead above the middle
        // by its share of the scale.
        const double points = scale.mid(1).chopped(1).toDouble();
        const QStringList line = page.operations.filter(QStringLiteral(" w8 ink #96aadc"));
        QCOMPARE(line.size(), moves);
        for (int i = 0; i < moves; ++i) {
            const QList<double> ends = Numbers(line[i]);
            for (int end = 0; end < 2; ++end) {
                const int move = i + end;
                QVERIFY(qAbs(ends[2 * end] - (plot.left() + plot.width() * move / moves)) < 0.01);
                const double above = plot.center().y() - ends[2 * end + 1];
                QVERIFY2(qAbs(above - plot.height() / 2 * leads[move] / points) < 0.01,
                         qPrintable(line[i]));
            }
        }

        QStringList texts;
        for (const RecordingPrintSurface::Text& text : page.texts)
            texts.append(text.text);
        QCOMPARE(texts.count(scale), 2);  // Black's at the top, White's at the bottom
        QStringList numbers;
        for (const RecordingPrintSurface::Text& text : page.texts) {
            if (text.y > plot.bottom() && text.y < plot.bottom() + 300 &&
                QRegularExpression(QStringLiteral("^\\d+$")).match(text.text).hasMatch())
                numbers.append(text.text);
        }
        QCOMPARE(numbers, marks);
        const qsizetype heading =
            texts.indexOf(QStringLiteral("形勢の大きく動いた手（二手前と比べて）"));
        QVERIFY(heading > 0);
        QCOMPARE(texts.mid(heading + 1, 2), swings);
        // The engine's command whole, or its start cut with 「…」, inside the whole sentence.
        const QStringList explanation = texts.filter(QStringLiteral("上は黒、下は白がよい形勢"));
        QCOMPARE(explanation.size(), 1);
        const QString start = QStringLiteral("上は黒、下は白がよい形勢。目数は思考エンジン（");
        const QString end = QStringLiteral("）の見積もりです。");
        QVERIFY(explanation[0].startsWith(start) && explanation[0].endsWith(end));
        const QString named = explanation[0].mid(start.size()).chopped(end.size());
        QVERIFY2(named == command || (named.endsWith(u'…') && named.size() > 20 &&
                                      command.startsWith(named.chopped(1))),
                 qPrintable(named));
    }
};

QTEST_MAIN(TestScoreGraphPrint)
#include "test_score_graph_print.moc"
