#pragma once

#include "common/settings.h"

#include <QString>

namespace store {

/// Reads the settings file. A missing file leaves `settings` as it is (the defaults); in a
/// file that is there, a missing or unreadable line reads as 0.
bool ReadSettings(const QString& path, common::Settings& settings);
/// Writes all fifteen lines of the settings file, atomically.
bool WriteSettings(const QString& path, const common::Settings& settings);

}  // namespace store
