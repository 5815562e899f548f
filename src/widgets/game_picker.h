#pragma once

#include "common/app_state.h"
#include "go/board_model.h"

#include <QObject>
#include <QString>

class QComboBox;
class QListWidget;

namespace board {
class BoardPicture;
}

namespace widgets {

/// What choosing an opponent does to the stored game index.
enum class GameIndexOnNewOpponent {
    Keep,   // the index stays as it was
    Reset,  // the index becomes -1: no game is chosen
};

/// What Refill chooses when the stored opponent index is not in the opponent list.
enum class StoredOpponentMissing { ChooseNone, ChooseFirst };

/// Chooses a game of the current games folder through an opponent control and a game list that
/// a window made: fills them, keeps the shared selection of the state (the opponent and game
/// indexes every window restores) and tells the window what was chosen. With a small board it
/// also shows the chosen game there.
class GamePicker : public QObject {
    Q_OBJECT

  public:
    /// `smallBoard` may be null: the window then draws the chosen game itself.
    GamePicker(common::AppState& state, QListWidget* opponentList, QListWidget* gameList,
               GameIndexOnNewOpponent onNewOpponent, StoredOpponentMissing whenMissing,
               board::BoardPicture* smallBoard, QObject* parent);
    /// The same with a drop-down list of opponents, chosen through its `activated` signal.
    GamePicker(common::AppState& state, QComboBox* opponentCombo, QListWidget* gameList,
               GameIndexOnNewOpponent onNewOpponent, StoredOpponentMissing whenMissing,
               board::BoardPicture* smallBoard, QObject* parent);

    /// Lists the opponents of the current folder anew and chooses the stored opponent and game
    /// again, as a window does each time it is shown.
    void Refill();
    /// Lists the opponents anew with none chosen and the games of `gamesOf` (none for an empty
    /// name) with none chosen; the stored indexes stay as they are.
    void ListAnew(const QString& gamesOf = QString());
    /// Shows another games folder. The stored indexes pointed into the other folder's lists,
    /// and so did the reply card's text.
    void SwitchFolder(const QString& folder);
    /// Chooses an opponent or a game of the listed opponent by name, as a click does; false
    /// when it is not listed.
    bool ChooseOpponent(const QString& name);
    bool ChooseGame(const QString& name);

    /// Whose games the game list holds; empty when none.
    QString ListedOpponent() const { return listedOpponent_; }
    /// The chosen opponent and game; empty when none is chosen.
    QString ChosenOpponent() const;
    QString ChosenGame() const;

    /// Shows a record on the small board (an empty path: the empty board).
    void ShowOnBoard(const QString& recordPath);
    void ClearBoard() { ShowOnBoard(QString()); }
    /// Draws the small board again, in the colour and with the options now stored.
    void RedrawBoard();
    /// The record on the small board; empty (headerRead false) when none is shown.
    const store::RecordTable& ShownTable() const { return model_.table(); }

  signals:
    /// An opponent was chosen: the game list holds their games, none chosen, and the small
    /// board is empty.
    void OpponentChosen(const QString& opponent);
    /// A game was chosen; the small board shows it and ShownTable() holds its record.
    void GameChosen(const QString& opponent, const QString& game);

  private:
    GamePicker(common::AppState& state, QListWidget* gameList, GameIndexOnNewOpponent onNewOpponent,
               StoredOpponentMissing whenMissing, board::BoardPicture* smallBoard, QObject* parent);
    int OpponentCount() const;
    int OpponentRow() const;
    QString OpponentAt(int row) const;
    void FillOpponents(const QStringList& names);
    void ListGames(const QString& opponent);
    void ChooseOpponentRow(int row);
    void ChooseGameRow(int row);
    void OpponentChosenAt(int row);
    void GameChosenAt(int row);

    common::AppState& state_;
    QListWidget* opponentList_ = nullptr;  // one of these two holds the opponents
    QComboBox* opponentCombo_ = nullptr;
    QListWidget* gameList_;
    GameIndexOnNewOpponent onNewOpponent_;
    StoredOpponentMissing whenMissing_;
    board::BoardPicture* smallBoard_;
    go::BoardModel model_;
    QString listedOpponent_;
    QString shownRecord_;  // the record on the small board; empty for the empty board
};

}  // namespace widgets
