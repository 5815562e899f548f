// The recording panel of the main window: saving, undoing the last save, cutting the record
// back, the comment of the latest row, the count after the end and the results record.
#include "board/main_window.h"

#include "board/dead_stone_dialog.h"
#include "board/mode_panels.h"
#include "engine/count_marks.h"
#include "store/folder_tree.h"
#include "widgets/board_picture.h"
#include "widgets/window_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace board {

void MainWindow::ShowBoardClick(const session::BoardClick& click) {
    if (!click.placed && !click.tookBack)
        return;
    // The word list follows the stone now last, also after a take-back.
    controls_->descriptionCombo->clear();
    controls_->descriptionCombo->addItems(click.descriptions);
    controls_->descriptionCombo->setCurrentIndex(click.descriptions.isEmpty() ? -1 : 0);
    if (click.commentNow) {
        // The comment box shows the comment that a save will write for the row now last.
        controls_->commentBox->setText(*click.commentNow);
    } else if (click.placed) {
        controls_->commentBox->setText(click.descriptions.value(0));
    }
    DescribeLastMove();
}

void MainWindow::SaveMoves() {
    if (!session_.Save(platform_.Today())) {
        // The unsaved rows stay on the board, so the player can try again.
        platform_.ShowMessage(
            QStringLiteral("棋譜ファイルに書き込めませんでした。着手は記録されていません。"),
            QStringLiteral("着手記録ができません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    ShowGame();
    controls_->recordingPanel->buttons[RestoreSave]->setEnabled(true);
    ShowRecordCheck();
}

void MainWindow::RestoreLastSave() {
    if (!session_.RestoreLastSave()) {
        // The undo copy stays, so the player can try again once the disk has room.
        platform_.ShowMessage(
            QStringLiteral("棋譜ファイルに書き込めませんでした。棋譜は変更されていません。"),
            QStringLiteral("復元ができません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    controls_->recordingPanel->buttons[RestoreSave]->setEnabled(false);
    ShowGame();
}

void MainWindow::ToggleCutMode() {
    QLabel* label = controls_->recordingPanel->cutModeLabel;
    label->setVisible(!label->isVisible());
}

void MainWindow::CutAtStone(int x, int y) {
    controls_->recordingPanel->cutModeLabel->setVisible(false);
    switch (session_.CutAt(x, y)) {
        case session::CutOutcome::Failed:
            platform_.ShowMessage(
                QStringLiteral("棋譜ファイルに書き込めませんでした。棋譜は変更されていません。"),
                QStringLiteral("指定以降の抹消ができません。"), common::MessageButtons::Ok,
                common::MessageIcon::Warning);
            return;
        case session::CutOutcome::Cut:
            ShowGame();
            break;
        case session::CutOutcome::NotASavedStone:
            break;
    }
    controls_->recordingPanel->buttons[RestoreSave]->setEnabled(true);
}

void MainWindow::CommentEdited() {
    session_.SetComment(controls_->commentBox->text());
}

void MainWindow::WarnOfCommas() {
    if (commaWarned_)
        return;
    const QString text = controls_->commentBox->text();
    if (!text.contains(QChar(',')) && !text.contains(QStringLiteral("，")))
        return;
    commaWarned_ = true;
    platform_.ShowMessage(QStringLiteral("コメントにカンマ「，」は使用できません。"),
                          QStringLiteral("カンマは使用できない文字です。"));
    commaWarned_ = false;
}

void MainWindow::DescriptionChosen() {
    controls_->commentBox->setText(controls_->descriptionCombo->currentText());
    CommentEdited();
}

void MainWindow::TermChosen() {
    const QString term = controls_->termCombo->currentText();
    const QString text = controls_->commentBox->text();
    controls_->commentBox->setText(text.isEmpty() ? term : text + QStringLiteral("､") + term);
    CommentEdited();
}

void MainWindow::OpenRecordingHelp() {
    OpenHelp(QStringLiteral("着手説明.txt"));
}

void MainWindow::EditTermList() {
    OpenHelp(store::kTermListName);
}

void MainWindow::CountTerritory() {
    go::BoardModel& model = session_.model();
    // Without an engine the button stays, disabled; its guide says where to get one.
    QPushButton* ask = controls_->recordingPanel->buttons[AskDeadStones];
    ask->setVisible(!countShown_);
    ask->setEnabled(!engine::FindEngineProgram(
                         engine::EngineCommand(state_.DataFile(engine::kEngineSettingsName)))
                         .isEmpty());
    if (countShown_) {
        countShown_ = false;
        controls_->ClearCount();
        // Redraw without reloading: dead stones taken off but not saved yet stay off.
        DrawEmptyBoard();
        model.ShowPositionAt(model.table().lastRow);
        model.MarkLastPlacement(model.table().lastRow);
        return;
    }
    countShown_ = true;
    const session::Count count = session_.CountPosition(19);
    output::DrawTerritoryMarks(count.territory, *controls_->boardPicture);
    controls_->scoreLabels[1]->setText(QString::number(count.score.blackScore));
    controls_->scoreLabels[3]->setText(QString::number(count.score.whiteScore));
    widgets::ShowWhole(controls_->resultLabel, count.score.resultLabel);
}

void MainWindow::ProposeDeadStones() {
    if (!countShown_)
        return;  // never about a game in play
    go::BoardModel& model = session_.model();
    // The engine sees the stones the player has taken off as dead put back, so that its
    // answer can be set against theirs.
    const engine::CountMarks marks = engine::MarksAtCount(model.table(), model.board());
    DeadStoneDialog dialog(engine::EngineCommand(state_.DataFile(engine::kEngineSettingsName)),
                           marks.board, model.table().whiteFirst, this);
    const QString title = QStringLiteral("死に石の提案");
    if (dialog.exec() != QDialog::Accepted) {
        if (dialog.result().outcome != engine::DeadStoneResult::Outcome::Cancelled)
            platform_.ShowMessage(
                dialog.result().message + QStringLiteral("\n") + engine::kEngineHelp, title,
                common::MessageButtons::Ok, common::MessageIcon::Warning);
        return;
    }
    engine::WeighedProposal weighed =
        engine::WeighProposal(marks, dialog.result().dead, model.board(), model.blackCaptured(),
                              model.whiteCaptured(), model.table());
    CountTerritory();  // the count goes; the stones come off as clicks, then it is redone
    const int blackBefore = model.blackCaptured();
    const int whiteBefore = model.whiteCaptured();
    // The stone just played cannot be the first one taken off (a click on it is refused:
    // the right click takes it back), so it comes last.
    const store::RecordRow& last = model.table().rows[model.table().lastRow];
    std::stable_partition(weighed.takeOff.begin(), weighed.takeOff.end(), [&last](QPoint point) {
        return !last.IsPlacement() || point != QPoint(last.x, last.y);
    });
    for (const QPoint& point : std::as_const(weighed.takeOff)) {
        ShowBoardClick(session_.RecordingClick(false, point.x(), point.y()));
        if (model.board().Occupied(point.x(), point.y()))
            weighed.notTaken << point;  // a full record, or the stone just played alone
    }
    // Said as it came out.
    weighed.blackTaken = model.blackCaptured() - blackBefore;
    weighed.whiteTaken = model.whiteCaptured() - whiteBefore;
    platform_.ShowNotice(engine::ProposalNotice(weighed), title);
}

void MainWindow::RecordResult() {
    if (controls_->resultLabel->text().trimmed().isEmpty()) {
        platform_.ShowMessage(
            QStringLiteral("「計算結果」が実行されていないため、対戦記録の表示のみをします。"),
            QStringLiteral("対戦記録を表示します。"));
    } else {
        const store::AppendOutcome outcome =
            session_.RecordResult(controls_->resultLabel->text(), platform_.Today());
        if (outcome != store::AppendOutcome::Appended) {
            platform_.ShowMessage(session::ResultNotRecordedText(outcome),
                                  QStringLiteral("対戦記録ができません。"),
                                  common::MessageButtons::Ok, common::MessageIcon::Warning);
        }
    }
    platform_.OpenInEditor(session_.ResultsRecordPath());
}

}  // namespace board
