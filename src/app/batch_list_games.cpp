#include "app/batch_list_games.h"

#include "app/batch_pdf.h"
#include "output/games_overview.h"
#include "store/folder_tree.h"

#include <QDate>

namespace app {
namespace {

const QString kListOption = QStringLiteral("list-games");

void DeclareListOptions(QCommandLineParser& parser) {
    AddOption(parser, {kListOption,
                       QStringLiteral("Print every game in play, tab-separated: whose move it is "
                                      "and for how many days it has waited.")});
}

int RunList(const BatchContext& context) {
    const QList<output::GameOverviewRow> rows = output::ListGamesInPlay(
        context.dataRoot + '/' + store::kInProgressFolderName, QDate::currentDate());
    context.out << output::OverviewListing(rows);
    context.out.flush();
    // The listing stays one line per game; why a record could not be read goes aside.
    for (const output::GameOverviewRow& row : rows) {
        if (!row.note.isEmpty())
            context.err << row.opponent << '/' << row.game << ": " << row.note << Qt::endl;
    }
    return 0;
}

}  // namespace

BatchMode MakeListGamesMode() {
    return BatchMode{kListOption, false, DeclareListOptions, RunList};
}

}  // namespace app
