// The review and printing panels of the main window: stepping through the saved game,
// variations on the review board, stone numbers, transforms and the print position.
#include "board/form1.h"
#include "board/mode_panels.h"
#include "store/folder_tree.h"
#include "store/settings_file.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace board {

void Form1::Command2_Click(int index) {
    NavigationClick(index, reviewPanel_->Text1);
}

void Form1::Command3_Click(int index) {
    NavigationClick(index, printingPanel_->Text2);
}

void Form1::NavigationClick(int index, QLineEdit* moveBox) {
    const bool review = moveBox == reviewPanel_->Text1;
    if (index == NavigationHelp) {
        OpenHelp(review ? QStringLiteral("検討説明.txt") : QStringLiteral("印刷説明.txt"));
        return;
    }
    if (!GameChosen()) {
        ShowNoGameMessage();
        return;
    }
    switch (index) {
        case FinalPosition:
            ShowGame();
            break;
        case StartPosition:
            ShowFromMoveBox(moveBox);
            break;
        case StepBackButton:
            model_.StepBack();
            break;
        case StepForwardButton:
            if (model_.StepForward() == go::StepResult::AtEnd) {
                platform_.ShowMessage(QStringLiteral("これより先の着手はありません。"),
                                      QStringLiteral("最終着手の状態です。"));
            }
            break;
        case NavigationButton::PrintRecord:
            PrintRecord();
            break;
        case NavigationButton::ScreenCopy:
            PrintScreenCopy();
            break;
        case NavigationButton::KifuFigures:
            AskKifuFigures();
            break;
        default:
            break;
    }
}

void Form1::MoveBox_Change(QLineEdit* moveBox) {
    if (GameChosen())
        ShowFromMoveBox(moveBox);
}

void Form1::ShowFromMoveBox(QLineEdit* moveBox) {
    bool ok = false;
    int number = moveBox->text().trimmed().toInt(&ok);
    if (!ok)
        number = 0;
    // A number past the end of the game stops at the last saved move; the box shows where.
    const int lastMove = model_.LastSavedMoveNumber();
    if (number > lastMove) {
        const QSignalBlocker block(moveBox);
        moveBox->setText(QString::number(lastMove));
        number = lastMove;
    }
    model_.ShowFromMove(number);
}

void Form1::ReviewBoardClick(Qt::MouseButton button, int x, int y) {
    if (button == Qt::RightButton) {
        model_.TakeBack(0);
    } else if (button == Qt::LeftButton && model_.PlaceAt(x, y) == go::PlaceResult::Placement) {
        DescribeNewMove(model_.table().lastRow);
    }
}

void Form1::List3_Click() {
    model_.SetTransform(qMax(0, reviewPanel_->List3->currentRow()));
    ShowGame();
}

void Form1::Check2_Click() {
    const bool on = reviewPanel_->Check2->isChecked();
    state_.settings.numbersWhileRecording = on ? 1 : 0;  // in memory only
    model_.options().numbersWhileRecording = on;
    model_.options().reviewNumbers = on;
    ShowGame();
}

void Form1::Check3_Click() {
    model_.options().printNumbers = printingPanel_->Check3->isChecked();
    ShowPrintedPositionAgain();
}

void Form1::Check4_Click() {
    const bool on = printingPanel_->Check4->isChecked();
    state_.settings.keepRemovedStones = on ? 1 : 0;
    model_.options().keepRemovedStones = on;
    store::WriteSettings(state_.DataFile(store::kSettingsFileName), state_.settings);
    ShowPrintedPositionAgain();
}

void Form1::ShowPrintedPositionAgain() {
    // The board shows, and 印字 prints, the same position drawn the new way: the stone numbers
    // are decided as each stone is drawn.
    if (GameChosen())
        model_.ShowPositionAt(model_.viewedRow());
}

void Form1::PrintPosition_Change() {
    state_.settings.printPosition1 = qint16(printingPanel_->HScroll1->value());
    state_.settings.printPosition2 = qint16(printingPanel_->HScroll2->value());
    printingPanel_->positionValue1->setText(QString::number(state_.settings.printPosition1));
    printingPanel_->positionValue2->setText(QString::number(state_.settings.printPosition2));
    store::WriteSettings(state_.DataFile(store::kSettingsFileName), state_.settings);
}

}  // namespace board
