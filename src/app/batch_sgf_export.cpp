#include "app/batch_pdf.h"
#include "app/batch_sgf.h"
#include "common/app_state.h"
#include "output/printed_game.h"
#include "registration/sgf_games.h"
#include "store/folder_tree.h"
#include "store/text_file.h"

#include <QDir>
#include <QFileInfo>

namespace app {
namespace {

const QString kExportOption = QStringLiteral("export-sgf");
const QString kOutputOption = QStringLiteral("output");

void DeclareExportOptions(QCommandLineParser& parser) {
    AddOption(parser, {kExportOption,
                       QStringLiteral("Write OPPONENT/GAME (or every game of OPPONENT) as SGF."),
                       QStringLiteral("OPPONENT/GAME")});
    AddOption(parser, {kOutputOption, QStringLiteral("Write to FILE instead of standard output."),
                       QStringLiteral("FILE")});
}

/// The games folder holding the named game, or the opponent when no game is named: the games
/// in progress first, then the backed-up ones. Empty when neither has it.
QString GamesFolderOf(const QString& dataRoot, const output::GameName& name) {
    if (!name.game.isEmpty()) {
        const QString path = output::FindRecordFile(dataRoot, name);
        return path.isEmpty() ? QString() : QFileInfo(path).dir().absolutePath() + "/..";
    }
    for (const QString& folder : {store::kInProgressFolderName, store::kBackedUpFolderName}) {
        const QString games = dataRoot + "/" + folder;
        if (!name.opponent.isEmpty() && QFileInfo(games + "/" + name.opponent).isDir())
            return games;
    }
    return QString();
}

int RunExport(const BatchContext& context) {
    const QString subject = context.parser.value(kExportOption);
    output::GameName name;
    if (!output::ParseGameName(subject, name))
        name = {subject.section(QLatin1Char('/'), 0, 0), QString()};
    common::AppState state;
    state.dataRoot = context.dataRoot;
    state.currentGamesFolder = QDir::cleanPath(GamesFolderOf(context.dataRoot, name));
    const std::optional<QByteArray> sgf =
        state.currentGamesFolder.isEmpty() ? std::nullopt
                                           : admin::ExportSgfGames(state, name.opponent, name.game);
    if (!sgf) {
        context.err << QStringLiteral("対局が見つかりません: ") << subject << Qt::endl;
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
