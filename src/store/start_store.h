#pragma once

#include "common/app_state.h"

namespace store {

/// The store's part of the start: creates the folder tree under the data root, sets the
/// paths and the shared selection, and reads the settings file.
void StartStore(common::AppState& state, const QString& dataRoot);

}  // namespace store
