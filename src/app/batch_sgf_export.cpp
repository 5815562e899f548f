#include "admin/sgf_games.h"
#include "app/batch_sgf.h"
#include "common/app_state.h"
#include "store/folder_tree.h"
#include "store/text_file.h"

namespace app {
namespace {

const QString kExportOption = QStringLiteral("export-sgf");
const QString kOutputOption = QStringLiteral("output");

void DeclareExportOptions(QCommandLineParser& parser) {
    parser.addOption({kExportOption,
                      QStringLiteral("Write OPPONENT/GAME (or every game of OPPONENT) as SGF."),
                      QStringLiteral("OPPONENT/GAME")});
    parser.addOption({kOutputOption, QStringLiteral("Write to FILE instead of standard output."),
                      QStringLiteral("FILE")});
}

int RunExport(const BatchContext& context) {
    const QString subject = context.parser.value(kExportOption);
    const QString opponent = subject.section(QLatin1Char('/'), 0, 0);
    const QString game = subject.section(QLatin1Char('/'), 1);
    common::AppState state;
    state.dataRoot = context.dataRoot;
    state.inProgressFolder = context.dataRoot + "/" + store::kInProgressFolderName;
    state.currentGamesFolder = state.inProgressFolder;
    const std::optional<QByteArray> sgf = admin::ExportSgfGames(state, opponent, game);
    if (opponent.isEmpty() || !sgf) {
        context.err << subject << QStringLiteral(" の棋譜がありません。") << Qt::endl;
        return 1;
    }
    const QString output = context.parser.value(kOutputOption);
    if (output.isEmpty()) {
        context.out << QString::fromUtf8(*sgf);
        context.out.flush();
        return 0;
    }
    if (!store::WriteBytesAtomically(output, *sgf)) {
        context.err << output << QStringLiteral(" に書き込めませんでした。") << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace

BatchMode MakeSgfExportMode() {
    return BatchMode{kExportOption, false, DeclareExportOptions, RunExport};
}

}  // namespace app
