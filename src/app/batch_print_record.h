#pragma once

#include "app/batch_mode.h"

namespace app {

/// --print-record OPPONENT/GAME: the record page of a game as a PDF file.
BatchMode MakePrintRecordMode();

}  // namespace app
