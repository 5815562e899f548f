#include "engine/count_marks.h"

#include "common/stone_colour.h"
#include "go/go_rules.h"
#include "output/point_words.h"

#include <cmath>

namespace engine {
namespace {

constexpr int kCountSearchLimit = 19;  // the main window's count looks across the board
constexpr int kNamedPoints = 5;        // points named in the notice before 「ほか」

bool IsBlack(qint16 number, int whiteFirst) {
    return common::ColourOfStone(number, whiteFirst) == common::StoneColour::Black;
}

QString PointList(const QList<QPoint>& points) {
    QStringList names;
    for (const QPoint& point : points.first(qMin(points.size(), qsizetype(kNamedPoints))))
        names << output::PointName(point.x(), point.y());
    if (points.size() > kNamedPoints)
        names << QStringLiteral("ほか %1 個").arg(points.size() - kNamedPoints);
    return names.join(QStringLiteral("、"));
}

/// A count as the main window makes it: the territories of `board`, the stones of each
/// colour off it, the record's komi.
output::GameScore ScoreOf(const go::BoardGrid& board, int blackRemoved, int whiteRemoved,
                          const store::RecordTable& table) {
    const output::TerritoryCount count =
        output::ClassifyTerritory(board, table.whiteFirst, kCountSearchLimit);
    return output::ScoreGame(count.blackTerritory, count.whiteTerritory, blackRemoved, whiteRemoved,
                             table.komiCode, table.PlayerColourText(), QString());
}

}  // namespace

CountMarks MarksAtCount(const store::RecordTable& table, const go::BoardGrid& board) {
    int lastMove = table.lastRow;
    while (lastMove > 0 && !table.rows[lastMove].IsPlacement())
        --lastMove;
    CountMarks marks{board, {}};
    QList<QPoint> removed;
    for (int r = lastMove + 1; r <= table.lastRow; ++r) {
        const store::RecordRow& row = table.rows[r];
        if (row.IsRemoval() && !marks.board.Occupied(row.x, row.y)) {
            marks.board.Set(row.x, row.y, row.number);
            removed << QPoint(row.x, row.y);
        }
    }
    // A stone that is back without liberties was captured, not marked dead.
    QList<QPoint> captured;
    for (const QPoint& point : removed) {
        const go::PointList group =
            go::GroupAt(marks.board, table.whiteFirst, point.x(), point.y());
        (go::LibertyCount(marks.board, group) == 0 ? captured : marks.marked) << point;
    }
    for (const QPoint& point : captured)
        marks.board.Set(point.x(), point.y(), go::kEmptyPoint);
    return marks;
}

WeighedProposal WeighProposal(const CountMarks& marks, const QList<QPoint>& dead,
                              const go::BoardGrid& board, int blackRemoved, int whiteRemoved,
                              const store::RecordTable& table) {
    WeighedProposal weighed;
    weighed.hadMarks = !marks.marked.isEmpty();
    weighed.playerScore = ScoreOf(board, blackRemoved, whiteRemoved, table);
    // The engine's view: its dead stones off the board it was asked about, nothing else.
    go::BoardGrid engineBoard = marks.board;
    int engineBlack = blackRemoved;
    int engineWhite = whiteRemoved;
    for (const QPoint& point : marks.marked) {
        if (!dead.contains(point)) {
            weighed.thoughtAlive << point;
            --(IsBlack(marks.board.At(point.x(), point.y()), table.whiteFirst) ? engineBlack
                                                                               : engineWhite);
        }
    }
    for (const QPoint& point : dead) {
        if (!engineBoard.Occupied(point.x(), point.y()))
            continue;
        const bool black = IsBlack(engineBoard.At(point.x(), point.y()), table.whiteFirst);
        engineBoard.Set(point.x(), point.y(), go::kEmptyPoint);
        if (marks.marked.contains(point))
            continue;  // off already, and counted
        ++(black ? engineBlack : engineWhite);
        if (board.Occupied(point.x(), point.y())) {
            weighed.takeOff << point;
            ++(black ? weighed.blackTaken : weighed.whiteTaken);
        }
    }
    weighed.engineScore = ScoreOf(engineBoard, engineBlack, engineWhite, table);
    return weighed;
}

QString ProposalNotice(const WeighedProposal& proposal) {
    const int taken = proposal.blackTaken + proposal.whiteTaken;
    QStringList lines;
    if (taken > 0)
        lines << QStringLiteral(
                     "思考エンジンの提案で、死に石 %1 個（黒 %2 個・白 %3 個）を取り上げ"
                     "ました。これは提案で、まだ記録していません。")
                     .arg(taken)
                     .arg(proposal.blackTaken)
                     .arg(proposal.whiteTaken);
    const bool allAgree = taken == 0 && proposal.notTaken.isEmpty();
    if (allAgree && !proposal.hadMarks)
        return QStringLiteral("思考エンジンは、盤上に死に石はないと答えました。");
    if (allAgree && proposal.thoughtAlive.isEmpty())
        return QStringLiteral("思考エンジンも、あなたが取り上げた石と同じ石を死に石と見ています。");
    if (!proposal.notTaken.isEmpty())
        lines << QStringLiteral(
                     "思考エンジンが死に石と見た石のうち %1 個（%2）は、取り上げられません"
                     "でした（直前に打った石だけを取り上げることはできず、棋譜は %3 行"
                     "までです）。")
                     .arg(proposal.notTaken.size())
                     .arg(PointList(proposal.notTaken))
                     .arg(store::kMaxRows);
    if (!proposal.thoughtAlive.isEmpty())
        lines << QStringLiteral(
                     "あなたが取り上げた石のうち %1 個（%2）は、思考エンジンは生きて"
                     "いると見ています。その石は盤に戻していません。")
                     .arg(proposal.thoughtAlive.size())
                     .arg(PointList(proposal.thoughtAlive));
    if (proposal.hadMarks) {
        const double apart =
            std::abs(proposal.engineScore.difference - proposal.playerScore.difference);
        lines << (apart == 0 ? QStringLiteral("地の計算は、思考エンジンの見方でも、あなたが取り上げ"
                                              "たままでも %1 です。")
                                   .arg(output::WinnerText(proposal.playerScore))
                             : QStringLiteral("地の計算は、思考エンジンの見方では %1、あなたが取り"
                                              "上げたままでは %2 で、%3の差です。")
                                   .arg(output::WinnerText(proposal.engineScore),
                                        output::WinnerText(proposal.playerScore),
                                        output::MarginText(apart)));
    }
    lines << QStringLiteral(
        "違う石は右クリックで一つずつ戻せます。確かめてから「終局後計算」で"
        "数え、「着手記録」で記録してください。");
    return lines.join('\n');
}

}  // namespace engine
