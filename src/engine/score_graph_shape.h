#pragma once

#include "engine/score_series.h"

#include <QPointF>
#include <QRectF>
#include <QString>

/// What the score graph window and the printed graph draw alike, without widgets or paper.
namespace engine {

/// How many of the biggest swings are listed beside or under a graph.
inline constexpr int kSwingsListed = 10;

/// Points either way of the middle line that a graph holds: the largest estimate rounded up
/// to a ten, ten at least.
double ScoreScale(const ScoreSeries& series);
/// Moves between two numbered marks along the bottom: 50 in a long game, closer in short ones.
int MoveMarkStep(int lastMove);
/// Where an estimate lies in `plot`: moves 0 to `lastMove` from left to right, Black's lead
/// of `scale` points at the top, even on the middle line, White's lead at the bottom.
QPointF GraphPoint(const QRectF& plot, int lastMove, double scale, int move, double lead);
/// The mean of each estimate with the one before, from move 1 on. GNU Go leans towards
/// whoever moved last; the mean of two moves shows the game without that lean.
ScoreSeries TwoMoveMeans(const ScoreSeries& series);
/// A swing in words: "第117手　白 10の十二　黒へ 8.5目" (the mover and the place from the
/// replay, left out for a move it lacks).
QString SwingText(const ScoreSwing& swing, const GameReplay& replay);

}  // namespace engine
