// Asking a Go engine about a finished game from the command line: the dead stones and the
// count they lead to, and the estimate after every move. A game in play is refused.
#include "app/batch_engine.h"

#include "app/batch_pdf.h"
#include "common/numerals.h"
#include "common/stone_colour.h"
#include "engine/count_marks.h"
#include "engine/dead_stone_proposal.h"
#include "engine/score_graph_job.h"
#include "go/board_model.h"
#include "output/results_record.h"
#include "output/territory_count.h"
#include "store/folder_tree.h"

#include <QEventLoop>
#include <QFile>
#include <QSaveFile>

#include <functional>
#include <memory>

namespace app {
namespace {

const QString kDeadOption = QStringLiteral("estimate-dead");
const QString kGraphOption = QStringLiteral("score-graph");
const QString kEngineOption = QStringLiteral("engine");
const QString kOutputOption = QStringLiteral("output");
const QString kWithGraphOption = QStringLiteral("with-score-graph");
// Each answer of the engine; a dead-stone question on a resigned game can take minutes.
constexpr int kAnswerMs = 120'000;

void DeclareEngineOption(QCommandLineParser& parser) {
    AddOption(parser, {kEngineOption,
                       QStringLiteral("The GTP engine's command line (default: the data "
                                      "root's 思考エンジン.dat, else gnugo --mode gtp)."),
                       QStringLiteral("CMD")});
}

QString EngineOf(const BatchContext& context) {
    const QString given = context.parser.value(kEngineOption);
    return given.isEmpty()
               ? engine::EngineCommand(context.dataRoot + '/' + engine::kEngineSettingsName)
               : given;
}

bool IsFinished(const BatchContext& context, const QString& path, const output::GameName& name) {
    const bool backedUp =
        path.startsWith(context.dataRoot + '/' + store::kBackedUpFolderName + '/');
    return output::GameIsFinished(backedUp, output::ResultsRecordPath(context.dataRoot),
                                  name.opponent, name.game);
}

/// The record of a finished game, or empty after saying why the engine may not be asked.
QString FinishedGameOf(const BatchContext& context, const QString& trigger) {
    output::GameName name;
    const QString path = RecordFileOf(context, trigger, name);
    if (path.isEmpty())
        return QString();
    if (!IsFinished(context, path, name)) {
        context.err << QStringLiteral(
                           "対局中の対局には思考エンジンを使えません（結果を対戦記録"
                           "に記録するか、退避した対局だけに使えます）: ")
                    << name.opponent << '/' << name.game << Qt::endl;
        return QString();
    }
    return path;
}

/// Starts an engine job and waits, in an event loop so that its process is read, for the one
/// result it finishes with.
template <typename Job, typename Result>
Result WaitForResult(Job& job, void (Job::*finished)(const Result&),
                     const std::function<void()>& start) {
    Result result;
    QEventLoop loop;
    QObject::connect(&job, finished, &loop, [&](const Result& answer) {
        result = answer;
        loop.quit();
    });
    start();
    if (job.IsRunning())
        loop.exec();
    return result;
}

/// 「十六の四」, as the count's words name a point.
QString KanjiPoint(int x, int y) {
    return common::KanjiNumeral(x) + QStringLiteral("の") + common::KanjiNumeral(y);
}

void DeclareDeadOptions(QCommandLineParser& parser) {
    AddOption(parser, {kDeadOption,
                       QStringLiteral("Print the stones a GTP engine calls dead at the end of "
                                      "the finished game OPPONENT/GAME and the count they lead "
                                      "to (GAME as OPPONENT/GAME)."),
                       QStringLiteral("GAME")});
    DeclareEngineOption(parser);
}

int RunEstimateDead(const BatchContext& context) {
    const QString path = FinishedGameOf(context, kDeadOption);
    if (path.isEmpty())
        return 2;
    go::BoardModel model;
    if (!LoadedWhole(context, model.LoadRecord(path), path))
        return 2;
    model.ShowPositionAt(model.table().lastRow);
    const store::RecordTable& table = model.table();
    // Stones the record already takes off at the count are put back for the engine.
    const engine::CountMarks marks = engine::MarksAtCount(table, model.board());
    engine::DeadStoneProposal proposal;
    const engine::DeadStoneResult result = WaitForResult(
        proposal, &engine::DeadStoneProposal::Finished,
        [&] { proposal.Run(EngineOf(context), marks.board, table.whiteFirst, kAnswerMs); });
    if (result.outcome != engine::DeadStoneResult::Outcome::Proposed) {
        context.err << result.message << Qt::endl << engine::kEngineHelp << Qt::endl;
        return 3;
    }
    int named = 0;
    for (const QPoint& point : result.dead) {
        if (!marks.board.Occupied(point.x(), point.y()))
            continue;
        ++named;
        const bool black = common::ColourOfStone(marks.board.At(point.x(), point.y()),
                                                 table.whiteFirst) == common::StoneColour::Black;
        context.out << KanjiPoint(point.x(), point.y()) << '\t' << point.x() << ',' << point.y()
                    << '\t' << (black ? QStringLiteral("黒") : QStringLiteral("白")) << Qt::endl;
    }
    // The count as the window makes it with the engine's dead stones off: territory,
    // prisoners, komi.
    const output::GameScore score =
        engine::WeighProposal(marks, result.dead, model.board(), model.blackCaptured(),
                              model.whiteCaptured(), table)
            .engineScore;
    context.out << QStringLiteral("死に石 %1 個　黒 %2　白 %3　")
                       .arg(named)
                       .arg(score.blackScore)
                       .arg(score.whiteScore)
                << output::WinnerText(score) << Qt::endl;
    return 0;
}

void DeclareGraphOptions(QCommandLineParser& parser) {
    AddOption(parser, {kGraphOption,
                       QStringLiteral("Print a GTP engine's score estimate after every move of "
                                      "the finished game OPPONENT/GAME (move, Black's lead)."),
                       QStringLiteral("OPPONENT/GAME")});
    AddOption(parser,
              {kOutputOption, QStringLiteral("Write the score graph's lines to FILE (UTF-8)."),
               QStringLiteral("FILE")});
    DeclareEngineOption(parser);
}

QString SeriesText(const engine::ScoreSeries& series) {
    QString text = QStringLiteral("手数\t黒の優勢\n");
    for (const engine::ScorePoint& point : series)
        text += QString::number(point.move) + '\t' + QString::number(point.blackLead) + '\n';
    return text;
}

int RunScoreGraph(const BatchContext& context) {
    const QString path = FinishedGameOf(context, kGraphOption);
    if (path.isEmpty())
        return 2;
    engine::ScoreGraphJob job;
    const engine::ScoreGraphResult result = WaitForResult(
        job, &engine::ScoreGraphJob::Finished,
        [&] { job.Run(path, EngineOf(context), engine::DefaultScoreCacheFolder(), kAnswerMs); });
    using Outcome = engine::ScoreGraphResult::Outcome;
    if (result.outcome != Outcome::Computed && result.outcome != Outcome::FromCache) {
        context.err << result.message << Qt::endl << engine::kEngineHelp << Qt::endl;
        return 3;
    }
    const QString text = SeriesText(result.series);
    const QString output = context.parser.value(kOutputOption);
    if (output.isEmpty()) {
        context.out << text;
        return 0;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        context.err << QStringLiteral("書き出せませんでした: ") << output << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace

void DeclareScoreGraphPageOptions(QCommandLineParser& parser) {
    // No "--score-graph" followed by a blank here: AddOption takes that in the help text for
    // the option itself, which would then be left undeclared.
    AddOption(parser, {kWithGraphOption,
                       QStringLiteral("Add the finished game's score graph, kept by the review's "
                                      "形勢グラフ or by the score-graph mode, on a page of its "
                                      "own (refused when none is kept).")});
    DeclareEngineOption(parser);
}

bool ScoreGraphPageOf(const BatchContext& context, const QString& recordPath,
                      const output::GameName& name, std::optional<engine::ScoreGraphSheet>& graph) {
    graph.reset();
    if (!context.parser.isSet(kWithGraphOption))
        return true;
    const QString game = name.opponent + '/' + name.game;
    if (!IsFinished(context, recordPath, name)) {
        context.err << QStringLiteral(
                           "対局中の対局には形勢グラフを付けられません（終わった対局"
                           "だけです）: ")
                    << game << Qt::endl;
        return false;
    }
    const QString command = EngineOf(context);
    graph = engine::KeptScoreGraph(recordPath, name.opponent, name.game, command,
                                   engine::DefaultScoreCacheFolder());
    if (!graph) {
        context.err << QStringLiteral(
                           "この対局の形勢グラフはまだありません（思考エンジン：%1）。"
                           "先に soramame --score-graph %2 で調べるか、「検討」の"
                           "「形勢グラフ」を開いてください。何も印刷していません。")
                           .arg(command, game)
                    << Qt::endl;
        return false;
    }
    return true;
}

BatchMode MakeEstimateDeadMode() {
    return BatchMode{kDeadOption, false, DeclareDeadOptions, RunEstimateDead};
}

BatchMode MakeScoreGraphMode() {
    return BatchMode{kGraphOption, false, DeclareGraphOptions, RunScoreGraph};
}

}  // namespace app
