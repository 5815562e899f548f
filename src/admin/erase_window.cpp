#include "admin/erase_window.h"

#include "admin/board_colour_window.h"
#include "admin/small_board_picker.h"
#include "common/game_texts.h"
#include "common/stone_colour.h"
#include "desktop/folder_dialog.h"
#include "housekeeping/old_data.h"
#include "housekeeping/whole_backup.h"
#include "widgets/board_picture.h"
#include "widgets/box_radio_button.h"
#include "widgets/game_picker.h"
#include "widgets/keyboard_access.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace admin {
namespace {

using common::StoneColour;
using widgets::Button;
using widgets::Caption;
using widgets::Place;
using widgets::ValueBox;

enum ColourRow { BlackRow = 0, WhiteRow = 1 };
const QString kHelpFileName = QStringLiteral("消去説明.txt");
const QString kSelectedView = QStringLiteral("background-color: rgb(0, 0, 128); color: white;");
const QString kOtherView =
    QStringLiteral("background-color: rgb(224, 224, 224); color: rgb(64, 64, 64);");

/// A name box the lists fill: the buttons act on the lists' choice, so nothing is typed.
QLineEdit* ShownNameBox(QWidget* parent, const char* name, const QRect& geometry) {
    QLineEdit* box = Place(new QLineEdit(parent), name, geometry);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

EraseWindow::EraseWindow(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("対局の消去／退避／復帰"));
    BuildWindow();
}

void EraseWindow::BuildWindow() {
    common::PlaceSecondaryWindow(this, board::kPictureFontFamily, platform_.ScreenHeight(),
                                 mainWindow_);
    BuildListsAndBoard();
    BuildContentsFrame();
    BuildButtons();
    colourList_->addItems(
        {common::ColourText(StoneColour::Black), common::ColourText(StoneColour::White)});
    noteLabel_->setText(QStringLiteral("１．「退避の実行」は対局または対局者を退避します。") +
                        QStringLiteral("\r\n") +
                        QStringLiteral("２．「退避の実行」は「対局中の棋譜」を退避します。") +
                        QStringLiteral("\r\n") +
                        QStringLiteral("３．「復帰の実行」は「退避後の棋譜」を復帰します。"));
    ShowView(true);
}

void EraseWindow::BuildListsAndBoard() {
    // Another opponent forgets the game: the buttons act on what the lists show chosen.
    const SmallBoardPicker made =
        MakeSmallBoardPicker(this, state_, widgets::GameIndexOnNewOpponent::Reset);
    smallBoard_ = made.board;
    opponentList_ = made.opponentList;
    gameList_ = made.gameList;
    picker_ = made.picker;
    connect(picker_, &widgets::GamePicker::OpponentChosen, this, &EraseWindow::ShowChosenOpponent);
    connect(picker_, &widgets::GamePicker::GameChosen, this,
            [this](const QString&, const QString& game) { ShowChosenGame(game); });
}

void EraseWindow::BuildContentsFrame() {
    inProgressView_ = Place(new common::BoxRadioButton(QStringLiteral("対局中の棋譜"), this),
                            "Option1", TwipsRect(5520, 120, 3000, 420));
    backedUpView_ = Place(new common::BoxRadioButton(QStringLiteral("退避後の棋譜"), this),
                          "Option2", TwipsRect(8760, 120, 3000, 420));
    connect(inProgressView_, &QRadioButton::clicked, this, &EraseWindow::ShowGamesInProgress);
    connect(backedUpView_, &QRadioButton::clicked, this, &EraseWindow::ShowBackedUpGames);

    auto* frame = Place(new QGroupBox(QStringLiteral("登録の内容表示"), this), "Frame1",
                        TwipsRect(5520, 720, 6240, 2580));
    QLabel* opponentCaption =
        Caption(frame, "Label1", QStringLiteral("対局者"), TwipsRect(240, 420, 900, 300));
    opponentNameBox_ = ShownNameBox(frame, "Text1", TwipsRect(1140, 360, 2760, 360));
    opponentCaption->setBuddy(opponentNameBox_);  // its name for a screen reader
    QLabel* gameCaption =
        Caption(frame, "Label3", QStringLiteral("対局名"), TwipsRect(240, 900, 900, 300));
    gameNameBox_ = ShownNameBox(frame, "Text2", TwipsRect(1140, 840, 2760, 360));
    gameCaption->setBuddy(gameNameBox_);
    Caption(frame, "Label4", QStringLiteral("手合割"), TwipsRect(240, 1440, 900, 300));
    handicapBox_ = ValueBox(frame, "Label2", TwipsRect(1140, 1380, 2760, 360));
    Caption(frame, "Label6", QStringLiteral("コミ出し"), TwipsRect(240, 1980, 900, 300));
    komiBox_ = ValueBox(frame, "Label5", TwipsRect(1140, 1920, 2760, 360));
    Caption(frame, "Label8", QStringLiteral("自分の石"), TwipsRect(4260, 420, 1740, 300));
    colourList_ = Place(new QListWidget(frame), "List3", TwipsRect(4260, 780, 1200, 660));
    colourList_->setAccessibleName(QStringLiteral("自分の石"));
    // It shows the colour of the chosen game; a click must not seem to change it.
    colourList_->setFocusPolicy(Qt::NoFocus);
    colourList_->setAttribute(Qt::WA_TransparentForMouseEvents);

    noteLabel_ = Caption(this, "Label7", QString(), TwipsRect(5520, 3480, 6240, 1080));
    noteLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void EraseWindow::BuildButtons() {
    backUpButton_ =
        Button(this, "Command3", QStringLiteral("退避の実行"), TwipsRect(5520, 4800, 3060, 600));
    restoreButton_ =
        Button(this, "Command4", QStringLiteral("復帰の実行"), TwipsRect(8700, 4800, 3060, 600));
    // Apart from the other two: it takes records away.
    QPushButton* erase =
        Button(this, "Command1", QStringLiteral("消去の実行"), TwipsRect(5520, 5640, 3060, 600));
    QPushButton* help =
        Button(this, "Command6", QStringLiteral("操作説明"), TwipsRect(5520, 8040, 3060, 600));
    QPushButton* back =
        Button(this, "Command2", QStringLiteral("戻　る"), TwipsRect(8700, 8040, 3060, 600));
    connect(erase, &QPushButton::clicked, this, &EraseWindow::EraseChosen);
    connect(back, &QPushButton::clicked, this, &EraseWindow::GoBack);
    widgets::CloseOnEscape(this, back);
    connect(backUpButton_, &QPushButton::clicked, this, &EraseWindow::BackUpChosen);
    connect(restoreButton_, &QPushButton::clicked, this, &EraseWindow::RestoreChosen);
    connect(help, &QPushButton::clicked, this, &EraseWindow::OpenHelp);
    BuildWholeBackupButtons();
}

void EraseWindow::BuildWholeBackupButtons() {
    QPushButton* backup = Button(this, "CommandBackup", QStringLiteral("全データのバックアップ"),
                                 TwipsRect(5520, 6480, 3060, 600));
    QPushButton* restore = Button(this, "CommandRestore", QStringLiteral("バックアップから戻す"),
                                  TwipsRect(8700, 6480, 3060, 600));
    QPushButton* import = Button(this, "CommandImportOld", QStringLiteral("以前のデータを取り込む"),
                                 TwipsRect(5520, 7140, 3060, 600));
    QPushButton* open =
        Button(this, "CommandOpenDataFolder", QStringLiteral("データフォルダーを開く"),
               TwipsRect(8700, 7140, 3060, 600));
    connect(backup, &QPushButton::clicked, this, [this] {
        const QString folder =
            common::AskFolder(this, QStringLiteral("バックアップ先のフォルダを選んでください"));
        if (!folder.isEmpty())
            BackUpWholeData(state_.dataRoot, folder, platform_);
    });
    connect(restore, &QPushButton::clicked, this, [this] {
        const QString folder =
            common::AskFolder(this, QStringLiteral("戻すバックアップのフォルダを選んでください"));
        // The windows hold what they read from the old files: the program starts afresh.
        // quit() would ask every window to close, and the main window would ask whether to
        // end after the player was told that it ends; exit() ends without a question.
        if (!folder.isEmpty() && RestoreWholeData(state_.dataRoot, folder, platform_))
            QCoreApplication::exit(0);
    });
    connect(import, &QPushButton::clicked, this, [this] {
        const QString folder = common::AskFolder(
            this, QStringLiteral("以前のソラマメのデータフォルダを選んでください"));
        if (folder.isEmpty())
            return;
        BringInOldData(state_.dataRoot, folder, platform_);
        ShowCurrentFolder();
    });
    connect(open, &QPushButton::clicked, this, [this] { platform_.ShowFolder(state_.dataRoot); });
}

void EraseWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        ShowCurrentFolder();
}

void EraseWindow::ShowCurrentFolder() {
    // The main window may have switched the games folder since; a view that showed one
    // folder while its buttons moved games from the other would move a record onto itself.
    ShowView(state_.currentGamesFolder != state_.backedUpFolder);
    ClearGameDisplay();
    picker_->Refill();
}

void EraseWindow::ShowView(bool inProgress) {
    inProgressView_->setChecked(inProgress);
    backedUpView_->setChecked(!inProgress);
    inProgressView_->setStyleSheet(inProgress ? kSelectedView : kOtherView);
    backedUpView_->setStyleSheet(inProgress ? kOtherView : kSelectedView);
    backUpButton_->setEnabled(inProgress);
    restoreButton_->setEnabled(!inProgress);
}

void EraseWindow::ShowGamesInProgress() {
    SwitchGamesFolder(state_.inProgressFolder);
}

void EraseWindow::ShowBackedUpGames() {
    SwitchGamesFolder(state_.backedUpFolder);
}

void EraseWindow::SwitchGamesFolder(const QString& folder) {
    picker_->SwitchFolder(folder);
    ShowView(folder != state_.backedUpFolder);
    ClearGameDisplay();
}

void EraseWindow::ClearGameBoxes() {
    opponentNameBox_->clear();
    gameNameBox_->clear();
    handicapBox_->clear();
    komiBox_->clear();
    colourList_->setCurrentRow(-1);
}

void EraseWindow::ClearGameDisplay() {
    ClearGameBoxes();
    picker_->ClearBoard();
}

void EraseWindow::ShowChosenOpponent(const QString& opponent) {
    // The game box empties too (the picker empties the board): the boxes show exactly what
    // the buttons will act on.
    ClearGameBoxes();
    opponentNameBox_->setText(opponent);
}

void EraseWindow::ShowChosenGame(const QString& game) {
    gameNameBox_->setText(game);
    const store::RecordTable& table = picker_->ShownTable();
    if (!table.headerRead) {
        handicapBox_->clear();
        komiBox_->clear();
        colourList_->setCurrentRow(-1);
        return;
    }
    handicapBox_->setText(common::HandicapText(table.handicapCode));
    komiBox_->setText(common::KomiText(table.komiCode));
    // A header that names no colour has always shown White.
    colourList_->setCurrentRow(table.playerColour == StoneColour::Black ? BlackRow : WhiteRow);
}

void EraseWindow::MoveChosen(MoveKind kind) {
    const MoveRequest request{kind, picker_->ChosenOpponent(), picker_->ChosenGame()};
    const MoveOutcome outcome = RunMove(state_, request, [this](const MoveQuestion& question) {
        const common::MessageAnswer answer =
            platform_.ShowMessage(question.notice.text, question.notice.title, question.buttons,
                                  question.icon, question.defaultButton);
        return answer == common::MessageAnswer::Ok || answer == common::MessageAnswer::Yes;
    });
    if (outcome.notice)
        platform_.ShowMessage(outcome.notice->text, outcome.notice->title);
    if (!outcome.attempted)
        return;
    if (request.game.isEmpty())
        state_.selectedOpponentIndex = -1;
    state_.selectedGameIndex = -1;
    state_.replyStale = true;
    picker_->ListAnew();
    ClearGameDisplay();
}

void EraseWindow::EraseChosen() {
    MoveChosen(MoveKind::Erase);
}

void EraseWindow::BackUpChosen() {
    MoveChosen(MoveKind::BackUp);
}

void EraseWindow::RestoreChosen() {
    MoveChosen(MoveKind::Restore);
}

void EraseWindow::GoBack() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

void EraseWindow::OpenHelp() {
    platform_.OpenInEditor(state_.DataFile(kHelpFileName));
}

}  // namespace admin
