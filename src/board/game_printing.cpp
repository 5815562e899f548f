// The prints of the chosen game: the record page of the shown position, a picture of the
// whole main window, and the game in figures.
#include "board/game_printing.h"

#include "board/kifu_figures_dialog.h"
#include "output/kifu_figure_print.h"
#include "output/record_print.h"

#include <QWidget>

namespace board {

void GamePrinting::PrintRecord(const QStringList& removedStones) {
    output::RecordPage record =
        output::RecordPageOf(session_.model(), session_.opponent(), session_.game());
    output::TakeImportedPlayers(record, session_.model(), session_.opponent(), session_.game(),
                                session_.recordPath());
    record.removedList = removedStones;
    record.offsetXmm = state_.settings.printPosition1;
    record.offsetYmm = state_.settings.printPosition2;

    const QString documentName =
        QStringLiteral("ソラマメ棋譜 %1 %2").arg(session_.opponent(), session_.game());
    if (!platform_.PrintPage(
            documentName, common::PageOrientation::Portrait,
            [&record](common::PrintSurface& page) { output::PrintOut(page, record); })) {
        ReportPrintFailure();
    }
}

void GamePrinting::PrintScreenCopy(QWidget& window) {
    const common::MessageAnswer answer =
        platform_.ShowMessage(QStringLiteral("用紙サイズはＡ４としてください。") + '\n' +
                                  QStringLiteral("印字しますか？"),
                              QStringLiteral("用紙の確認"), common::MessageButtons::OkCancel,
                              common::MessageIcon::Question);
    if (answer == common::MessageAnswer::Cancel)
        return;
    const QImage picture = window.grab().toImage();
    if (!platform_.PrintPage(
            QStringLiteral("ソラマメ画面コピー"), common::PageOrientation::Landscape,
            [&picture](common::PrintSurface& page) { output::PrintWindowImage(page, picture); })) {
        ReportPrintFailure();
    }
}

void GamePrinting::AskKifuFigures(QWidget* parent) {
    auto* dialog = new KifuFiguresDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, parent,
                     [this, dialog] { PrintKifuFigures(dialog->Options()); });
    dialog->open();
}

void GamePrinting::PrintKifuFigures(const output::FigureOptions& options) {
    // The figures show the game as saved, whatever position the board shows at the moment.
    output::KifuBook book;
    const output::BookOutcome outcome =
        output::MakeKifuBook(session_.recordPath(), session_.ResultsRecordPath(),
                             session_.opponent(), session_.game(), options, book);
    if (outcome != output::BookOutcome::Made) {
        platform_.ShowMessage(outcome == output::BookOutcome::NoMoves
                                  ? QStringLiteral("この対局にはまだ着手がありません。")
                                  : QStringLiteral("棋譜ファイルを読めませんでした。"),
                              QStringLiteral("棋譜図の印刷"), common::MessageButtons::Ok,
                              common::MessageIcon::Warning);
        return;
    }
    const QString documentName =
        QStringLiteral("ソラマメ棋譜図 %1 %2").arg(session_.opponent(), session_.game());
    if (!platform_.PrintPage(
            documentName, common::PageOrientation::Portrait,
            [&book](common::PrintSurface& page) { output::PrintKifuFigures(page, book); })) {
        ReportPrintFailure();
    }
}

void GamePrinting::ReportPrintFailure() {
    platform_.ShowMessage(QStringLiteral("印刷できませんでした。プリンターを確かめてください。"),
                          QStringLiteral("印刷ができません。"), common::MessageButtons::Ok,
                          common::MessageIcon::Warning);
}

}  // namespace board
