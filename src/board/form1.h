#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "go/board_model.h"
#include "output/kifu_figures.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace board {

class BoardPicture;
class ColumnNumeralStrip;
class RowNumeralStrip;
class RecordingPanel;
class ReviewPanel;
class PrintingPanel;

/// The menu labels, by index.
enum MenuIndex {
    MenuRecording = 0,
    MenuReview = 1,
    MenuPrinting = 2,
    MenuRegistration = 3,
    MenuReply = 4,
    MenuAddress = 5,
    MenuErase = 6,
    MenuExit = 7,
    MenuOverview = 8,
    MenuResults = 9,
    MenuCount = 10
};

/// The main window: board, lists of opponents and games, menu and the three mode panels.
/// It stays open for the whole run; the other windows are opened from its menu.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1(common::AppState& state, common::Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    /// Opens a secondary window for a menu label (registration, reply, address, erase).
    /// Each window is created on first use by the factory and afterwards shown again.
    using WindowFactory = std::function<QWidget*(Form1& mainWindow)>;
    void SetWindowFactory(MenuIndex index, WindowFactory factory);

    // Events, named after control and event; public so that tests can drive them.
    void Label1_Click(int index);
    void Option1_Click();
    void Option2_Click();
    void Combo1_Click();
    void List2_Click();
    void Form_Activate();
    void Picture1_MouseDown(Qt::MouseButton button, double xTwips, double yTwips);
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command3_Click(int index);

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

    go::BoardModel& model() { return model_; }
    common::AppState& state() { return state_; }
    common::Platform& platform() { return platform_; }
    bool GameChosen() const;
    QString OpponentName() const;
    QString GameName() const;
    /// The chosen opponent's games as the game list shows them, first to last.
    QStringList GameNames() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void BuildControls();
    void BuildMenu();
    void BuildListsAndInfo();
    void BuildCommentRow();
    void ConnectControls();
    void PlaceWindow();
    void SetMode(go::Mode mode);
    void HighlightMenu(int selected);
    void HighlightFolderButtons();
    void SwitchGamesFolder(const QString& folder);
    void FillOpponentList();
    void FillGameList();
    void ClearGameDisplay();
    void ShowGameInformation();
    void ShowCaptures(int black, int white);
    void ClearCaptures();
    void LoadTermList();
    void OpenHelp(const QString& fileName);
    void ShowNoGameMessage();
    void WarnIfRecordUnreadable(store::LoadOutcome outcome);
    void WarnIfDataRootReadOnly();
    bool ConfirmExit();
    void OpenSecondaryWindow(MenuIndex index);
    void WatchGuide(QWidget* control);
    void ConnectNavigationKeys();
    void NavigationKey(int button);
    void ShowGuideFor(const QString& objectName);

    // Recording panel (form1_recording.cpp).
    void RecordingBoardClick(Qt::MouseButton button, int x, int y);
    void SaveMoves();
    void RestoreLastSave();
    void ToggleCutMode();
    void CutAtStone(int x, int y);
    void Text3_Change();
    void Text3_LostFocus();
    void Combo2_Click();
    void Combo3_Click();
    void DescribeNewMove(int row);

    // Review and printing panels (form1_review.cpp).
    void ReviewBoardClick(Qt::MouseButton button, int x, int y);
    void NavigationClick(int index, QLineEdit* moveBox);
    void MoveBox_Change(QLineEdit* moveBox);
    void ShowFromMoveBox(QLineEdit* moveBox);
    void List3_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void PrintPosition_Change();

    // Printing of the record page and the screen copy (form1_print.cpp).
    void PrintRecord();
    /// The removed-stone list of the printing panel, for the position shown.
    void FillRemovedStones();
    /// Draws the shown position again after a printing option changed.
    void ShowPrintedPositionAgain();
    void PrintScreenCopy();
    /// Asks for the figures' options, then prints the game in figures.
    void AskKifuFigures();
    void PrintKifuFigures(const output::FigureOptions& options);
    void ReportPrintFailure();

    // End-of-game count and results record (form1_count.cpp).
    void CountTerritory(int searchLimit);
    void RecordResult();
    void ClearCountDisplay();

    common::AppState& state_;
    common::Platform& platform_;
    go::BoardModel model_;

    std::array<QLabel*, MenuCount> Label1{};
    std::array<QWidget*, 3> Picture3{};
    RecordingPanel* recordingPanel_ = nullptr;
    ReviewPanel* reviewPanel_ = nullptr;
    PrintingPanel* printingPanel_ = nullptr;
    BoardPicture* Picture1 = nullptr;
    ColumnNumeralStrip* Picture6 = nullptr;
    RowNumeralStrip* Picture2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QListWidget* List2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    std::array<QLabel*, 3> Label13{};
    std::array<QLabel*, 3> Label14{};
    std::array<QLabel*, 5> Label3{};
    std::array<QLabel*, 4> Label5{};
    QLabel* Label12 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;

    std::array<WindowFactory, MenuCount> windowFactories_{};
    std::array<QWidget*, MenuCount> secondaryWindows_{};
    bool activationPending_ = false;
    bool smallScreen_ = false;
    bool exitConfirmed_ = false;
    bool fillingLists_ = false;
    bool countShown_ = false;
    bool commaWarned_ = false;
    QString lastMargin_;
    QString lastOutcome_;
};

}  // namespace board
