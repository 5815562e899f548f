#include "registration/registration.h"

#include "common/game_texts.h"
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
    const common::StoneColour colour =
        input.playerIsBlack ? common::StoneColour::Black : common::StoneColour::White;
    if (table.playerColour != colour) {
        changes.append(QStringLiteral("自分の石：") + table.PlayerColourText() + kArrow +
                       common::ColourText(colour));
    }
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
    if (std::optional<Notice> refusal = OutsideRefusal(state, input.opponent, input.game))
        return {refusal, std::nullopt};
    const QString recordPath = state.RecordPath(input.opponent, input.game);
    if (!QFileInfo::exists(recordPath))
        return {};
    return CheckChange(recordPath, input);
}

}  // namespace admin
