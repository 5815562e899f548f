#pragma once

#include "common/app_state.h"
#include "registration/registration.h"
#include "store/record_table.h"

#include <QString>
#include <QStringList>

namespace admin {

/// The folder of the e-mail program's tree that the export writes into.
QString ExportTreeFolder(const common::AppState& state);

/// The lines of an exported game file, rows 0 to the last loaded row; a player holding White
/// is exported with a blank colour. The table itself is left as it is.
QStringList ExportLines(const store::RecordTable& table);

/// What an export did and the message that tells the player.
struct ExportOutcome {
    bool written = false;
    Notice notice;
};

/// Whether the e-mail program's tree already holds a copy of this game, which an export
/// would replace.
bool ExportedCopyExists(const common::AppState& state, const QString& opponent,
                        const QString& game);

/// Copies the loaded game into the opponent's folder of the e-mail program's tree and into
/// its backup folder, replacing earlier copies. Empty names mean no game is chosen. Writes
/// nothing when a folder or file on the way is a link leading out of the export root or to
/// nowhere, and names that link in the notice.
ExportOutcome ExportGame(const common::AppState& state, const QString& opponent,
                         const QString& game, const store::RecordTable& table);

}  // namespace admin
