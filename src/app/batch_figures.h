#pragma once

#include "app/batch_mode.h"

namespace app {

/// --figures OPPONENT/GAME: the game in kifu figures as a PDF file.
BatchMode MakeFiguresMode();

}  // namespace app
