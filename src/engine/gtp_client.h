#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QProcess;

namespace engine {

/// An engine's answer to one command, or why there is none.
struct GtpReply {
    enum class Status { Success, Failure, TimedOut, EngineGone, Cancelled };
    Status status = Status::Success;
    QString text;  // the answer after "=" or "?", trimmed; for the others, what happened
};

/// Cuts an engine's output into answers: each begins with "=" or "?" (an id may follow) and
/// ends with an empty line. Carriage returns are dropped, as the protocol asks.
class GtpReplyReader {
  public:
    void Feed(const QByteArray& bytes);
    /// The next whole answer; none until its empty line has come.
    std::optional<GtpReply> Take();

  private:
    QByteArray pending_;
};

/// The GTP vertex of a board point ("D16" for 4の四): columns A to T without I from the left,
/// rows counted from the bottom; empty off the board.
QString GtpVertex(int x, int y);
/// The board point of a vertex, case ignored; none for "pass" or anything off the board.
std::optional<std::pair<int, int>> PointOfVertex(const QString& vertex);

/// The program a command line starts, as found on PATH (or in /usr/games, where Debian puts
/// GNU Go); empty when there is none.
QString FindEngineProgram(const QString& commandLine);

/// A GTP engine in a process of its own (so that its licence stays its own): commands are
/// answered in order, each within its time; an engine that hangs is stopped, one that dies
/// or cannot start is said so, and the player can cancel at any time.
class GtpClient : public QObject {
    Q_OBJECT

  public:
    using ReplyHandler = std::function<void(const GtpReply&)>;

    explicit GtpClient(QObject* parent = nullptr);
    ~GtpClient() override;

    /// Starts the engine's command line (program and arguments, quoted as a shell would);
    /// false with the reason when there is no such program or it would not start.
    bool Start(const QString& commandLine, QString* why);
    /// Sends one command; `done` is called once with its answer, or with TimedOut (the engine
    /// is then stopped) when none came within `timeoutMs`, or EngineGone when it died.
    void Send(const QString& command, int timeoutMs, ReplyHandler done);
    /// Stops the engine; every command still waiting is answered Cancelled.
    void Cancel();
    bool IsRunning() const;

  private:
    struct Waiting {
        QString command;
        int timeoutMs = 0;
        ReplyHandler done;
    };
    void ReadOutput();
    void TimeOut();
    void EngineEnded();
    /// Stops the process and answers every waiting command with `status`.
    void StopAll(GtpReply::Status status, const QString& why);
    void StartTimerForFirst();

    QProcess* process_ = nullptr;
    GtpReplyReader reader_;
    QList<Waiting> waiting_;
    QTimer timer_;
};

/// One run of questions to an engine, which ends exactly once (with its answer, a failure or
/// the player's cancel, whichever comes first) and stops the engine when it does.
class GtpRun {
  public:
    GtpClient& client() { return client_; }
    void Begin() {
        clock_.start();
        running_ = true;
    }
    /// True the first time only: the run is over and the engine stopped; the commands still
    /// waiting are answered Cancelled, and whoever waits for them sees the run is over.
    bool End() {
        if (!running_)
            return false;
        running_ = false;
        client_.Cancel();
        return true;
    }
    /// Stops the engine: the commands waiting are answered Cancelled, which ends the run.
    void Cancel() {
        if (running_)
            client_.Cancel();
    }
    bool IsRunning() const { return running_; }
    qint64 ElapsedMs() const { return clock_.isValid() ? clock_.elapsed() : 0; }

  private:
    GtpClient client_;
    QElapsedTimer clock_;
    bool running_ = false;
};

}  // namespace engine
