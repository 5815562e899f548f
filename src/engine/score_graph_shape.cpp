#include "engine/score_graph_shape.h"

#include "output/move_description.h"
#include "output/point_words.h"

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

/// "16の四 右上隅星", or "パス".
QString MoveWords(const ReplayMove& move) {
    if (move.IsPass())
        return QStringLiteral("パス");
    const QString place = output::AbsolutePointName(move.x, move.y);
    return output::PointName(move.x, move.y) + (place.isEmpty() ? QString() : ' ' + place);
}

}  // namespace

double ScoreScale(const ScoreSeries& series) {
    double largest = 10;
    for (const ScorePoint& point : series)
        largest = std::max(largest, std::abs(point.blackLead));
    return std::ceil(largest / 10) * 10;
}

int MoveMarkStep(int lastMove) {
    return lastMove > 200 ? 50 : lastMove > 40 ? 20 : 10;
}

QPointF GraphPoint(const QRectF& plot, int lastMove, double scale, int move, double lead) {
    return {plot.left() + plot.width() * move / qMax(1, lastMove),
            plot.center().y() - plot.height() / 2 * lead / scale};
}

ScoreSeries TwoMoveMeans(const ScoreSeries& series) {
    ScoreSeries means;
    for (qsizetype i = 1; i < series.size(); ++i)
        means.append({series[i].move, (series[i].blackLead + series[i - 1].blackLead) / 2});
    return means;
}

QString SwingText(const ScoreSwing& swing, const GameReplay& replay) {
    QString mover;
    if (swing.move >= 1 && swing.move <= replay.moves.size()) {
        const ReplayMove& move = replay.moves[swing.move - 1];
        mover = (move.black ? QStringLiteral("黒 ") : QStringLiteral("白 ")) + MoveWords(move);
    }
    return QStringLiteral("第%1手　%2　%3へ %4目")
        .arg(swing.move)
        .arg(mover, swing.change >= 0 ? QStringLiteral("黒") : QStringLiteral("白"))
        .arg(std::abs(swing.change), 0, 'f', 1);
}

}  // namespace engine
