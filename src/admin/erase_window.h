#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "housekeeping/game_moves.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace board {
class BoardPicture;
}

namespace widgets {
class GamePicker;
}

namespace admin {

/// The erase window: erases games and opponents, backs finished games up into the backed-up
/// folder and restores them, showing the chosen game on a small board.
class EraseWindow : public QWidget {
    Q_OBJECT

  public:
    EraseWindow(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
                QWidget* parent = nullptr);

    /// "消去の実行"
    void EraseChosen();
    /// "退避の実行"
    void BackUpChosen();
    /// "復帰の実行"
    void RestoreChosen();
    /// "戻　る"
    void GoBack();
    /// "操作説明"
    void OpenHelp();
    /// "対局中の棋譜"
    void ShowGamesInProgress();
    /// "退避後の棋譜"
    void ShowBackedUpGames();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildWindow();
    void BuildContentsFrame();
    void BuildListsAndBoard();
    void BuildButtons();
    void BuildWholeBackupButtons();
    void ShowCurrentFolder();
    void ShowView(bool inProgress);
    void SwitchGamesFolder(const QString& folder);
    void ClearGameBoxes();
    void ClearGameDisplay();
    void ShowChosenOpponent(const QString& opponent);
    void ShowChosenGame(const QString& game);
    void MoveChosen(MoveKind kind);

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    widgets::GamePicker* picker_ = nullptr;

    QRadioButton* inProgressView_ = nullptr;
    QRadioButton* backedUpView_ = nullptr;
    QLineEdit* opponentNameBox_ = nullptr;
    QLineEdit* gameNameBox_ = nullptr;
    QLabel* handicapBox_ = nullptr;
    QLabel* komiBox_ = nullptr;
    QLabel* noteLabel_ = nullptr;
    QListWidget* opponentList_ = nullptr;
    QListWidget* gameList_ = nullptr;
    QListWidget* colourList_ = nullptr;
    board::BoardPicture* smallBoard_ = nullptr;
    QPushButton* backUpButton_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
};

}  // namespace admin
