#pragma once

#include "board/game_printing.h"
#include "board/main_commands.h"
#include "board/main_controls.h"
#include "board/secondary_windows.h"
#include "common/app_state.h"
#include "common/platform.h"
#include "session/game_session.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QLineEdit;

namespace widgets {
class GamePicker;
}

namespace board {

/// The main window: board, lists of opponents and games, menu and the three mode panels.
/// It stays open for the whole run; the other windows are opened from its menu. The game
/// itself lives in a GameSession; this window turns events into its calls and shows what
/// they answer.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow(common::AppState& state, common::Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Opens a secondary window for a menu entry (registration, reply, address, erase, ...).
    /// Each window is created on first use by the factory and afterwards shown again.
    using WindowFactory = std::function<QWidget*(MainWindow& mainWindow)>;
    void SetWindowFactory(MenuIndex index, WindowFactory factory);

    /// Runs a menu entry or a panel's button, as a click on it does (also a greyed one).
    void RunCommand(Panel panel, int index);
    /// Rebuilds the lists and shows the shared selection again, as on coming back from
    /// another window (which may have added, moved or erased games).
    void Reactivate();

    /// Chooses a game in play as if its opponent and name had been clicked, and switches to
    /// recording. Tells the player when the game is no longer there.
    void OpenGameForRecording(const QString& opponent, const QString& game);

    /// Shows the chosen game from its file: the position after the saved rows with the
    /// last-move mark. Nothing when no game is chosen.
    store::LoadOutcome ShowGame();
    /// Draws the empty board in the current mode's colour.
    void DrawEmptyBoard();
    void DrawNumerals();
    /// Repaints the board in the current board colour (after the colour window changed it).
    void RefreshBoardColour();

    go::BoardModel& model() { return session_.model(); }
    session::GameSession& session() { return session_; }
    common::AppState& state() { return state_; }
    common::Platform& platform() { return platform_; }
    bool GameChosen() const { return session_.HasGame(); }
    QString OpponentName() const;
    QString GameName() const;
    /// The chosen opponent's games as the game list shows them, first to last.
    QStringList GameNames() const;
    /// Shows the chosen game in review at `move` (0: before the first move), as typed into the
    /// review's move-number box.
    void ShowMoveInReview(int move);

  signals:
    /// The player asked for the score graph of the chosen game, which is finished.
    void ScoreGraphRequested(const QString& recordPath, const QString& title);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend std::span<const MainCommand> MainCommands();

    // Building (main_window.cpp).
    void ConnectControls();
    void ConnectNavigationKeys();
    void LoadSettings();
    void PlaceWindow();
    void LoadTermList();
    void WarnIfDataRootReadOnly();

    // The menu (main_window.cpp).
    void ShowRecordingMode() { ChooseMode(go::Mode::Recording); }
    void ShowReviewMode() { ChooseMode(go::Mode::Review); }
    void ShowPrintingMode() { ChooseMode(go::Mode::Printing); }
    void OpenRegistrationWindow() { OpenSecondaryWindow(MenuRegistration); }
    void OpenReplyWindow() { OpenSecondaryWindow(MenuReply); }
    void OpenAddressWindow() { OpenSecondaryWindow(MenuAddress); }
    void OpenEraseWindow() { OpenSecondaryWindow(MenuErase); }
    void OpenOverviewWindow() { OpenSecondaryWindow(MenuOverview); }
    void OpenResultsWindow() { OpenSecondaryWindow(MenuResults); }
    void Exit();
    void ChooseMode(go::Mode mode);
    void SetMode(go::Mode mode);
    void OpenSecondaryWindow(MenuIndex index);
    bool ConfirmExit();
    void OpenHelp(const QString& fileName);

    // Folders, lists and the chosen game (main_window_game.cpp).
    void SwitchGamesFolder(const QString& folder);
    void OpponentChosen();
    void GameClicked(const QString& opponent, const QString& game);
    void ClearGameDisplay();
    void ShowNoGameMessage();
    void WarnIfRecordUnreadable(store::LoadOutcome outcome);
    void ShowRecordCheck();
    void BoardClicked(Qt::MouseButton button, QPoint point);
    /// Places a stone typed as it is written on a card ("16の四"), as a click on its point.
    void EnterMoveByText();
    /// Tells the board's description (read by a screen reader) the last move shown.
    void DescribeLastMove();

    // Recording panel (main_window_recording.cpp).
    void RedisplayGame() { ShowGame(); }
    void SaveMoves();
    void RestoreLastSave();
    void ToggleCutMode();
    void CutAtStone(int x, int y);
    void ShowBoardClick(const session::BoardClick& click);
    void CommentEdited();
    void WarnOfCommas();
    void DescriptionChosen();
    void TermChosen();
    void OpenRecordingHelp();
    void EditTermList();

    // Review and printing panels (main_window_review.cpp).
    void ShowFinalPosition() { ShowGame(); }
    void ShowFromMoveBox() { ShowFromMove(ShownMoveBox()); }
    void ShowFromMove(QLineEdit* moveBox);
    void StepBack();
    void StepForward();
    void OpenNavigationHelp();
    void NavigationKey(int button);
    QLineEdit* ShownMoveBox() const;
    void MoveBoxEdited(QLineEdit* moveBox);
    void TransformChosen();
    /// The score graph only for a finished game: never an engine's view of a game in play.
    void OpenScoreGraph();
    bool ChosenGameIsFinished() const;
    void ShowScoreGraphButton();

    // Printing (main_window_review.cpp).
    void PrintRecord();
    void FillRemovedStones();
    void PrintScreenCopy() { printing_.PrintScreenCopy(*this); }
    void AskKifuFigures() { printing_.AskKifuFigures(this); }

    // End-of-game count and results record (main_window_recording.cpp).
    void CountTerritory();
    /// Asks the engine which stones of the counted position are dead and takes them off as
    /// the player's clicks would, unsaved; the player checks them and counts again.
    void ProposeDeadStones();
    void RecordResult();

    common::AppState& state_;
    common::Platform& platform_;
    session::GameSession session_;
    GamePrinting printing_;

    std::unique_ptr<MainControls> controls_;
    widgets::GamePicker* picker_ = nullptr;

    SecondaryWindows windows_;
    bool smallScreen_ = false;
    bool exitConfirmed_ = false;
    bool countShown_ = false;
    bool commaWarned_ = false;
};

}  // namespace board
