#pragma once

#include <QString>

namespace admin {

/// Moves a file or folder into the desktop's trash, from where the player can take it back.
/// Returns where it lies in the trash; empty when there is no trash to take it, and then
/// nothing was moved.
QString MoveToTrash(const QString& path);

}  // namespace admin
