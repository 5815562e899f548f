#pragma once

#include "common/print_surface.h"
#include "engine/score_series.h"

#include <QString>

#include <optional>

namespace engine {

/// What a printed score graph shows: the game, the engine that estimated and its estimates,
/// and the replay that names the mover of each swing.
struct ScoreGraphSheet {
    QString gameName;  // "山田　第3局", as the window's title names it
    QString engineCommand;
    ScoreSeries series;
    GameReplay replay;
};

/// The graph of the opponent's game kept in `cacheFolder` for the record as it is now and this
/// engine; none when no look at 「形勢グラフ」 kept one (or the record cannot be read). Never
/// asks an engine, so a print never waits for one; whether the game is finished is the
/// caller's to check.
std::optional<ScoreGraphSheet> KeptScoreGraph(const QString& recordPath, const QString& opponent,
                                              const QString& game, const QString& engineCommand,
                                              const QString& cacheFolder);

/// The graph on the page as it stands, across its width from the top: the heading with the
/// game, the plot (Black ahead above the middle line, White below, each estimate thin and the
/// mean of two moves thick), what the points are and which engine gave them, and the biggest
/// swings. The caller starts the page.
void PrintScoreGraph(common::PrintSurface& surface, const ScoreGraphSheet& sheet);

}  // namespace engine
