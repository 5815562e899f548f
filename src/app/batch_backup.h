#pragma once

#include "app/batch_mode.h"

namespace app {

/// --backup DIR: copies the whole data root into a new backup folder inside DIR.
BatchMode MakeBackupMode();
/// --restore-backup DIR: puts a backup made by the program in place of the data root, keeping
/// the current one aside; asks nothing.
BatchMode MakeRestoreBackupMode();

/// Run at start, before anything makes the data root: finishes or undoes a restore that was
/// stopped between its two renames, and tells the player what was done or where the data is,
/// on stderr for a command-line mode and in a message box before the window otherwise.
void RecoverInterruptedRestoreAtStart(const QString& dataRoot, bool withWindow);

}  // namespace app
