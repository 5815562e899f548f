#pragma once

#include "common/app_state.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace admin {

/// What reading an SGF file into a new game did: the message for the player and what was
/// left out on the way.
struct SgfImportOutcome {
    bool written = false;
    QString message;
    QStringList notes;
};

/// Makes a new game of the current games folder from the SGF bytes through CreateGame, as
/// registration makes one (opponent folder, record file, the opponent's address file when
/// missing), and writes beside the record what the file said of the game (store::GameInfo).
/// Refuses, writing nothing, a name that cannot be used or already has a record, a file the record
/// cannot hold, and a game whose files lead out of the data root (with the registration's message).
SgfImportOutcome ImportSgfGame(const common::AppState& state, const QString& opponent,
                               const QString& game, const QByteArray& sgfBytes, bool playerIsBlack,
                               const QDate& today);

/// The own name for the SGF players: the last line of the sender's address that is not blank,
/// "自分" when there is none.
QString OwnPlayerName(const common::AppState& state);

/// The SGF text (UTF-8) of one game, or of every game of the opponent as one collection when
/// `game` is empty; nothing when there is no such record.
std::optional<QByteArray> ExportSgfGames(const common::AppState& state, const QString& opponent,
                                         const QString& game);

}  // namespace admin
