#pragma once

#include "common/app_state.h"

namespace store {

/// The store's part of the start: creates the folder tree under the data root, sets the
/// paths and the shared selection, reads the settings file and deletes the temporary files
/// that interrupted saves left anywhere under the data root.
void StartStore(common::AppState& state, const QString& dataRoot);
/// True when a new file can be made in the folder (tried, not guessed from permissions).
bool FolderWritable(const QString& folder);

}  // namespace store
