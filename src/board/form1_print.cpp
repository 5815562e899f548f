// The printing panel's two prints: the record page of the shown position and a picture of
// the whole main window.
#include "board/form1.h"
#include "board/kifu_figures_dialog.h"
#include "board/mode_panels.h"
#include "output/kifu_figure_print.h"
#include "output/record_print.h"
#include "output/results_record.h"

#include <QLabel>
#include <QListWidget>

namespace board {
namespace {

QStringList ListEntries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

}  // namespace

void Form1::FillRemovedStones() {
    const store::RecordTable& table = model_.table();
    printingPanel_->List4->clear();
    printingPanel_->List4->addItems(output::FillRemovedList(table, table.lastRow));
}

void Form1::PrintRecord() {
    FillRemovedStones();

    output::RecordPage record = output::RecordPageOf(model_, OpponentName(), GameName());
    record.removedList = ListEntries(printingPanel_->List4);
    record.offsetXmm = state_.settings.printPosition1;
    record.offsetYmm = state_.settings.printPosition2;

    const QString documentName =
        QStringLiteral("ソラマメ棋譜 %1 %2").arg(OpponentName(), GameName());
    if (!platform_.PrintPage(
            documentName, common::PageOrientation::Portrait,
            [&record](common::PrintSurface& page) { output::PrintOut(page, record); })) {
        ReportPrintFailure();
    }
}

void Form1::PrintScreenCopy() {
    const common::MessageAnswer answer =
        platform_.ShowMessage(QStringLiteral("用紙サイズはＡ４としてください。") + '\n' +
                                  QStringLiteral("印字しますか？"),
                              QStringLiteral("用紙の確認"), common::MessageButtons::OkCancel,
                              common::MessageIcon::Question);
    if (answer == common::MessageAnswer::Cancel)
        return;
    const QImage window = grab().toImage();
    if (!platform_.PrintPage(
            QStringLiteral("ソラマメ画面コピー"), common::PageOrientation::Landscape,
            [&window](common::PrintSurface& page) { output::PrintWindowImage(page, window); })) {
        ReportPrintFailure();
    }
}

void Form1::AskKifuFigures() {
    auto* dialog = new KifuFiguresDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { PrintKifuFigures(dialog->Options()); });
    dialog->open();
}

void Form1::PrintKifuFigures(const output::FigureOptions& options) {
    // The figures show the game as saved, whatever position the board shows at the moment.
    output::KifuBook book;
    const output::BookOutcome outcome = output::MakeKifuBook(
        state_.RecordPath(OpponentName(), GameName()), output::ResultsRecordPath(state_.dataRoot),
        OpponentName(), GameName(), options, book);
    if (outcome != output::BookOutcome::Made) {
        platform_.ShowMessage(outcome == output::BookOutcome::NoMoves
                                  ? QStringLiteral("この対局にはまだ着手がありません。")
                                  : QStringLiteral("棋譜ファイルを読めませんでした。"),
                              QStringLiteral("棋譜図の印刷"), common::MessageButtons::Ok,
                              common::MessageIcon::Warning);
        return;
    }
    const QString documentName =
        QStringLiteral("ソラマメ棋譜図 %1 %2").arg(OpponentName(), GameName());
    if (!platform_.PrintPage(
            documentName, common::PageOrientation::Portrait,
            [&book](common::PrintSurface& page) { output::PrintKifuFigures(page, book); })) {
        ReportPrintFailure();
    }
}

void Form1::ReportPrintFailure() {
    platform_.ShowMessage(QStringLiteral("印刷できませんでした。プリンターを確かめてください。"),
                          QStringLiteral("印刷ができません。"), common::MessageButtons::Ok,
                          common::MessageIcon::Warning);
}

}  // namespace board
