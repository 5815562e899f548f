#pragma once

#include <QString>

#include <span>

namespace board {

class MainWindow;

/// Where a command of the main window sits: the menu or one of the three mode panels.
enum class Panel { Menu, Recording, Review, Printing };

/// Menu entries, by their place in the menu.
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

/// Buttons of the recording panel, by index.
enum RecordingButton {
    Redisplay = 0,
    RecordMoves = 1,
    OneMove = 3,
    CutFromMove = 4,
    RestoreSave = 5,
    CountAfterEnd = 6,
    RecordingHelp = 7,
    AskDeadStones = 8,  // shown only while the count is
    ResultsRecord = 9,
    EditTerms = 10,
    RecordingButtonCount = 11
};

/// Buttons of the review and printing panels, by index; PrintRecord to KifuFigures only on the
/// printing panel, ScoreGraph only on the review panel.
enum NavigationButton {
    FinalPosition = 0,
    StartPosition = 1,
    StepBackButton = 2,
    StepForwardButton = 3,
    NavigationHelp = 4,
    PrintRecord = 5,
    ScreenCopy = 6,
    KifuFigures = 7,
    ScoreGraph = 8,  // shown while a game is chosen, pressable for a finished one
    ReviewButtonCount = 9,
    PrintingButtonCount = 8
};

/// One entry of the main window's menu or of a panel's buttons. The menu, the buttons, the
/// guide (by object name) and the dispatch are all built from the one table of these.
struct MainCommand {
    Panel panel;
    int index;            // the place in the menu, or the button's index in its panel
    const char* caption;  // UTF-8
    int column;           // the cell in the panel's grid; -1 for a button its panel places
    int row;
    /// Without a chosen game the command only says "対局を選択してください。".
    bool needsGame;
    void (MainWindow::*handler)();  // none for a button without an action ("一手")
};

/// Every command of the main window, the menu first, in the order the controls are made.
std::span<const MainCommand> MainCommands();
/// The command at `index` of `panel`; null when there is none.
const MainCommand* FindCommand(Panel panel, int index);
/// The control's object name: "Label1_3" for a menu entry, "Command1_1" / "Command2_0" /
/// "Command3_5" for the buttons of the three panels.
QString CommandObjectName(Panel panel, int index);

}  // namespace board
