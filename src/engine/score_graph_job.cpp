#include "engine/score_graph_job.h"

#include "store/record_file.h"
#include "store/text_file.h"

namespace engine {
namespace {

const QString kEstimate = QStringLiteral("estimate_score");
const QString kFinalScore = QStringLiteral("final_score");

}  // namespace

ScoreGraphJob::ScoreGraphJob(QObject* parent) : QObject(parent) {}

void ScoreGraphJob::Run(const QString& recordPath, const QString& engineCommand,
                        const QString& cacheFolder, int answerMs) {
    Cancel();
    run_.Begin();
    series_.clear();
    engineCommand_ = engineCommand;
    cacheFolder_ = cacheFolder;
    answerMs_ = answerMs;
    QByteArray bytes;
    store::RecordTable table;
    if (store::ReadFileBytes(recordPath, bytes) != store::ReadStatus::Ok ||
        store::ReadRecordFile(recordPath, table) != store::LoadOutcome::Complete)
        return Finish({ScoreGraphResult::Outcome::Failed,
                       {},
                       QStringLiteral("棋譜を最後まで読めませんでした（%1）。").arg(recordPath)});
    cacheKey_ = ScoreCacheKey(bytes, engineCommand);
    if (std::optional<ScoreSeries> kept = ReadScoreCache(cacheFolder, cacheKey_, engineCommand))
        return Finish({ScoreGraphResult::Outcome::FromCache, *kept, {}});
    replay_ = ReplayOfRecord(table);
    if (replay_.moves.isEmpty())
        return Finish({ScoreGraphResult::Outcome::Failed,
                       {},
                       QStringLiteral("この棋譜にはまだ着手がありません。")});
    QString why;
    if (!run_.client().Start(engineCommand, &why))
        return Finish({ScoreGraphResult::Outcome::Failed, {}, why});
    Ask(QStringLiteral("list_commands"), [this](const QString& commands) {
        const QStringList known = commands.split(QLatin1Char('\n'));
        // An engine's own estimate is quick; the standard final score is the fallback.
        scoreCommand_ = known.contains(kEstimate)     ? kEstimate
                        : known.contains(kFinalScore) ? kFinalScore
                                                      : QString();
        if (scoreCommand_.isEmpty())
            return Finish({ScoreGraphResult::Outcome::Unsupported,
                           {},
                           QStringLiteral("この思考エンジンは形勢を答えられません"
                                          "（estimate_score も final_score もありません）。")});
        // GNU Go's level is how deep it reads. At level 1 its estimate comes about fifteen
        // times sooner (the first 80 moves of a game: 7 s against 121 s) and is the same after
        // most moves (50 of those 80; the others differ by up to 19 points, no more than its
        // estimates swing from one move to the next). A level on the command line is kept.
        quickLevel_ = known.contains(QStringLiteral("level")) &&
                      !engineCommand_.contains(QStringLiteral("--level"));
        SetUp();
    });
}

void ScoreGraphJob::Ask(const QString& command, std::function<void(const QString&)> next) {
    run_.client().Send(command, answerMs_, [this, command, next](const GtpReply& reply) {
        if (!run_.IsRunning())
            return;
        if (reply.status == GtpReply::Status::Cancelled)
            return Finish({ScoreGraphResult::Outcome::Cancelled, series_, reply.text});
        if (reply.status == GtpReply::Status::Failure)
            return Finish({ScoreGraphResult::Outcome::Failed,
                           {},
                           QStringLiteral("思考エンジンがエラーを返しました（%1：%2）。")
                               .arg(command, reply.text)});
        if (reply.status != GtpReply::Status::Success)
            return Finish({ScoreGraphResult::Outcome::Failed, {}, reply.text});
        next(reply.text);
    });
}

void ScoreGraphJob::SetUp() {
    QStringList commands = {QStringLiteral("boardsize 19"), QStringLiteral("clear_board"),
                            QStringLiteral("komi %1").arg(replay_.komi)};
    if (quickLevel_)
        commands.prepend(QStringLiteral("level 1"));
    for (const ReplayMove& stone : replay_.handicap)
        commands << PlayCommand(stone);
    // Sent at once: the client answers them in order, and a refusal ends the run.
    for (const QString& command : commands)
        Ask(command, [](const QString&) {});
    Estimate();
}

void ScoreGraphJob::Estimate() {
    Ask(scoreCommand_, [this](const QString& answer) {
        const std::optional<double> lead = ParseBlackLead(answer);
        if (!lead)
            return Finish({ScoreGraphResult::Outcome::Failed,
                           {},
                           QStringLiteral("思考エンジンの答えを形勢として読めません（%1：%2）。")
                               .arg(scoreCommand_, answer)});
        series_.append({int(series_.size()), *lead});
        emit Progress(int(series_.size()) - 1, int(replay_.moves.size()));
        PlayNext();
    });
}

void ScoreGraphJob::PlayNext() {
    const qsizetype next = series_.size() - 1;  // index of the move after the last estimate
    if (next >= replay_.moves.size()) {
        // A cache that cannot be written costs only the time of the next look.
        WriteScoreCache(cacheFolder_, cacheKey_, engineCommand_, series_);
        return Finish({ScoreGraphResult::Outcome::Computed, series_, {}});
    }
    Ask(PlayCommand(replay_.moves[next]), [this](const QString&) { Estimate(); });
}

void ScoreGraphJob::Cancel() {
    run_.Cancel();
    // Nothing was waiting (between two questions): the run ends here.
    if (run_.IsRunning())
        Finish({ScoreGraphResult::Outcome::Cancelled, series_, QStringLiteral("取り消しました。")});
}

void ScoreGraphJob::Finish(ScoreGraphResult result) {
    if (!run_.End())
        return;
    emit Finished(result);
}

}  // namespace engine
