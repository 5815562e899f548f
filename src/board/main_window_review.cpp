// The review and printing panels of the main window: stepping through the saved game, the
// move-number boxes, stone numbers, transforms, the print position and the record page.
#include "board/main_window.h"

#include "board/mode_panels.h"
#include "output/record_print.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace board {

QLineEdit* MainWindow::ShownMoveBox() const {
    return session_.model().mode() == go::Mode::Printing ? controls_->printingPanel->moveBox
                                                         : controls_->reviewPanel->moveBox;
}

void MainWindow::OpenNavigationHelp() {
    const bool printing = session_.model().mode() == go::Mode::Printing;
    OpenHelp(printing ? QStringLiteral("印刷説明.txt") : QStringLiteral("検討説明.txt"));
}

void MainWindow::StepBack() {
    session_.model().StepBack();
    DescribeLastMove();
}

void MainWindow::StepForward() {
    if (session_.model().StepForward() == go::StepResult::AtEnd) {
        platform_.ShowMessage(QStringLiteral("これより先の着手はありません。"),
                              QStringLiteral("最終着手の状態です。"));
    }
    DescribeLastMove();
}

void MainWindow::NavigationKey(int button) {
    const go::Mode mode = session_.model().mode();
    if (mode == go::Mode::Recording)
        return;
    if (button == StartPosition) {
        // Home means the very start, whatever move number the box holds.
        for (QLineEdit* box :
             {controls_->reviewPanel->moveBox, controls_->printingPanel->moveBox}) {
            const QSignalBlocker block(box);
            box->clear();
        }
    }
    RunCommand(mode == go::Mode::Review ? Panel::Review : Panel::Printing, button);
}

void MainWindow::MoveBoxEdited(QLineEdit* moveBox) {
    if (GameChosen())
        ShowFromMove(moveBox);
}

void MainWindow::ShowFromMove(QLineEdit* moveBox) {
    bool ok = false;
    const int typed = moveBox->text().trimmed().toInt(&ok);
    const int shown = session_.ShowFromMove(ok ? typed : 0);
    DescribeLastMove();
    // A number past the end of the game stops at the last saved move; the box shows where.
    if (ok && shown != typed) {
        const QSignalBlocker block(moveBox);
        moveBox->setText(QString::number(shown));
    }
}

void MainWindow::TransformChosen() {
    session_.model().SetTransform(qMax(0, controls_->reviewPanel->transformList->currentRow()));
    ShowGame();
}

bool MainWindow::ChosenGameIsFinished() const {
    return GameChosen() && session_.GameIsFinished();
}

void MainWindow::ShowScoreGraphButton() {
    // Shown for every chosen game so that the place is known, but only a finished game's can
    // be pressed; without a game the panel looks as it always did.
    QPushButton* button = controls_->reviewPanel->buttons[ScoreGraph];
    button->setVisible(GameChosen());
    button->setEnabled(ChosenGameIsFinished());
}

void MainWindow::OpenScoreGraph() {
    if (!ChosenGameIsFinished()) {
        platform_.ShowMessage(
            QStringLiteral("形勢グラフは、終わった対局（退避後の棋譜か、対戦記録に結果のある"
                           "対局）だけに作ります。対局中の対局について思考エンジンには尋ねま"
                           "せん。"),
            QStringLiteral("形勢グラフ"), common::MessageButtons::Ok,
            common::MessageIcon::Information);
        return;
    }
    emit ScoreGraphRequested(session_.recordPath(),
                             QStringLiteral("%1　%2局").arg(OpponentName(), GameName()));
}

void MainWindow::ShowMoveInReview(int move) {
    if (!GameChosen())
        return;
    if (session_.model().mode() != go::Mode::Review)
        ChooseMode(go::Mode::Review);
    // Shown as the number typed into the box would show it.
    QLineEdit* box = controls_->reviewPanel->moveBox;
    {
        const QSignalBlocker block(box);
        box->setText(QString::number(move));
    }
    ShowFromMove(box);
    raise();
    activateWindow();
}

void MainWindow::FillRemovedStones() {
    const store::RecordTable& table = session_.model().table();
    QListWidget* list = controls_->printingPanel->removedList;
    list->clear();
    list->addItems(output::FillRemovedList(table, table.lastRow));
}

void MainWindow::PrintRecord() {
    FillRemovedStones();
    QStringList removed;
    const QListWidget* list = controls_->printingPanel->removedList;
    for (int i = 0; i < list->count(); ++i)
        removed.append(list->item(i)->text());
    printing_.PrintRecord(removed);
}

}  // namespace board
