#pragma once

#include "board/main_commands.h"
#include "session/game_session.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace widgets {
class MenuEntry;
}

namespace board {

class BoardPicture;
class ColumnNumeralStrip;
class RowNumeralStrip;
class RecordingPanel;
class ReviewPanel;
class PrintingPanel;

/// The main window's controls, made in the order the keyboard visits them and named after
/// the window's control names (the menu from the command table). The window connects them.
/// The menu entries are chosen with Alt and their place in the menu (Alt+1 "着手" … Alt+0
/// "成績").
struct MainControls {
    explicit MainControls(QWidget* window);
    /// Places the board, its numeral strips and the comment row for the screen's height.
    void Place(bool smallScreen);
    /// Shows the numeral strips that the screen's height and the option leave room for.
    void ShowNumerals(bool smallScreen, bool showNumerals);
    /// White on blue for the chosen menu entry (none for -1), grey for the others.
    void HighlightMenu(int selected);
    /// The folder button of the games folder shown, white on navy.
    void HighlightFolder(bool inProgress);
    void ShowInformation(const session::GameInformation& information);
    void ShowCaptures(int black, int white);
    void ClearCaptures();
    void ClearCount();
    /// Empties everything shown about a game and ends the cut mode, which belongs to a game.
    void ClearGame();

    std::array<widgets::MenuEntry*, MenuCount> menuLabels{};
    std::array<QWidget*, 3> modePanels{};
    RecordingPanel* recordingPanel = nullptr;
    ReviewPanel* reviewPanel = nullptr;
    PrintingPanel* printingPanel = nullptr;
    BoardPicture* boardPicture = nullptr;
    ColumnNumeralStrip* columnStrip = nullptr;
    RowNumeralStrip* rowStrip = nullptr;
    QRadioButton* inProgressButton = nullptr;
    QRadioButton* backedUpButton = nullptr;
    QComboBox* opponentCombo = nullptr;
    QListWidget* gameList = nullptr;
    std::array<QLabel*, 3> gameInformation{};  // game, opponent, handicap and komi
    std::array<QLabel*, 5> prisonerLabels{};   // caption, "黒", count, "白", count
    std::array<QLabel*, 4> scoreLabels{};      // "黒", score, "白", score
    QLabel* resultLabel = nullptr;
    QLabel* guideLabel = nullptr;
    QLineEdit* commentBox = nullptr;
    QComboBox* descriptionCombo = nullptr;
    QComboBox* termCombo = nullptr;

  private:
    void BuildMenu(QWidget* window);
    void BuildListsAndInfo(QWidget* window);
    void BuildCommentRow(QWidget* window);
    /// Names for screen readers where a control's caption does not say what it is.
    void NameControls();
};

}  // namespace board
