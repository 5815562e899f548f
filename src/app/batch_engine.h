#pragma once

#include "app/batch_mode.h"
#include "engine/score_graph_print.h"
#include "output/printed_game.h"

#include <optional>

namespace app {

/// --estimate-dead OPPONENT/GAME [--engine CMD]: the stones an engine calls dead at the end
/// of a finished game, and the count they lead to.
BatchMode MakeEstimateDeadMode();
/// --score-graph OPPONENT/GAME [--engine CMD] [--output FILE]: the engine's estimate after
/// every move of a finished game, one tab-separated line a move.
BatchMode MakeScoreGraphMode();

/// --with-score-graph for the modes that print a game, and --engine, whose graph it is.
void DeclareScoreGraphPageOptions(QCommandLineParser& parser);
/// The score graph that --with-score-graph asks to print after the game: taken from the
/// cache only, never from an engine. False after saying why when it was asked for and the
/// game is in play or no graph of it is kept; `graph` stays empty when it was not asked for.
bool ScoreGraphPageOf(const BatchContext& context, const QString& recordPath,
                      const output::GameName& name, std::optional<engine::ScoreGraphSheet>& graph);

}  // namespace app
