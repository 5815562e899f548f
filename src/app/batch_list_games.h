#pragma once

#include "app/batch_mode.h"

namespace app {

/// --list-games: the games overview as UTF-8 tab-separated lines, the column names first.
BatchMode MakeListGamesMode();

}  // namespace app
