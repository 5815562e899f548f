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

/// A question before a move. Erasing defaults to the answer that keeps the files; erasing
/// for good, where there is no trash, is asked once more with Yes and No.
struct MoveQuestion {
    Notice notice;
    common::MessageIcon icon = common::MessageIcon::None;
    common::MessageButtons buttons = common::MessageButtons::OkCancel;
    common::DefaultButton defaultButton = common::DefaultButton::Affirmative;
};

/// Asks the question; true only for OK or Yes.
using ConfirmMove = std::function<bool(const MoveQuestion& question)>;

/// How far a move went and what to tell the player; no notice after Cancel.
struct MoveOutcome {
    bool attempted = false;  // the folders were touched, so the lists must be rebuilt
    bool done = false;
    std::optional<Notice> notice;
};

/// Checks the request, asks `confirm`, then erases, backs up or restores. A game is moved by
/// copying and only then deleting its source, never over a record of the same name on the
/// other side; a move that fails half way is undone, so the game is always whole in exactly
/// one place. An opponent goes as a whole only while it has no game. Erasing moves the record
/// or the opponent's folder into the desktop's trash and says where; without a trash it asks
/// again before it deletes for good.
MoveOutcome RunMove(const common::AppState& state, const MoveRequest& request,
                    const ConfirmMove& confirm);

}  // namespace admin
