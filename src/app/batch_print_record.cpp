// The record page of a game, written to PDF from the command line.
#include "app/batch_print_record.h"

#include "app/batch_engine.h"
#include "app/batch_pdf.h"
#include "go/board_model.h"
#include "output/record_print.h"

namespace app {
namespace {

int RunPrintRecord(const BatchContext& context) {
    output::GameName name;
    const QString path = RecordFileOf(context, QStringLiteral("print-record"), name);
    const QString pdf = PdfPathOf(context);
    if (path.isEmpty() || pdf.isEmpty())
        return 1;
    std::optional<engine::ScoreGraphSheet> graph;
    if (!ScoreGraphPageOf(context, path, name, graph))
        return 2;
    go::BoardModel model;
    model.SetMode(go::Mode::Printing);
    model.options().printNumbers = context.parser.isSet(QStringLiteral("numbers"));
    model.options().keepRemovedStones = context.parser.isSet(QStringLiteral("keep-removed"));
    if (!LoadedWhole(context, model.LoadRecord(path), path))
        return 1;
    int lastRow = model.table().savedRowCount;
    if (context.parser.isSet(QStringLiteral("upto"))) {
        const int move = context.parser.value(QStringLiteral("upto")).toInt();
        lastRow = output::RowAfterMove(model.table(), move);
        if (lastRow == 0) {
            context.err << QStringLiteral("その手はこの対局にありません: ")
                        << context.parser.value(QStringLiteral("upto")) << Qt::endl;
            return 1;
        }
    }
    model.ShowPositionAt(lastRow);
    output::RecordPage record = output::RecordPageOf(model, name.opponent, name.game);
    output::TakeImportedPlayers(record, model, name.opponent, name.game, path);
    return WritePdf(context, pdf,
                    QStringLiteral("ソラマメ棋譜 %1 %2").arg(name.opponent, name.game),
                    [&record, &graph](common::PrintSurface& page) {
                        output::PrintOut(page, record);
                        if (graph && page.NewPage())
                            engine::PrintScoreGraph(page, *graph);
                    });
}

}  // namespace

BatchMode MakePrintRecordMode() {
    BatchMode mode;
    mode.trigger = QStringLiteral("print-record");
    mode.declareOptions = [](QCommandLineParser& parser) {
        AddOption(parser, {QStringLiteral("print-record"),
                           QStringLiteral("Write the record page of OPPONENT/GAME to a PDF file."),
                           QStringLiteral("OPPONENT/GAME")});
        AddOption(parser, {QStringLiteral("upto"),
                           QStringLiteral("Print the position after move N (--print-record)."),
                           QStringLiteral("N")});
        AddOption(parser,
                  {QStringLiteral("numbers"),
                   QStringLiteral("Write the move numbers on the stones (--print-record).")});
        AddOption(parser, {QStringLiteral("keep-removed"),
                           QStringLiteral("Leave removed stones on the board (--print-record).")});
        AddPdfOption(parser);
        DeclareScoreGraphPageOptions(parser);
    };
    mode.run = RunPrintRecord;
    return mode;
}

}  // namespace app
