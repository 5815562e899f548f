#include "engine/gtp_client.h"

#include "go/board_grid.h"

#include <QProcess>
#include <QStandardPaths>

#include <cstring>
#include <utility>

namespace engine {
namespace {

// Column letters of the protocol: I is left out, so that it is never read as J or 1.
constexpr char kColumns[] = "ABCDEFGHJKLMNOPQRST";

}  // namespace

void GtpReplyReader::Feed(const QByteArray& bytes) {
    for (const char c : bytes) {
        if (c != '\r')
            pending_.append(c);
    }
}

std::optional<GtpReply> GtpReplyReader::Take() {
    for (;;) {
        // Anything before an answer's first character (stray empty lines) is not an answer.
        while (!pending_.isEmpty() && pending_[0] != '=' && pending_[0] != '?') {
            const qsizetype lineEnd = pending_.indexOf('\n');
            if (lineEnd < 0)
                return std::nullopt;
            pending_.remove(0, lineEnd + 1);
        }
        const qsizetype end = pending_.indexOf("\n\n");
        if (end < 0)
            return std::nullopt;
        const QByteArray answer = pending_.left(end);
        pending_.remove(0, end + 2);
        GtpReply reply;
        reply.status = answer[0] == '=' ? GtpReply::Status::Success : GtpReply::Status::Failure;
        qsizetype start = 1;
        while (start < answer.size() && answer[start] >= '0' && answer[start] <= '9')
            ++start;  // the command's id, when one was sent
        reply.text = QString::fromUtf8(answer.mid(start)).trimmed();
        return reply;
    }
}

QString GtpVertex(int x, int y) {
    if (!go::BoardGrid::OnBoard(x, y))
        return QString();
    return QLatin1Char(kColumns[x - 1]) + QString::number(go::kBoardSize + 1 - y);
}

std::optional<std::pair<int, int>> PointOfVertex(const QString& vertex) {
    const QString upper = vertex.trimmed().toUpper();
    if (upper.size() < 2)
        return std::nullopt;
    const char* column = std::strchr(kColumns, upper[0].toLatin1());
    bool isNumber = false;
    const int row = upper.mid(1).toInt(&isNumber);
    if (column == nullptr || upper[0] == QLatin1Char('\0') || !isNumber || row < 1 ||
        row > go::kBoardSize)
        return std::nullopt;
    return std::pair<int, int>{int(column - kColumns) + 1, go::kBoardSize + 1 - row};
}

QString FindEngineProgram(const QString& commandLine) {
    const QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return QString();
    // Debian puts games, GNU Go among them, in /usr/games, which not every PATH holds.
    QString found = QStandardPaths::findExecutable(words.first());
    if (found.isEmpty() && !words.first().contains(QLatin1Char('/')))
        found = QStandardPaths::findExecutable(words.first(), {QStringLiteral("/usr/games")});
    return found;
}

GtpClient::GtpClient(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &GtpClient::TimeOut);
}

GtpClient::~GtpClient() {
    // Whoever waits is going away with the client: nobody is answered.
    waiting_.clear();
    StopAll(GtpReply::Status::Cancelled, QString());
}

bool GtpClient::Start(const QString& commandLine, QString* why) {
    StopAll(GtpReply::Status::Cancelled, QString());
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) {
        *why = QStringLiteral("思考エンジンのコマンドが設定されていません。");
        return false;
    }
    const QString program = words.takeFirst();
    const QString found = FindEngineProgram(commandLine);
    process_ = new QProcess(this);
    process_->setProgram(found.isEmpty() ? program : found);
    process_->setArguments(words);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::readyReadStandardOutput, this, &GtpClient::ReadOutput);
    connect(process_, &QProcess::finished, this, &GtpClient::EngineEnded);
    process_->start();
    if (!process_->waitForStarted(5000)) {
        *why = QStringLiteral("思考エンジンを起動できませんでした（%1）。").arg(commandLine);
        delete process_;
        process_ = nullptr;
        return false;
    }
    reader_ = GtpReplyReader();
    return true;
}

bool GtpClient::IsRunning() const {
    return process_ != nullptr && process_->state() == QProcess::Running;
}

void GtpClient::Send(const QString& command, int timeoutMs, ReplyHandler done) {
    if (!IsRunning()) {
        done({GtpReply::Status::EngineGone, QStringLiteral("思考エンジンが動いていません。")});
        return;
    }
    waiting_.append({command, timeoutMs, std::move(done)});
    process_->write(command.toUtf8() + '\n');
    if (waiting_.size() == 1)
        StartTimerForFirst();
}

void GtpClient::StartTimerForFirst() {
    if (waiting_.isEmpty())
        timer_.stop();
    else
        timer_.start(waiting_.first().timeoutMs);
}

void GtpClient::ReadOutput() {
    reader_.Feed(process_->readAllStandardOutput());
    while (!waiting_.isEmpty()) {
        std::optional<GtpReply> reply = reader_.Take();
        if (!reply)
            break;
        const Waiting answered = waiting_.takeFirst();
        StartTimerForFirst();
        answered.done(*reply);
        if (process_ == nullptr)
            return;  // the handler cancelled or restarted the engine
    }
}

void GtpClient::TimeOut() {
    if (!waiting_.isEmpty())
        StopAll(GtpReply::Status::TimedOut,
                QStringLiteral("思考エンジンが %1 秒たっても答えないため止めました（%2）。")
                    .arg(waiting_.first().timeoutMs / 1000.0)
                    .arg(waiting_.first().command));
}

void GtpClient::EngineEnded() {
    if (process_ != nullptr && !waiting_.isEmpty()) {
        // The last answer may have come with the end of the output.
        ReadOutput();
        StopAll(GtpReply::Status::EngineGone,
                QStringLiteral("思考エンジンが途中で終了しました（%1）。")
                    .arg(waiting_.isEmpty() ? QString() : waiting_.first().command));
    }
}

void GtpClient::Cancel() {
    StopAll(GtpReply::Status::Cancelled, QStringLiteral("取り消しました。"));
}

void GtpClient::StopAll(GtpReply::Status status, const QString& why) {
    timer_.stop();
    if (process_ != nullptr) {
        QProcess* process = process_;
        process_ = nullptr;
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
        process->deleteLater();
    }
    const QList<Waiting> waiting = std::exchange(waiting_, {});
    for (const Waiting& command : waiting)
        command.done({status, why});
}

}  // namespace engine
