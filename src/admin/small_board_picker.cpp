#include "admin/small_board_picker.h"

#include "admin/board_colour_window.h"
#include "widgets/board_picture.h"
#include "widgets/window_controls.h"

#include <QListWidget>

namespace admin {

SmallBoardPicker MakeSmallBoardPicker(QWidget* window, common::AppState& state,
                                      widgets::GameIndexOnNewOpponent onNewOpponent) {
    SmallBoardPicker made;
    made.board = new board::BoardPicture(board::kSmallBoardGeometry, window);
    made.board->setObjectName(QStringLiteral("Picture1"));
    made.board->move(widgets::Scaled(TwipsRect(120, 120, 0, 0).topLeft()));
    made.opponentList = widgets::Place(new QListWidget(window), QStringLiteral("List1"),
                                       TwipsRect(120, 5400, 2460, 3240));
    made.gameList = widgets::Place(new QListWidget(window), QStringLiteral("List2"),
                                   TwipsRect(2700, 5400, 2577, 3240));
    made.opponentList->setAccessibleName(QStringLiteral("対局者"));
    made.gameList->setAccessibleName(QStringLiteral("対局名"));
    made.picker =
        new widgets::GamePicker(state, made.opponentList, made.gameList, onNewOpponent,
                                widgets::StoredOpponentMissing::ChooseNone, made.board, window);
    return made;
}

}  // namespace admin
