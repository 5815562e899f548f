#pragma once

#include "app/batch_mode.h"

namespace app {

/// --results-summary: the 成績 tables as UTF-8 tab-separated lines.
BatchMode MakeResultsSummaryMode();

}  // namespace app
