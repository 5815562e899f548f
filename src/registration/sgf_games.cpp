#include "registration/sgf_games.h"

#include "cards/address_files.h"
#include "output/results_record.h"
#include "output/sgf_export.h"
#include "output/sgf_import.h"
#include "registration/registration.h"
#include "store/folder_tree.h"
#include "store/game_info_file.h"
#include "store/link_guard.h"
#include "store/record_file.h"

namespace admin {

SgfImportOutcome ImportSgfGame(const common::AppState& state, const QString& opponent,
                               const QString& game, const QByteArray& sgfBytes, bool playerIsBlack,
                               const QDate& today) {
    SgfImportOutcome outcome;
    if (const std::optional<NameProblem> problem = CheckNames(opponent, game)) {
        outcome.message = problem->notice.text;
        return outcome;
    }
    if (DecideKind(state.currentGamesFolder, opponent, game) != RegistrationKind::New) {
        outcome.message = opponent + QStringLiteral(" さんの ") + game +
                          QStringLiteral(" 局はすでにあります。別の対局名にしてください。");
        return outcome;
    }
    const output::SgfImport imported = output::ImportSgf(sgfBytes, playerIsBlack, today);
    if (!imported.accepted) {
        outcome.message = imported.refusal;
        return outcome;
    }
    outcome.notes = imported.notes;
    const QString infoPath = store::GameInfoPath(state.RecordPath(opponent, game));
    if (!store::EntryLeadingOutside(state.dataRoot, infoPath).isEmpty()) {
        outcome.message = opponent + QStringLiteral(" さんの ") + game +
                          QStringLiteral(
                              " 局のファイルがデータフォルダの外を指しているため、"
                              "登録できません。");
        return outcome;
    }
    const GameWrite write = CreateGame(state, opponent, game, imported.lines);
    if (!write.written) {
        outcome.message = write.refusal
                              ? write.refusal->text
                              : opponent + QStringLiteral(" さんの ") + game +
                                    QStringLiteral(" 局のファイルを書き込めませんでした。");
        return outcome;
    }
    outcome.written = true;
    // Always written, empty or not, so that no older file of that name speaks for this game.
    if (!store::WriteGameInfo(state.RecordPath(opponent, game), imported.info)) {
        outcome.notes.append(QStringLiteral("対局者・結果・対局日などの情報を ") + infoPath +
                             QStringLiteral(" に書き込めませんでした。棋譜は読み込みました。"));
    }
    outcome.message =
        opponent + QStringLiteral(" さんの ") + game +
        QStringLiteral(" 局を SGF から読み込みました（%1行）。").arg(imported.lines.size() - 1);
    return outcome;
}

QString OwnPlayerName(const common::AppState& state) {
    if (const auto sender = postcard::ReadSender(state.DataFile(postcard::kOwnAddressFileName))) {
        for (auto line = sender->crbegin(); line != sender->crend(); ++line) {
            if (!line->trimmed().isEmpty())
                return line->trimmed();
        }
    }
    return QStringLiteral("自分");
}

std::optional<QByteArray> ExportSgfGames(const common::AppState& state, const QString& opponent,
                                         const QString& game) {
    const QStringList games =
        game.isEmpty() ? store::ListGames(state.currentGamesFolder, opponent) : QStringList{game};
    output::SgfGameNames names;
    names.player = OwnPlayerName(state);
    names.opponent = opponent;
    QString text;
    for (const QString& name : games) {
        store::RecordTable table;
        if (store::ReadRecordFile(state.RecordPath(opponent, name), table) ==
            store::LoadOutcome::Missing) {
            return std::nullopt;
        }
        names.result =
            output::LastResultLabel(output::ResultsRecordPath(state.dataRoot), opponent, name);
        names.info = store::ReadGameInfo(state.RecordPath(opponent, name));
        text += output::SgfGameTree(table, names);
    }
    if (text.isEmpty())
        return std::nullopt;
    return text.toUtf8();
}

}  // namespace admin
