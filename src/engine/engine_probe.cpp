#include "engine/engine_probe.h"

namespace engine {

QString ProbeReport(const EngineProbeResult& result) {
    if (result.outcome == EngineProbeResult::Outcome::Cancelled)
        return QStringLiteral("試すのをやめました。");
    if (result.outcome == EngineProbeResult::Outcome::Failed)
        return result.message;
    const QString who = QStringLiteral("%1 %2").arg(result.name, result.version).trimmed();
    QStringList lines = {who.isEmpty()
                             ? QStringLiteral("思考エンジンが答えました。")
                             : QStringLiteral("思考エンジン「%1」が答えました。").arg(who)};
    lines << (result.knowsDeadStones
                  ? QStringLiteral("死に石の提案：使えます。")
                  : QStringLiteral("死に石の提案：使えません（final_status_list がありません）。"));
    lines << (result.knowsScore ? QStringLiteral("形勢グラフ：使えます。")
                                : QStringLiteral("形勢グラフ：使えません（estimate_score も "
                                                 "final_score もありません）。"));
    return lines.join('\n');
}

EngineProbe::EngineProbe(QObject* parent) : QObject(parent) {}

void EngineProbe::Run(const QString& commandLine, int answerMs) {
    Cancel();
    run_.Begin();
    answered_ = EngineProbeResult{EngineProbeResult::Outcome::Answered, {}, {}, false, false, {}};
    QString why;
    if (!run_.client().Start(commandLine, &why))
        return Finish({EngineProbeResult::Outcome::Failed, {}, {}, false, false, why});
    AskOptional(QStringLiteral("name"), answerMs, &answered_.name);
    AskOptional(QStringLiteral("version"), answerMs, &answered_.version);
    run_.client().Send(QStringLiteral("list_commands"), answerMs, [this](const GtpReply& reply) {
        if (!run_.IsRunning())
            return;
        if (reply.status == GtpReply::Status::Cancelled)
            return Finish({EngineProbeResult::Outcome::Cancelled, {}, {}, false, false, {}});
        if (reply.status != GtpReply::Status::Success)
            return Finish({EngineProbeResult::Outcome::Failed,
                           {},
                           {},
                           false,
                           false,
                           reply.status == GtpReply::Status::Failure
                               ? QStringLiteral("思考エンジンが list_commands を受け付けません"
                                                "でした（%1）。")
                                     .arg(reply.text)
                               : reply.text});
        const QStringList known = reply.text.split('\n');
        EngineProbeResult result = answered_;
        result.knowsDeadStones = known.contains(QStringLiteral("final_status_list"));
        result.knowsScore = known.contains(QStringLiteral("estimate_score")) ||
                            known.contains(QStringLiteral("final_score"));
        Finish(result);
    });
}

void EngineProbe::AskOptional(const QString& command, int answerMs, QString* into) {
    run_.client().Send(command, answerMs, [this, into](const GtpReply& reply) {
        if (!run_.IsRunning())
            return;
        if (reply.status == GtpReply::Status::Success)
            *into = reply.text.simplified();
        else if (reply.status == GtpReply::Status::Cancelled)
            Finish({EngineProbeResult::Outcome::Cancelled, {}, {}, false, false, {}});
        else if (reply.status != GtpReply::Status::Failure)
            Finish({EngineProbeResult::Outcome::Failed, {}, {}, false, false, reply.text});
    });
}

void EngineProbe::Cancel() {
    run_.Cancel();
}

void EngineProbe::Finish(EngineProbeResult result) {
    if (!run_.End())
        return;
    emit Finished(result);
}

}  // namespace engine
