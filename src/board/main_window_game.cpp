// The main window's games: the two folders, the opponent and game lists, the chosen game and
// what it shows about it, and clicks on the board.
#include "board/main_window.h"

#include "board/mode_panels.h"
#include "board/move_entry_dialog.h"
#include "store/folder_tree.h"
#include "widgets/board_picture.h"
#include "widgets/game_picker.h"
#include "widgets/numeral_strips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace board {

void MainWindow::DrawEmptyBoard() {
    const QColor boardColour(state_.settings.red, state_.settings.green, state_.settings.blue);
    const bool printing = session_.model().mode() == go::Mode::Printing;
    controls_->boardPicture->SetBackground(printing ? QColor(Qt::white) : boardColour);
    controls_->boardPicture->DrawBoard();
}

void MainWindow::RefreshBoardColour() {
    if (GameChosen()) {
        ShowGame();
    } else {
        DrawEmptyBoard();
    }
}

void MainWindow::DrawNumerals() {
    const bool showNumerals = state_.settings.showNumerals == 1;
    controls_->ShowNumerals(smallScreen_, showNumerals);
    setWindowTitle(NumeralCaption(smallScreen_, showNumerals, state_.settings.numeralPitch == 1));
}

void MainWindow::OpenGameForRecording(const QString& opponent, const QString& game) {
    if (state_.currentGamesFolder != state_.inProgressFolder)
        SwitchGamesFolder(state_.inProgressFolder);
    RunCommand(Panel::Menu, MenuRecording);
    // Choosing shows the game, as a click does.
    if (!picker_->ChooseOpponent(opponent) || !picker_->ChooseGame(game)) {
        platform_.ShowMessage(
            QStringLiteral("対局者「%1」の対局「%2」が見つかりません。").arg(opponent, game),
            QStringLiteral("対局がありません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    raise();
    activateWindow();
}

void MainWindow::SwitchGamesFolder(const QString& folder) {
    ClearGameDisplay();
    session_.Forget();
    picker_->SwitchFolder(folder);  // chooses the first opponent, when there is one
    controls_->HighlightFolder(state_.currentGamesFolder != state_.backedUpFolder);
    DrawEmptyBoard();
}

QString MainWindow::OpponentName() const {
    return picker_->ChosenOpponent();
}

QString MainWindow::GameName() const {
    return picker_->ChosenGame();
}

QStringList MainWindow::GameNames() const {
    QStringList names;
    for (int i = 0; i < controls_->gameList->count(); ++i)
        names.append(controls_->gameList->item(i)->text());
    return names;
}

void MainWindow::ClearGameDisplay() {
    controls_->ClearGame();  // also ends a cut armed for the game before
    countShown_ = false;
    controls_->recordingPanel->buttons[AskDeadStones]->setVisible(false);
    controls_->reviewPanel->buttons[ScoreGraph]->setVisible(false);
}

void MainWindow::OpponentChosen() {
    DrawEmptyBoard();
    ClearGameDisplay();
    session_.Forget();
    state_.replyStale = true;
}

void MainWindow::GameClicked(const QString& opponent, const QString& game) {
    ClearGameDisplay();
    controls_->recordingPanel->buttons[RestoreSave]->setEnabled(false);
    session_.Choose(opponent, game);
    WarnIfRecordUnreadable(ShowGame());
    ShowRecordCheck();
    ShowScoreGraphButton();
}

store::LoadOutcome MainWindow::ShowGame() {
    if (!GameChosen())
        return store::LoadOutcome::Missing;
    countShown_ = false;
    controls_->recordingPanel->buttons[AskDeadStones]->setVisible(false);
    DrawEmptyBoard();
    const store::LoadOutcome outcome = session_.Show();
    // The proposed descriptions belonged to a move that is now saved or dropped.
    controls_->descriptionCombo->clear();
    controls_->termCombo->setCurrentIndex(-1);
    controls_->ShowInformation(session_.Information());
    FillRemovedStones();
    const bool recording = session_.model().mode() == go::Mode::Recording;
    controls_->commentBox->setEnabled(recording);
    if (recording)
        controls_->commentBox->clear();
    commaWarned_ = false;
    DescribeLastMove();
    return outcome;
}

void MainWindow::Reactivate() {
    // The registration window may have changed the options.
    session_.ApplyStoredOptions();
    // The erase window may have switched the games folder.
    controls_->HighlightFolder(state_.currentGamesFolder != state_.backedUpFolder);
    DrawEmptyBoard();
    DrawNumerals();
    ClearGameDisplay();
    session_.Forget();
    picker_->Refill();  // the stored opponent (or the first) and game, shown again
}

void MainWindow::ShowNoGameMessage() {
    platform_.ShowMessage(QStringLiteral("対局を選択してください。"),
                          QStringLiteral("対局が指定されていません。"));
}

void MainWindow::WarnIfRecordUnreadable(store::LoadOutcome outcome) {
    const QString text = session::UnreadableRecordText(outcome, session_.game());
    if (!text.isEmpty()) {
        platform_.ShowMessage(text, QStringLiteral("棋譜が読めません。"),
                              common::MessageButtons::Ok, common::MessageIcon::Warning);
    }
}

void MainWindow::ShowRecordCheck() {
    // In the guide box, never in a message box: the game stays usable as it is.
    const QString notice = session_.RecordCheckNotice();
    if (!notice.isEmpty())
        controls_->guideLabel->setText(notice);
}

void MainWindow::BoardClicked(Qt::MouseButton button, QPoint point) {
    if (controls_->opponentCombo->count() == 0) {
        platform_.ShowMessage(QStringLiteral("メニューの「登録」で対局を登録してください。"),
                              QStringLiteral("対局の登録がされていません。"));
        return;
    }
    if (!GameChosen()) {
        ShowNoGameMessage();
        return;
    }
    if (point.isNull() || (button != Qt::LeftButton && button != Qt::RightButton))
        return;
    const bool takeBack = button == Qt::RightButton;
    switch (session_.model().mode()) {
        case go::Mode::Recording:
            if (!takeBack && controls_->recordingPanel->cutModeLabel->isVisible()) {
                CutAtStone(point.x(), point.y());
            } else {
                ShowBoardClick(session_.RecordingClick(takeBack, point.x(), point.y()));
            }
            break;
        case go::Mode::Review:
            ShowBoardClick(session_.ReviewClick(takeBack, point.x(), point.y()));
            break;
        case go::Mode::Printing:
            break;
    }
}

void MainWindow::EnterMoveByText() {
    MoveEntryDialog dialog(platform_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    controls_->boardPicture->SetCursorPoint(dialog.Point());
    BoardClicked(Qt::LeftButton, dialog.Point());
}

void MainWindow::DescribeLastMove() {
    controls_->boardPicture->SetLastMoveText(session_.LastMoveText());
}

}  // namespace board
