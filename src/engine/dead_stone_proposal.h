#pragma once

#include "engine/gtp_client.h"
#include "go/board_grid.h"
#include "store/engine_settings_file.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

namespace engine {

/// GNU Go from Debian (package gnugo), unless the player names another GTP engine.
inline const QString kDefaultEngineCommand = QStringLiteral("gnugo --mode gtp");

/// The engine's command line is set in the options and kept in the data root
/// (store::kEngineSettingsName); without one, GNU Go.
inline const QString kEngineSettingsName = store::kEngineSettingsName;
QString EngineCommand(const QString& settingsPath);

/// Where a player without an engine, or with one that failed, finds one.
inline const QString kGnuGoHelp =
    QStringLiteral("GNU Go は Debian のパッケージ gnugo で入ります（sudo apt install gnugo）。");
inline const QString kEngineHelp =
    kGnuGoHelp + QStringLiteral(
                     "ほかの GTP の思考エンジンは、「対局の登録／変更」のオプション"
                     "設定にある「思考エンジン設定」で指定できます。");

/// What the engine made of the stones on the board at the end of a game.
struct DeadStoneResult {
    enum class Outcome { Proposed, Unsupported, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    QList<QPoint> dead;  // board points (x, y from 1) of the stones it calls dead
    QString message;     // why there is no proposal
};

/// The GTP commands that set up `board` as it stands (stones coloured by the colour rule
/// from their numbers), for an engine that has just started.
QStringList PositionCommands(const go::BoardGrid& board, int whiteFirst);

/// Asks an engine which stones on the board of a finished game are dead: a proposal that
/// the player confirms or changes, never advice on a game in play. Runs while the window
/// stays responsive; the time the engine takes is open-ended and the player can cancel.
class DeadStoneProposal : public QObject {
    Q_OBJECT

  public:
    explicit DeadStoneProposal(QObject* parent = nullptr);

    /// Starts the engine and asks; Finished comes once, also when the engine cannot start.
    /// `thinkingMs` bounds the question about the dead stones, not the set-up.
    void Run(const QString& commandLine, const go::BoardGrid& board, int whiteFirst,
             int thinkingMs);
    void Cancel();
    bool IsRunning() const { return run_.IsRunning(); }
    qint64 ElapsedMs() const { return run_.ElapsedMs(); }

  signals:
    void Finished(const engine::DeadStoneResult& result);

  private:
    void AskDead(int thinkingMs);
    void Finish(DeadStoneResult result);
    /// A result that says why a reply was not the one hoped for.
    static DeadStoneResult FromFailure(const GtpReply& reply);

    GtpRun run_;
};

}  // namespace engine
