#pragma once

#include "common/platform.h"

#include <QString>

namespace admin {

/// "全データのバックアップ": copies the data root into `targetFolder` and tells the player
/// how many games and files were copied, or exactly what failed.
void BackUpWholeData(const QString& dataRoot, const QString& targetFolder,
                     common::Platform& platform);

/// "バックアップから戻す": shows what the chosen backup holds, asks, and puts it in place of
/// the data root, keeping the current one aside. True when the data root was replaced: the
/// program must then start again on the restored files.
bool RestoreWholeData(const QString& dataRoot, const QString& backupFolder,
                      common::Platform& platform);

}  // namespace admin
