// The prints of the chosen game: the record page of the shown position, a picture of the
// whole main window, and the game in figures, the last and the first with the score graph
// after them when the player asks.
#include "board/game_printing.h"

#include "board/kifu_figures_dialog.h"
#include "engine/dead_stone_proposal.h"
#include "output/kifu_figure_print.h"
#include "output/record_print.h"

#include <QWidget>

namespace board {
namespace {

/// The graph on a page of its own after what is printed; nothing when none was asked for.
void AddScoreGraphPage(common::PrintSurface& page,
                       const std::optional<engine::ScoreGraphSheet>& graph) {
    if (graph && page.NewPage())
        engine::PrintScoreGraph(page, *graph);
}

}  // namespace

std::optional<engine::ScoreGraphSheet> GamePrinting::KeptScoreGraph() const {
    if (!session_.GameIsFinished())
        return std::nullopt;
    return engine::KeptScoreGraph(
        session_.recordPath(), session_.opponent(), session_.game(),
        engine::EngineCommand(state_.DataFile(engine::kEngineSettingsName)),
        engine::DefaultScoreCacheFolder());
}

std::optional<engine::ScoreGraphSheet> GamePrinting::AskForScoreGraph() {
    // Asked only where there is a graph to add; Enter keeps the print as it always was.
    std::optional<engine::ScoreGraphSheet> graph = KeptScoreGraph();
    if (graph &&
        platform_.ShowMessage(QStringLiteral("この対局の形勢グラフ（「検討」の「形勢グラフ」"
                                             "で調べたもの）のページも付けて印字しますか？"),
                              QStringLiteral("形勢グラフ"), common::MessageButtons::YesNo,
                              common::MessageIcon::Question,
                              common::DefaultButton::Safe) != common::MessageAnswer::Yes)
        graph.reset();
    return graph;
}

void GamePrinting::PrintRecord(const QStringList& removedStones) {
    output::RecordPage record =
        output::RecordPageOf(session_.model(), session_.opponent(), session_.game());
    output::TakeImportedPlayers(record, session_.model(), session_.opponent(), session_.game(),
                                session_.recordPath());
    record.removedList = removedStones;
    record.offsetXmm = state_.settings.printPosition1;
    record.offsetYmm = state_.settings.printPosition2;
    const std::optional<engine::ScoreGraphSheet> graph = AskForScoreGraph();

    const QString documentName =
        QStringLiteral("ソラマメ棋譜 %1 %2").arg(session_.opponent(), session_.game());
    if (!platform_.PrintPage(documentName, common::PageOrientation::Portrait,
                             [&record, &graph](common::PrintSurface& page) {
                                 output::PrintOut(page, record);
                                 AddScoreGraphPage(page, graph);
                             })) {
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
    // The graph is taken now, so that the print shows the one the dialog offered.
    std::optional<engine::ScoreGraphSheet> graph = KeptScoreGraph();
    auto* dialog = new KifuFiguresDialog(graph.has_value(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, parent, [this, dialog, graph] {
        PrintKifuFigures(dialog->Options(), dialog->WithScoreGraph()
                                                ? graph
                                                : std::optional<engine::ScoreGraphSheet>());
    });
    dialog->open();
}

void GamePrinting::PrintKifuFigures(const output::FigureOptions& options,
                                    const std::optional<engine::ScoreGraphSheet>& graph) {
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
    if (!platform_.PrintPage(documentName, common::PageOrientation::Portrait,
                             [&book, &graph](common::PrintSurface& page) {
                                 output::PrintKifuFigures(page, book);
                                 AddScoreGraphPage(page, graph);
                             })) {
        ReportPrintFailure();
    }
}

void GamePrinting::ReportPrintFailure() {
    platform_.ShowMessage(QStringLiteral("印刷できませんでした。プリンターを確かめてください。"),
                          QStringLiteral("印刷ができません。"), common::MessageButtons::Ok,
                          common::MessageIcon::Warning);
}

}  // namespace board
