#include "app/batch_pdf.h"
#include "app/batch_sgf.h"
#include "common/app_state.h"
#include "common/stone_colour.h"
#include "output/sgf_import.h"
#include "registration/sgf_games.h"
#include "store/folder_tree.h"

namespace app {
namespace {

const QString kImportOption = QStringLiteral("import-sgf");
const QString kOpponentOption = QStringLiteral("opponent");
const QString kGameOption = QStringLiteral("game");
const QString kColourOption = QStringLiteral("colour");

void DeclareImportOptions(QCommandLineParser& parser) {
    AddOption(parser, {kImportOption, QStringLiteral("Read the SGF FILE into a new game."),
                       QStringLiteral("FILE")});
    AddOption(parser, {kOpponentOption, QStringLiteral("The opponent of the game."),
                       QStringLiteral("NAME")});
    AddOption(parser,
              {kGameOption, QStringLiteral("The name of the game."), QStringLiteral("NAME")});
    AddOption(parser,
              {kColourOption, QStringLiteral("Your colour in the game: 黒 (default) or 白."),
               QStringLiteral("COLOUR")});
}

/// The colour the option names: Black when it is not given; none unless it is "黒" or "白"
/// exactly, without blanks.
std::optional<common::StoneColour> ColourOption(const QString& text) {
    if (text.isEmpty())
        return common::StoneColour::Black;
    const std::optional<common::StoneColour> colour = common::ColourFromText(text);
    if (colour && common::ColourText(*colour) == text)
        return colour;
    return std::nullopt;
}

int RunImport(const BatchContext& context) {
    const std::optional<common::StoneColour> colour =
        ColourOption(context.parser.value(kColourOption));
    if (!colour) {
        context.err << QStringLiteral("--colour は 黒 か 白 です。") << Qt::endl;
        return 2;
    }
    const output::SgfFileBytes file = output::ReadSgfFile(context.parser.value(kImportOption));
    if (!file.refusal.isEmpty()) {
        context.err << file.refusal << Qt::endl;
        return 1;
    }
    common::AppState state;
    state.dataRoot = context.dataRoot;
    state.inProgressFolder = context.dataRoot + "/" + store::kInProgressFolderName;
    state.currentGamesFolder = state.inProgressFolder;
    const admin::SgfImportOutcome outcome = admin::ImportSgfGame(
        state, context.parser.value(kOpponentOption), context.parser.value(kGameOption), file.bytes,
        *colour == common::StoneColour::Black, QDate::currentDate());
    QTextStream& stream = outcome.written ? context.out : context.err;
    for (const QString& note : outcome.notes)
        stream << note << Qt::endl;
    stream << outcome.message << Qt::endl;
    return outcome.written ? 0 : 1;
}

}  // namespace

BatchMode MakeSgfImportMode() {
    return BatchMode{kImportOption, true, DeclareImportOptions, RunImport};
}

}  // namespace app
