#include "widgets/game_picker.h"

#include "store/folder_tree.h"
#include "widgets/board_colour.h"
#include "widgets/board_picture.h"

#include <QComboBox>
#include <QListWidget>

namespace widgets {

GamePicker::GamePicker(common::AppState& state, QListWidget* gameList,
                       GameIndexOnNewOpponent onNewOpponent, StoredOpponentMissing whenMissing,
                       board::BoardPicture* smallBoard, QObject* parent)
    : QObject(parent),
      state_(state),
      gameList_(gameList),
      onNewOpponent_(onNewOpponent),
      whenMissing_(whenMissing),
      smallBoard_(smallBoard) {
    connect(gameList_, &QListWidget::currentRowChanged, this, &GamePicker::GameChosenAt);
    if (smallBoard_ != nullptr) {
        model_.SetCanvas(smallBoard_);
        RedrawBoard();
    }
}

GamePicker::GamePicker(common::AppState& state, QListWidget* opponentList, QListWidget* gameList,
                       GameIndexOnNewOpponent onNewOpponent, StoredOpponentMissing whenMissing,
                       board::BoardPicture* smallBoard, QObject* parent)
    : GamePicker(state, gameList, onNewOpponent, whenMissing, smallBoard, parent) {
    opponentList_ = opponentList;
    connect(opponentList_, &QListWidget::currentRowChanged, this, &GamePicker::OpponentChosenAt);
}

GamePicker::GamePicker(common::AppState& state, QComboBox* opponentCombo, QListWidget* gameList,
                       GameIndexOnNewOpponent onNewOpponent, StoredOpponentMissing whenMissing,
                       board::BoardPicture* smallBoard, QObject* parent)
    : GamePicker(state, gameList, onNewOpponent, whenMissing, smallBoard, parent) {
    opponentCombo_ = opponentCombo;
    // Only the player's choice: filling the list moves the current index too.
    connect(opponentCombo_, &QComboBox::activated, this, &GamePicker::OpponentChosenAt);
}

int GamePicker::OpponentCount() const {
    return opponentList_ != nullptr ? opponentList_->count() : opponentCombo_->count();
}

int GamePicker::OpponentRow() const {
    return opponentList_ != nullptr ? opponentList_->currentRow() : opponentCombo_->currentIndex();
}

QString GamePicker::OpponentAt(int row) const {
    return opponentList_ != nullptr ? opponentList_->item(row)->text()
                                    : opponentCombo_->itemText(row);
}

void GamePicker::FillOpponents(const QStringList& names) {
    if (opponentList_ != nullptr) {
        const QSignalBlocker quiet(opponentList_);
        opponentList_->clear();
        opponentList_->addItems(names);
        opponentList_->setCurrentRow(-1);
    } else {
        const QSignalBlocker quiet(opponentCombo_);
        opponentCombo_->clear();
        opponentCombo_->addItems(names);
        opponentCombo_->setCurrentIndex(-1);
    }
}

void GamePicker::ListGames(const QString& opponent) {
    const QSignalBlocker quiet(gameList_);
    listedOpponent_ = opponent;
    gameList_->clear();
    gameList_->addItems(store::ListGames(state_.currentGamesFolder, opponent));
    gameList_->setCurrentRow(-1);
}

void GamePicker::ListAnew(const QString& gamesOf) {
    FillOpponents(store::ListOpponents(state_.currentGamesFolder));
    ListGames(gamesOf);
}

void GamePicker::Refill() {
    // Read first: choosing the opponent may reset the game index.
    const int opponent = state_.selectedOpponentIndex;
    const int game = state_.selectedGameIndex;
    ListAnew();
    const bool listed = opponent >= 0 && opponent < OpponentCount();
    if (OpponentCount() == 0 || (!listed && whenMissing_ == StoredOpponentMissing::ChooseNone))
        return;
    ChooseOpponentRow(listed ? opponent : 0);
    if (game >= 0 && game < gameList_->count())
        ChooseGameRow(game);
}

void GamePicker::SwitchFolder(const QString& folder) {
    state_.currentGamesFolder = folder;
    state_.selectedOpponentIndex = -1;
    state_.selectedGameIndex = -1;
    state_.replyStale = true;
    Refill();
}

bool GamePicker::ChooseOpponent(const QString& name) {
    for (int row = 0; row < OpponentCount(); ++row) {
        if (OpponentAt(row) == name) {
            ChooseOpponentRow(row);
            return true;
        }
    }
    return false;
}

bool GamePicker::ChooseGame(const QString& name) {
    for (int row = 0; row < gameList_->count(); ++row) {
        if (gameList_->item(row)->text() == name) {
            ChooseGameRow(row);
            return true;
        }
    }
    return false;
}

QString GamePicker::ChosenOpponent() const {
    const int row = OpponentRow();
    return row >= 0 && row < OpponentCount() ? OpponentAt(row) : QString();
}

QString GamePicker::ChosenGame() const {
    const QListWidgetItem* item = gameList_->currentItem();
    return item != nullptr && gameList_->currentRow() >= 0 ? item->text() : QString();
}

// The controls change quietly and the choice is handled here, so that a choice made by the
// program acts exactly as the player's click, even on the row already current.
void GamePicker::ChooseOpponentRow(int row) {
    if (opponentList_ != nullptr) {
        const QSignalBlocker quiet(opponentList_);
        opponentList_->setCurrentRow(row);
    } else {
        const QSignalBlocker quiet(opponentCombo_);
        opponentCombo_->setCurrentIndex(row);
    }
    OpponentChosenAt(row);
}

void GamePicker::ChooseGameRow(int row) {
    {
        const QSignalBlocker quiet(gameList_);
        gameList_->setCurrentRow(row);
    }
    GameChosenAt(row);
}

void GamePicker::OpponentChosenAt(int row) {
    if (row < 0)
        return;
    const QString opponent = OpponentAt(row);
    ListGames(opponent);
    if (smallBoard_ != nullptr)
        ClearBoard();
    state_.selectedOpponentIndex = row;
    if (onNewOpponent_ == GameIndexOnNewOpponent::Reset)
        state_.selectedGameIndex = -1;
    emit OpponentChosen(opponent);
}

void GamePicker::GameChosenAt(int row) {
    if (row < 0)
        return;
    state_.selectedGameIndex = row;
    const QString game = gameList_->item(row)->text();
    if (smallBoard_ != nullptr)
        ShowOnBoard(state_.RecordPath(listedOpponent_, game));
    emit GameChosen(listedOpponent_, game);
}

void GamePicker::ShowOnBoard(const QString& recordPath) {
    shownRecord_ = recordPath;
    RedrawBoard();
}

void GamePicker::RedrawBoard() {
    if (smallBoard_ == nullptr)
        return;
    smallBoard_->SetBackground(BoardColourOf(state_.settings));
    model_.options().numbersWhileRecording = state_.settings.numbersWhileRecording != 0;
    if (shownRecord_.isEmpty()) {
        model_.Clear();
        smallBoard_->DrawBoard();
    } else {
        model_.ShowRecord(shownRecord_);
    }
}

}  // namespace widgets
