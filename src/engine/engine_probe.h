#pragma once

#include "engine/gtp_client.h"

#include <QObject>
#include <QString>

namespace engine {

/// What an engine said about itself when it was tried: its name and version, and whether
/// it knows the commands the program asks at the end of a game.
struct EngineProbeResult {
    enum class Outcome { Answered, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    QString name;
    QString version;
    bool knowsDeadStones = false;  // final_status_list
    bool knowsScore = false;       // estimate_score or final_score
    QString message;               // why it did not answer
};

/// The report the options window shows after a try, in the player's words.
QString ProbeReport(const EngineProbeResult& result);

/// Tries an engine's command line before the player keeps it: starts it and asks its name,
/// version and commands, each within `answerMs` (an engine that loads a large network
/// answers late), then stops it. The player can cancel at any time.
class EngineProbe : public QObject {
    Q_OBJECT

  public:
    explicit EngineProbe(QObject* parent = nullptr);

    /// Finished comes once, also when the engine cannot start.
    void Run(const QString& commandLine, int answerMs);
    void Cancel();
    bool IsRunning() const { return run_.IsRunning(); }
    qint64 ElapsedMs() const { return run_.ElapsedMs(); }

  signals:
    void Finished(const engine::EngineProbeResult& result);

  private:
    void Finish(EngineProbeResult result);
    /// Answers whose failure does not end the try: name and version are a courtesy.
    void AskOptional(const QString& command, int answerMs, QString* into);

    GtpRun run_;
    EngineProbeResult answered_;
};

}  // namespace engine
