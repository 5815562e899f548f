#pragma once

#include "common/app_state.h"
#include "common/platform.h"

class QWidget;

namespace app {

/// Soon after the window's first paint, tells the player once, without waiting for an
/// answer, which of their own games are overdue or due within two days. Nothing is read
/// when no time limit or end date is set.
void NoticeDueGamesAfterStart(QWidget& window, const common::AppState& state,
                              common::Platform& platform);

}  // namespace app
