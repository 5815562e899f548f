#pragma once

#include "common/app_state.h"
#include "widgets/game_picker.h"

class QListWidget;
class QWidget;

namespace board {
class BoardPicture;
}

namespace admin {

/// The small board and the opponent and game lists that the registration and erase windows
/// show in the same places, with the picker that fills them.
struct SmallBoardPicker {
    board::BoardPicture* board = nullptr;
    QListWidget* opponentList = nullptr;
    QListWidget* gameList = nullptr;
    widgets::GamePicker* picker = nullptr;
};

SmallBoardPicker MakeSmallBoardPicker(QWidget* window, common::AppState& state,
                                      widgets::GameIndexOnNewOpponent onNewOpponent);

}  // namespace admin
