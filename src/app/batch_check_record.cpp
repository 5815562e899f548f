// The record check of one game, from the command line.
#include "app/batch_check_record.h"

#include "app/batch_pdf.h"
#include "output/record_check.h"
#include "store/record_file.h"

#include <memory>

namespace app {
namespace {

const QString kCheckOption = QStringLiteral("check-record");

void DeclareCheckOptions(QCommandLineParser& parser) {
    AddOption(parser, {kCheckOption,
                       QStringLiteral("Replay OPPONENT/GAME by the rules of Go and print what a "
                                      "real game cannot contain (exit status 1 when found)."),
                       QStringLiteral("OPPONENT/GAME")});
}

int RunCheckRecord(const BatchContext& context) {
    output::GameName name;
    const QString path = RecordFileOf(context, kCheckOption, name);
    if (path.isEmpty())
        return 2;
    auto table = std::make_unique<store::RecordTable>();
    // A record read only in part would be judged on rows that are not the whole game.
    if (!LoadedWhole(context, store::ReadRecordFile(path, *table), path))
        return 2;
    const QStringList findings = output::RecordCheckTexts(*table);
    for (const QString& finding : findings)
        context.out << finding << Qt::endl;
    return findings.isEmpty() ? 0 : 1;
}

}  // namespace

BatchMode MakeCheckRecordMode() {
    return BatchMode{kCheckOption, false, DeclareCheckOptions, RunCheckRecord};
}

}  // namespace app
