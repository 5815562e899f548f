#pragma once

#include "app/batch_mode.h"

namespace app {

/// --import-data OLD: brings the data folder of an earlier version into the data root and
/// reports what came in and what was left out.
BatchMode MakeImportDataMode();

}  // namespace app
