#include "app/batch_import_data.h"

#include "app/help_texts.h"
#include "store/old_data_import.h"

namespace app {
namespace {

const QString kImportDataOption = QStringLiteral("import-data");

int RunImportData(const BatchContext& context) {
    const store::OldDataImport outcome =
        store::ImportOldDataFolder(context.parser.value(kImportDataOption), context.dataRoot);
    (outcome.ok ? context.out : context.err) << store::DescribeOldDataImport(outcome) << Qt::endl;
    return outcome.ok ? 0 : 1;
}

}  // namespace

BatchMode MakeImportDataMode() {
    BatchMode mode;
    mode.trigger = kImportDataOption;
    mode.writes = true;
    mode.declareOptions = [](QCommandLineParser& parser) {
        DeclareOption(parser, {kImportDataOption,
                               QStringLiteral("Bring the data folder OLD of an earlier version "
                                              "into the data root; nothing there is replaced."),
                               QStringLiteral("OLD")});
    };
    mode.run = RunImportData;
    return mode;
}

}  // namespace app
