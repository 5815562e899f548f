#pragma once

#include "app/batch_mode.h"

namespace app {

/// --estimate-dead OPPONENT/GAME [--engine CMD]: the stones an engine calls dead at the end
/// of a finished game, and the count they lead to.
BatchMode MakeEstimateDeadMode();
/// --score-graph OPPONENT/GAME [--engine CMD] [--output FILE]: the engine's estimate after
/// every move of a finished game, one tab-separated line a move.
BatchMode MakeScoreGraphMode();

}  // namespace app
