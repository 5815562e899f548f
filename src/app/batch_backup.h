#pragma once

#include "app/batch_mode.h"

namespace app {

/// --backup DIR: copies the whole data root into a new backup folder inside DIR.
BatchMode MakeBackupMode();
/// --restore-backup DIR: puts a backup made by the program in place of the data root, keeping
/// the current one aside; asks nothing.
BatchMode MakeRestoreBackupMode();

}  // namespace app
