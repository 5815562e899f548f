#pragma once

#include "common/platform.h"

#include <QString>

namespace admin {

/// "以前のデータを取り込む": brings the data folder of an earlier version into the data root
/// and tells the player what came in, what was left out and why, or what failed.
void BringInOldData(const QString& dataRoot, const QString& oldFolder, common::Platform& platform);

}  // namespace admin
