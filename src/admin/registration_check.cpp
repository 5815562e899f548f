#include "admin/registration.h"

#include "common/game_texts.h"
#include "store/folder_tree.h"
#include "store/record_file.h"

#include <QFileInfo>
#include <QStringList>

#include <memory>

namespace admin {
namespace {

const QString kChangeRefusedTitle = QStringLiteral("登録変更ができません。");
const QString kArrow = QStringLiteral(" → ");

QString GameNames(const GameInput& input) {
    return input.opponent + QStringLiteral(" さんの ") + input.game + QStringLiteral(" 局");
}

/// Whether a path that exists (or is a link) resolves to a place outside the data root. A
/// link that leads nowhere counts as outside: writing through it would create its target.
bool LeadsOutside(const QString& path, const QString& canonicalRoot) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ||
           (target != canonicalRoot && !target.startsWith(canonicalRoot + QLatin1Char('/')));
}

/// Whether registering the game would write through a link out of the data root: the record,
/// its opponent folder, the games folder or the opponent's address file.
bool WritesOutsideDataRoot(const common::AppState& state, const GameInput& input) {
    const QString root = QFileInfo(state.dataRoot).canonicalFilePath();
    if (root.isEmpty())
        return false;
    const QStringList places{
        state.currentGamesFolder,
        state.currentGamesFolder + '/' + input.opponent,
        state.RecordPath(input.opponent, input.game),
        state.DataFile(store::kAddressFolderName) + '/' + input.opponent + QStringLiteral(".txt"),
    };
    for (const QString& place : places) {
        if (LeadsOutside(place, root))
            return true;
    }
    return false;
}

bool HasMoves(const store::RecordTable& table) {
    for (int i = 1; i <= table.savedRowCount; ++i) {
        if (table.rows[i].number >= 1)
            return true;
    }
    return false;
}

/// The lines "what: old → new" for every condition the registration changes.
QStringList ChangedConditions(const store::RecordTable& table, const GameInput& input) {
    QStringList changes;
    if (table.handicapCode != input.handicapCode) {
        changes.append(QStringLiteral("手合割：") + common::HandicapText(table.handicapCode) +
                       kArrow + common::HandicapText(input.handicapCode));
    }
    if (table.komiCode != input.komiCode) {
        changes.append(QStringLiteral("コミ：") + common::KomiText(table.komiCode) + kArrow +
                       common::KomiText(input.komiCode));
    }
    const QString colour = input.playerIsBlack ? QStringLiteral("黒") : QStringLiteral("白");
    if (table.playerColour != colour)
        changes.append(QStringLiteral("自分の石：") + table.playerColour + kArrow + colour);
    return changes;
}

RegistrationCheck CheckChange(const QString& recordPath, const GameInput& input) {
    auto table = std::make_unique<store::RecordTable>();
    // A folder or other non-file where the record belongs is never taken for a new game.
    const bool notAFile = QFileInfo(recordPath).exists() && !QFileInfo(recordPath).isFile();
    if (notAFile || store::ReadRecordFile(recordPath, *table) != store::LoadOutcome::Complete) {
        // Rewriting a record that did not load whole would drop the rows it could not read.
        return {
            Notice{GameNames(input) +
                       QStringLiteral("の棋譜ファイルを正しく読めないため、登録変更できません。"),
                   kChangeRefusedTitle},
            std::nullopt};
    }
    if (HasMoves(*table) &&
        store::HandicapMarker(table->handicapCode) != store::HandicapMarker(input.handicapCode)) {
        // Every stone's colour follows from the handicap stones: changing them recolours the game.
        return {Notice{GameNames(input) + QStringLiteral("にはすでに着手があるため、置石の数は"
                                                         "変えられません。"),
                       kChangeRefusedTitle},
                std::nullopt};
    }
    const QStringList changes = ChangedConditions(*table, input);
    if (changes.isEmpty())
        return {};
    return {std::nullopt,
            Notice{GameNames(input) + QStringLiteral("の登録を次のように変更します。\n\n") +
                       changes.join(QLatin1Char('\n')) + QStringLiteral("\n\nよろしいですか？"),
                   QStringLiteral("登録変更の確認")}};
}

}  // namespace

RegistrationCheck CheckRegistration(const common::AppState& state, const GameInput& input) {
    if (WritesOutsideDataRoot(state, input)) {
        return {Notice{GameNames(input) + QStringLiteral("のファイルがデータフォルダの外を指して"
                                                         "いるため、登録できません。"),
                       QStringLiteral("対局の登録ができませんでした。")},
                std::nullopt};
    }
    const QString recordPath = state.RecordPath(input.opponent, input.game);
    if (!QFileInfo::exists(recordPath))
        return {};
    return CheckChange(recordPath, input);
}

}  // namespace admin
