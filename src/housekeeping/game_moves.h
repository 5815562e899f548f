#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "registration/registration.h"

#include <QString>

#include <functional>
#include <optional>

namespace admin {

enum class MoveKind { Erase, BackUp, Restore };

/// One button of the erase window: a game of the opponent, or, when no game is named, the
/// opponent's folder as a whole. Both names come from the listings of the current games
/// folder, which is where every move starts.
struct MoveRequest {
    MoveKind kind = MoveKind::Erase;
    QString opponent;
    QString game;
};

/// Asks the OK / Cancel question; true only for OK.
using ConfirmMove = std::function<bool(const Notice& question, common::MessageIcon icon)>;

/// How far a move went and what to tell the player; no notice after Cancel.
struct MoveOutcome {
    bool attempted = false;  // the folders were touched, so the lists must be rebuilt
    bool done = false;
    std::optional<Notice> notice;
};

/// Checks the request, asks `confirm`, then erases, backs up or restores. A game is moved by
/// copying and only then deleting its source, never over a record of the same name on the
/// other side; a move that fails half way is undone, so the game is always whole in exactly
/// one place. An opponent goes as a whole only while it has no game.
MoveOutcome RunMove(const common::AppState& state, const MoveRequest& request,
                    const ConfirmMove& confirm);

}  // namespace admin
