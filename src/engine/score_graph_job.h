#pragma once

#include "engine/gtp_client.h"
#include "engine/score_series.h"

#include <QObject>
#include <QString>

namespace engine {

/// How a score graph came out: the series, from the cache or from the engine, or why none.
struct ScoreGraphResult {
    enum class Outcome { Computed, FromCache, Unsupported, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    ScoreSeries series;
    QString message;  // why there is no series
};

/// Computes the engine's estimate after every move of a finished game's record, one command
/// at a time so that the window stays responsive, reports progress and can be cancelled at
/// any moment. A series kept from an earlier look at the same record is taken at once; a
/// series computed whole is kept for the next.
class ScoreGraphJob : public QObject {
    Q_OBJECT

  public:
    explicit ScoreGraphJob(QObject* parent = nullptr);

    /// Finished comes once, also when the record cannot be read or the engine cannot start.
    /// `answerMs` bounds each of the engine's answers.
    void Run(const QString& recordPath, const QString& engineCommand, const QString& cacheFolder,
             int answerMs);
    void Cancel();
    bool IsRunning() const { return run_.IsRunning(); }
    qint64 ElapsedMs() const { return run_.ElapsedMs(); }
    /// The estimates so far, for drawing while the engine works.
    const ScoreSeries& series() const { return series_; }

  signals:
    /// `done` of `total` moves estimated.
    void Progress(int done, int total);
    void Finished(const engine::ScoreGraphResult& result);

  private:
    void ChooseScoreCommand(const GtpReply& reply);
    /// Sends `command`; its answer goes to `next` when it succeeded, else the run ends.
    void Ask(const QString& command, std::function<void(const QString&)> next);
    void SetUp();
    void Estimate();
    void PlayNext();
    void Finish(ScoreGraphResult result);

    GtpRun run_;
    GameReplay replay_;
    ScoreSeries series_;
    QString scoreCommand_;
    QString engineCommand_;
    QString cacheFolder_;
    QString cacheKey_;
    int answerMs_ = 0;
    bool quickLevel_ = false;
};

}  // namespace engine
