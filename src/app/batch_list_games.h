#pragma once

#include "app/batch_mode.h"

namespace app {

/// --list-games [--today YYYY-MM-DD]: the games overview as UTF-8 tab-separated lines, the
/// column names first, each game measured against the time limits as of that day.
BatchMode MakeListGamesMode();

}  // namespace app
