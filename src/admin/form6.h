#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "go/board_model.h"
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

namespace admin {

/// The erase window: erases games and opponents, backs finished games up into the backed-up
/// folder and restores them, showing the chosen game on a small board.
class Form6 : public QWidget {
    Q_OBJECT

  public:
    Form6(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
          QWidget* parent = nullptr);

    /// "消去の実行"
    void Command1_Click();
    /// "戻　る"
    void Command2_Click();
    /// "退避の実行"
    void Command3_Click();
    /// "復帰の実行"
    void Command4_Click();
    /// "操作説明"
    void Command6_Click();
    /// "対局中の棋譜"
    void Option1_Click();
    /// "退避後の棋譜"
    void Option2_Click();
    void List1_Click();
    void List2_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void Form_Activate();
    void BuildContentsFrame();
    void BuildListsAndBoard();
    void BuildButtons();
    void BuildWholeBackupButtons();
    void ShowView(bool inProgress);
    void SwitchGamesFolder(const QString& folder);
    void FillOpponentList();
    void FillGameList(const QString& opponent);
    void ClearGameDisplay();
    void ShowGame(const QString& recordPath);
    void DrawSmallBoard();
    QString SelectedOpponent() const;
    QString SelectedGame() const;
    void Run(MoveKind kind);

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    go::BoardModel model_;
    QString listedOpponent_;  // whose games List2 shows
    QString shownRecord_;     // the record on the small board; empty for an empty board

    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QLabel* Label2_ = nullptr;  // handicap
    QLabel* Label5_ = nullptr;  // komi
    QLabel* Label7_ = nullptr;
    QListWidget* List1_ = nullptr;
    QListWidget* List2_ = nullptr;
    QListWidget* List3_ = nullptr;
    board::BoardPicture* Picture1_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
};

}  // namespace admin
