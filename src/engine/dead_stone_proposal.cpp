#include "engine/dead_stone_proposal.h"

#include "common/stone_colour.h"

#include <QRegularExpression>

namespace engine {
namespace {

constexpr int kSetUpMs = 10'000;  // starting and placing stones take an engine moments

}  // namespace

QStringList PositionCommands(const go::BoardGrid& board, int whiteFirst) {
    QStringList commands = {QStringLiteral("boardsize %1").arg(go::kBoardSize),
                            QStringLiteral("clear_board")};
    // Placing the final position stone by stone captures nothing: every group on it keeps at
    // least the liberties it has at the end, which are never filled.
    for (int y = 1; y <= go::kBoardSize; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x) {
            if (!board.Occupied(x, y))
                continue;
            const bool black =
                common::ColourOfStone(board.At(x, y), whiteFirst) == common::StoneColour::Black;
            commands << QStringLiteral("play %1 %2").arg(black ? 'B' : 'W').arg(GtpVertex(x, y));
        }
    }
    return commands;
}

QString EngineCommand(const QString& settingsPath) {
    return store::ReadEngineCommandLine(settingsPath).value_or(kDefaultEngineCommand);
}

DeadStoneProposal::DeadStoneProposal(QObject* parent) : QObject(parent) {}

void DeadStoneProposal::Run(const QString& commandLine, const go::BoardGrid& board, int whiteFirst,
                            int thinkingMs) {
    Cancel();
    run_.Begin();
    QString why;
    if (!run_.client().Start(commandLine, &why)) {
        Finish({DeadStoneResult::Outcome::Failed, {}, why});
        return;
    }
    run_.client().Send(QStringLiteral("list_commands"), kSetUpMs, [this](const GtpReply& reply) {
        if (reply.status != GtpReply::Status::Success)
            return Finish(FromFailure(reply));
        if (!reply.text.split('\n').contains(QStringLiteral("final_status_list")))
            return Finish({DeadStoneResult::Outcome::Unsupported,
                           {},
                           QStringLiteral("この思考エンジンは石の生死を答えられません"
                                          "（final_status_list がありません）。")});
    });
    const QStringList setUp = PositionCommands(board, whiteFirst);
    for (const QString& command : setUp) {
        run_.client().Send(command, kSetUpMs, [this, command](const GtpReply& reply) {
            if (run_.IsRunning() && reply.status != GtpReply::Status::Success) {
                DeadStoneResult result = FromFailure(reply);
                if (reply.status == GtpReply::Status::Failure)
                    result.message = QStringLiteral(
                                         "思考エンジンが局面を受け付けませんでした"
                                         "（%1：%2）。")
                                         .arg(command, reply.text);
                Finish(result);
            }
        });
    }
    AskDead(thinkingMs);
}

void DeadStoneProposal::AskDead(int thinkingMs) {
    run_.client().Send(
        QStringLiteral("final_status_list dead"), thinkingMs, [this](const GtpReply& reply) {
            if (!run_.IsRunning())
                return;
            if (reply.status != GtpReply::Status::Success)
                return Finish(FromFailure(reply));
            DeadStoneResult result{DeadStoneResult::Outcome::Proposed, {}, {}};
            static const QRegularExpression kSpace(QStringLiteral("\\s+"));
            for (const QString& vertex : reply.text.split(kSpace, Qt::SkipEmptyParts)) {
                if (const auto point = PointOfVertex(vertex))
                    result.dead.append(QPoint(point->first, point->second));
            }
            Finish(result);
        });
}

DeadStoneResult DeadStoneProposal::FromFailure(const GtpReply& reply) {
    if (reply.status == GtpReply::Status::Cancelled)
        return {DeadStoneResult::Outcome::Cancelled, {}, reply.text};
    if (reply.status == GtpReply::Status::Failure)
        return {DeadStoneResult::Outcome::Failed,
                {},
                QStringLiteral("思考エンジンがエラーを返しました（%1）。").arg(reply.text)};
    return {DeadStoneResult::Outcome::Failed, {}, reply.text};
}

void DeadStoneProposal::Cancel() {
    run_.Cancel();
}

void DeadStoneProposal::Finish(DeadStoneResult result) {
    if (!run_.End())
        return;
    emit Finished(result);
}

}  // namespace engine
