#pragma once

#include "app/batch_mode.h"

namespace app {

/// --check-record OPPONENT/GAME: what the game's rows hold that a real game cannot, one
/// finding a line; exit status 1 when something is found, 0 when the record is clean, 2 when
/// the game cannot be found or read whole.
BatchMode MakeCheckRecordMode();

}  // namespace app
