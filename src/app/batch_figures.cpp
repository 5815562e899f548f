// A game in kifu figures, written to PDF from the command line.
#include "app/batch_figures.h"

#include "app/batch_engine.h"
#include "app/batch_pdf.h"
#include "output/kifu_figure_print.h"
#include "output/results_record.h"

namespace app {
namespace {

int RunFigures(const BatchContext& context) {
    output::GameName name;
    const QString path = RecordFileOf(context, QStringLiteral("figures"), name);
    const QString pdf = PdfPathOf(context);
    if (path.isEmpty() || pdf.isEmpty())
        return 1;
    output::FigureOptions options;
    options.renumber = context.parser.isSet(QStringLiteral("renumber"));
    if (context.parser.isSet(QStringLiteral("moves-per-figure"))) {
        bool number = false;
        options.movesPerFigure =
            context.parser.value(QStringLiteral("moves-per-figure")).toInt(&number);
        if (!number || options.movesPerFigure < 0) {
            context.err << QStringLiteral(
                               "--moves-per-figure には 0 (全局) 以上の手数を指定してください。")
                        << Qt::endl;
            return 1;
        }
    }
    std::optional<engine::ScoreGraphSheet> graph;
    if (!ScoreGraphPageOf(context, path, name, graph))
        return 2;
    output::KifuBook book;
    const output::BookOutcome outcome = output::MakeKifuBook(
        path, output::ResultsRecordPath(context.dataRoot), name.opponent, name.game, options, book);
    if (outcome == output::BookOutcome::Unreadable) {
        context.err << QStringLiteral("棋譜ファイルを読めませんでした: ") << path << Qt::endl;
        return 1;
    }
    if (outcome == output::BookOutcome::NoMoves) {
        context.err << QStringLiteral("この対局にはまだ着手がありません: ") << path << Qt::endl;
        return 1;
    }
    return WritePdf(context, pdf,
                    QStringLiteral("ソラマメ棋譜 %1 %2").arg(name.opponent, name.game),
                    [&book, &graph](common::PrintSurface& page) {
                        output::PrintKifuFigures(page, book);
                        if (graph && page.NewPage())
                            engine::PrintScoreGraph(page, *graph);
                    });
}

}  // namespace

BatchMode MakeFiguresMode() {
    BatchMode mode;
    mode.trigger = QStringLiteral("figures");
    mode.declareOptions = [](QCommandLineParser& parser) {
        AddOption(parser, {QStringLiteral("figures"),
                           QStringLiteral("Write OPPONENT/GAME in kifu figures to a PDF file."),
                           QStringLiteral("OPPONENT/GAME")});
        AddOption(parser,
                  {QStringLiteral("moves-per-figure"),
                   QStringLiteral("Moves in each figure, 0 for the whole game (default 100)."),
                   QStringLiteral("K")});
        AddOption(parser, {QStringLiteral("renumber"),
                           QStringLiteral("Number each figure's moves from 1 (--figures).")});
        AddPdfOption(parser);
        DeclareScoreGraphPageOptions(parser);
    };
    mode.run = RunFigures;
    return mode;
}

}  // namespace app
