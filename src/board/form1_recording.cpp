// The recording panel of the main window: clicks on the board, saving, undoing the last
// save, cutting the record back, and the comment of the latest row.
#include "board/form1.h"
#include "board/mode_panels.h"
#include "common/record_text.h"
#include "output/move_description.h"
#include "store/folder_tree.h"
#include "store/record_file.h"
#include "store/start_store.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace board {

void Form1::Command1_Click(int index) {
    if (index <= CountAfterEnd && !GameChosen()) {
        ShowNoGameMessage();
        return;
    }
    switch (index) {
        case Redisplay:
            ShowGame();
            break;
        case RecordMoves:
            SaveMoves();
            break;
        case CutFromMove:
            ToggleCutMode();
            break;
        case RestoreSave:
            RestoreLastSave();
            break;
        case CountAfterEnd:
            CountTerritory(19);
            break;
        case RecordingHelp:
            OpenHelp(QStringLiteral("着手説明.txt"));
            break;
        case ResultsRecord:
            RecordResult();
            break;
        case EditTerms:
            OpenHelp(store::kTermListName);
            break;
        default:
            break;  // "一手" has no action
    }
}

void Form1::RecordingBoardClick(Qt::MouseButton button, int x, int y) {
    if (button == Qt::RightButton) {
        // The comment box shows the comment that a save will write for the row now last.
        if (model_.TakeBack(model_.table().savedRowCount - 1)) {
            const store::RecordTable& table = model_.table();
            const bool unsaved = table.lastRow > table.savedRowCount;
            Text3->setText(unsaved ? table.rows[table.lastRow].text.trimmed() : QString());
        }
        return;
    }
    if (button != Qt::LeftButton)
        return;
    if (recordingPanel_->Label4->isVisible()) {
        CutAtStone(x, y);
        return;
    }
    if (model_.PlaceAt(x, y) == go::PlaceResult::Placement)
        DescribeNewMove(model_.table().lastRow);
}

void Form1::DescribeNewMove(int row) {
    const store::RecordRow& move = model_.table().rows[row];
    const QStringList candidates = output::DescribeMove(model_.board(), move.x, move.y);
    Combo2->clear();
    Combo2->addItems(candidates);
    Combo2->setCurrentIndex(candidates.isEmpty() ? -1 : 0);
    Text3->setText(candidates.value(0));
    Text3_Change();
}

void Form1::SaveMoves() {
    const QString path = state_.RecordPath(OpponentName(), GameName());
    if (!store::AppendNewRows(path, state_.DataFile(store::kUndoCopyName), model_.table(),
                              platform_.Today())) {
        // The unsaved rows stay on the board, so the player can try again.
        platform_.ShowMessage(
            QStringLiteral("棋譜ファイルに書き込めませんでした。着手は記録されていません。"),
            QStringLiteral("着手記録ができません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    state_.replyStale = -1;
    ShowGame();
    recordingPanel_->Command1[RestoreSave]->setEnabled(true);
}

void Form1::RestoreLastSave() {
    if (!store::RestoreUndoCopy(state_.RecordPath(OpponentName(), GameName()),
                                state_.DataFile(store::kUndoCopyName))) {
        // The undo copy stays, so the player can try again once the disk has room.
        platform_.ShowMessage(
            QStringLiteral("棋譜ファイルに書き込めませんでした。棋譜は変更されていません。"),
            QStringLiteral("復元ができません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    recordingPanel_->Command1[RestoreSave]->setEnabled(false);
    ShowGame();
}

void Form1::ToggleCutMode() {
    recordingPanel_->Label4->setVisible(!recordingPanel_->Label4->isVisible());
}

void Form1::CutAtStone(int x, int y) {
    recordingPanel_->Label4->setVisible(false);
    const int number = model_.board().Occupied(x, y) ? model_.board().At(x, y) : go::kEmptyPoint;
    // Only saved stones can be cut at; a stone clicked since the last save is taken back with
    // the right button instead.
    if (number != go::kEmptyPoint && number <= model_.LastSavedMoveNumber()) {
        const QString path = state_.RecordPath(OpponentName(), GameName());
        if (!store::CutRecordAt(path, state_.DataFile(store::kUndoCopyName), model_.table(),
                                number)) {
            platform_.ShowMessage(
                QStringLiteral("棋譜ファイルに書き込めませんでした。棋譜は変更されていません。"),
                QStringLiteral("指定以降の抹消ができません。"), common::MessageButtons::Ok,
                common::MessageIcon::Warning);
            return;
        }
        ShowGame();
    }
    recordingPanel_->Command1[RestoreSave]->setEnabled(true);
}

void Form1::Text3_Change() {
    // Row 0 is the header: a comment typed before any move must not replace the colour.
    store::RecordTable& table = model_.table();
    if (table.lastRow < 1)
        return;
    table.rows[table.lastRow].text = common::FixedWidth(Text3->text(), store::kTextWidth);
}

void Form1::Text3_LostFocus() {
    if (commaWarned_)
        return;
    const QString text = Text3->text();
    if (!text.contains(QChar(',')) && !text.contains(QStringLiteral("，")))
        return;
    commaWarned_ = true;
    platform_.ShowMessage(QStringLiteral("コメントにカンマ「，」は使用できません。"),
                          QStringLiteral("カンマは使用できない文字です。"));
    commaWarned_ = false;
}

void Form1::Combo2_Click() {
    Text3->setText(Combo2->currentText());
    Text3_Change();
}

void Form1::Combo3_Click() {
    const QString term = Combo3->currentText();
    Text3->setText(Text3->text().isEmpty() ? term : Text3->text() + QStringLiteral("､") + term);
    Text3_Change();
}

}  // namespace board

namespace board {

void Form1::WarnIfRecordUnreadable(store::LoadOutcome outcome) {
    QString text;
    switch (outcome) {
        case store::LoadOutcome::Missing:
        case store::LoadOutcome::Complete:
            return;
        case store::LoadOutcome::Truncated:
            text = QStringLiteral(
                "棋譜ファイル「%1」に読めない行があります。その前までを表示します。");
            break;
        case store::LoadOutcome::TooLarge:
            text = QStringLiteral("棋譜ファイル「%1」は大きすぎるため読めません。");
            break;
        case store::LoadOutcome::NotAFile:
        case store::LoadOutcome::Unreadable:
            text = QStringLiteral("棋譜ファイル「%1」を読めません。");
            break;
    }
    platform_.ShowMessage(text.arg(GameName()), QStringLiteral("棋譜が読めません。"),
                          common::MessageButtons::Ok, common::MessageIcon::Warning);
}

void Form1::WarnIfDataRootReadOnly() {
    if (store::FolderWritable(state_.dataRoot))
        return;
    platform_.ShowMessage(
        QStringLiteral("フォルダ「%1」に書き込めません。棋譜や設定は保存できません。")
            .arg(QDir::toNativeSeparators(state_.dataRoot)),
        QStringLiteral("保存ができません。"), common::MessageButtons::Ok,
        common::MessageIcon::Warning);
}

}  // namespace board
