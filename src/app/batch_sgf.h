#pragma once

#include "app/batch_mode.h"

namespace app {

/// --import-sgf FILE --opponent NAME --game NAME [--colour 黒|白]: a new game from an SGF file.
BatchMode MakeSgfImportMode();
/// --export-sgf OPPONENT/GAME (or OPPONENT for all the games) [--output FILE].
BatchMode MakeSgfExportMode();

}  // namespace app
