#include "housekeeping/game_moves.h"

#include "housekeeping/trash.h"
#include "store/folder_tree.h"
#include "store/game_info_file.h"
#include "store/link_guard.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace admin {
namespace {

const QString kTextSuffix = QStringLiteral(".txt");

/// The words of one kind of move. The question and done texts follow the game or opponent
/// name; the verb builds the texts of the refusals and failures.
struct MoveTexts {
    QString verb;
    QString gameQuestion;
    QString gameQuestionTitle;
    QString gameDone;
    QString gameDoneTitle;
    QString opponentQuestion;
    QString opponentQuestionTitle;
    QString opponentDone;
    QString opponentDoneTitle;
};

const MoveTexts& TextsOf(MoveKind kind) {
    static const MoveTexts kErase{
        QStringLiteral("消去"),
        QStringLiteral(" 局を消去します。よろしいですか？"),
        QStringLiteral("棋譜データ消去の確認"),
        QStringLiteral(" 局を消去しました。"),
        QStringLiteral("棋譜データを消去しました。"),
        QStringLiteral(" さんを消去します。よろしいですか？"),
        QStringLiteral("対局者消去の確認"),
        QStringLiteral(" さんを消去しました。"),
        QStringLiteral("対局者を消去しました。"),
    };
    static const MoveTexts kBackUp{
        QStringLiteral("退避"),
        QStringLiteral(" 局を退避します。よろしいですか？"),
        QStringLiteral("棋譜データ退避の確認"),
        QStringLiteral(" 局を退避しました。"),
        QStringLiteral("棋譜データを退避しました。"),
        QStringLiteral(" さんを退避します。よろしいですか？"),
        QStringLiteral("対局者退避の確認"),
        QStringLiteral(" さんを退避しました。"),
        QStringLiteral("対局者を退避しました。"),
    };
    static const MoveTexts kRestore{
        QStringLiteral("復帰"),
        QStringLiteral(" 局を復帰します。よろしいですか？"),
        QStringLiteral("棋譜データ復帰の確認"),
        QStringLiteral(" 局を復帰しました。"),
        QStringLiteral("棋譜データを復帰しました。"),
        QStringLiteral(" さんを復帰します。よろしいですか？"),
        QStringLiteral("対局者復帰の確認"),
        QStringLiteral(" さんを復帰しました。"),
        QStringLiteral("対局者を復帰しました。"),
    };
    switch (kind) {
        case MoveKind::BackUp:
            return kBackUp;
        case MoveKind::Restore:
            return kRestore;
        case MoveKind::Erase:
            break;
    }
    return kErase;
}

/// "山田 さんの 01" as every game message begins.
QString GameWords(const MoveRequest& request) {
    return request.opponent + QStringLiteral(" さんの ") + request.game;
}

bool IsGameMove(const MoveRequest& request) {
    return !request.game.isEmpty();
}

Notice NoOpponentNotice() {
    return {QStringLiteral("対局者を選択してください。"),
            QStringLiteral("対局者が指定されていません。")};
}

Notice NoGameNotice() {
    return {QStringLiteral("対局名を選択してください。"),
            QStringLiteral("対局名が指定されていません。")};
}

Notice SameNameNotice(const MoveRequest& request) {
    const QString view = request.kind == MoveKind::BackUp ? QStringLiteral("「退避後の棋譜」")
                                                          : QStringLiteral("「対局中の棋譜」");
    return {GameWords(request) + QStringLiteral(" 局は") + view +
                QStringLiteral("にすでにあるため") + TextsOf(request.kind).verb +
                QStringLiteral("しません。"),
            QStringLiteral("同じ対局名の棋譜があります。")};
}

Notice FailureNotice(const MoveRequest& request) {
    const QString verb = TextsOf(request.kind).verb + QStringLiteral("できませんでした。");
    if (!IsGameMove(request)) {
        return {request.opponent + QStringLiteral(" さんを") + verb,
                QStringLiteral("対局者を") + verb};
    }
    QString text = GameWords(request) + QStringLiteral(" 局を") + verb;
    if (request.kind != MoveKind::Erase)
        text += QStringLiteral("棋譜は元の場所にあります。");
    return {text, QStringLiteral("棋譜データを") + verb};
}

Notice QuestionOf(const MoveRequest& request) {
    const MoveTexts& texts = TextsOf(request.kind);
    if (IsGameMove(request))
        return {GameWords(request) + texts.gameQuestion, texts.gameQuestionTitle};
    return {request.opponent + texts.opponentQuestion, texts.opponentQuestionTitle};
}

Notice DoneNotice(const MoveRequest& request) {
    const MoveTexts& texts = TextsOf(request.kind);
    if (IsGameMove(request))
        return {GameWords(request) + texts.gameDone, texts.gameDoneTitle};
    return {request.opponent + texts.opponentDone, texts.opponentDoneTitle};
}

/// What the player learns after an erase into the trash: where to find the record again.
Notice TrashedNotice(const MoveRequest& request, const QString& inTrash) {
    const Notice done = DoneNotice(request);
    return {done.text + QStringLiteral("\nごみ箱に移しました。ごみ箱から元に戻せます。\n") +
                QDir::toNativeSeparators(inTrash),
            done.title};
}

/// Asked when there is no trash: Enter must not delete for good.
MoveQuestion ForGoodQuestion(const MoveRequest& request) {
    const QString what = IsGameMove(request) ? GameWords(request) + QStringLiteral(" 局")
                                             : request.opponent + QStringLiteral(" さん");
    return {{QStringLiteral("ごみ箱が使えないため、") + what +
                 QStringLiteral("を元に戻せないように消去します。よろしいですか？"),
             QStringLiteral("完全な消去の確認")},
            common::MessageIcon::Warning,
            common::MessageButtons::YesNo,
            common::DefaultButton::Safe};
}

/// A single entry of its folder: nothing that could reach above the games folders.
bool IsPlainName(const QString& name) {
    return name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString TargetRoot(const common::AppState& state, MoveKind kind) {
    return kind == MoveKind::BackUp ? state.backedUpFolder : state.inProgressFolder;
}

/// Backup starts only from the in-progress folder and restore only from the backed-up one; a
/// move onto its own source would copy a record over itself and then delete it.
bool SourceFits(const common::AppState& state, MoveKind kind) {
    const QString& source = state.currentGamesFolder;
    if (kind == MoveKind::BackUp)
        return source == state.inProgressFolder;
    return source == state.backedUpFolder;
}

std::optional<Notice> CheckMove(const common::AppState& state, const MoveRequest& request) {
    if (request.opponent.isEmpty())
        return NoOpponentNotice();
    if (!IsPlainName(request.opponent) || (IsGameMove(request) && !IsPlainName(request.game)))
        return FailureNotice(request);
    // Decided by the disk, not by a list that may be older: record files are only ever
    // erased one by one, each after its own question.
    if (!IsGameMove(request) &&
        !store::ListGames(state.currentGamesFolder, request.opponent).isEmpty()) {
        return NoGameNotice();
    }
    if (request.kind == MoveKind::Erase)
        return std::nullopt;
    if (!SourceFits(state, request.kind))
        return FailureNotice(request);
    const QString opponentTarget = TargetRoot(state, request.kind) + "/" + request.opponent;
    const QString target = opponentTarget + "/" + request.game + kTextSuffix;
    if (IsGameMove(request) && store::Occupied(target))
        return SameNameNotice(request);
    // A game is never carried through a link out of the data root: it would leave it.
    if (!store::EntryLeadingOutside(state.dataRoot, IsGameMove(request) ? target : opponentTarget)
             .isEmpty()) {
        return FailureNotice(request);
    }
    if (IsGameMove(request) &&
        !store::EntryLeadingOutside(state.dataRoot, store::GameInfoPath(target)).isEmpty()) {
        return FailureNotice(request);
    }
    return std::nullopt;
}

/// The companion goes with its record; a record without one is erased as before.
bool EraseGame(const QString& opponentFolder, const QString& game) {
    const QString path = opponentFolder + "/" + game + kTextSuffix;
    QFile::remove(path);
    QFile::remove(store::GameInfoPath(path));
    return !store::Occupied(path);
}

/// Every file of the folder goes, whatever its ending, then the folder. A folder that is a
/// link loses only the link: the files it points at lie outside the games folders.
bool EraseOpponent(const QString& gamesFolder, const QString& opponent) {
    const QString folder = gamesFolder + "/" + opponent;
    if (QFileInfo(folder).isSymLink()) {
        QFile::remove(folder);
    } else {
        const QDir dir(folder);
        const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& file : files)
            QFile::remove(dir.filePath(file));
        QDir(gamesFolder).rmdir(opponent);
    }
    return !store::Occupied(folder);
}

/// Copies the record and its companion (the SGF's players and result, where the game has one)
/// into the target opponent folder, then deletes the sources. On any failure the copies and a
/// folder made for them are taken away again.
bool MoveGame(const QString& fromFolder, const QString& toFolder, const QString& game) {
    const QString from = fromFolder + "/" + game + kTextSuffix;
    const QString to = toFolder + "/" + game + kTextSuffix;
    const bool madeFolder = !store::Occupied(toFolder);
    if (!QFileInfo(from).isFile() || store::Occupied(to) || !QDir().mkpath(toFolder))
        return false;
    const QString fromInfo = store::GameInfoPath(from);
    const QString toInfo = store::GameInfoPath(to);
    const bool hasCompanion = QFileInfo(fromInfo).isFile();
    bool moved = !hasCompanion || store::CopyFileAtomically(fromInfo, toInfo);
    moved = moved && store::CopyFileAtomically(from, to);
    if (moved && !QFile::remove(from)) {
        QFile::remove(to);
        moved = false;
    }
    if (hasCompanion)
        QFile::remove(moved ? fromInfo : toInfo);
    if (!moved && madeFolder)
        QDir().rmdir(toFolder);
    return moved;
}

/// Makes the opponent's folder on the other side and removes the (empty) one here. A source
/// folder that cannot be removed, as when some file is left in it, undoes the new folder.
bool MoveOpponent(const QString& fromFolder, const QString& toFolder) {
    const bool madeFolder = !store::Occupied(toFolder);
    if (!QDir().mkpath(toFolder))
        return false;
    if (QDir().rmdir(fromFolder))
        return true;
    if (madeFolder)
        QDir().rmdir(toFolder);
    return false;
}

/// The record or, for a whole opponent, the folder that an erase takes away.
QString ErasedPath(const common::AppState& state, const MoveRequest& request) {
    const QString folder = state.currentGamesFolder + "/" + request.opponent;
    return IsGameMove(request) ? folder + "/" + request.game + kTextSuffix : folder;
}

bool CarryOut(const common::AppState& state, const MoveRequest& request) {
    const QString source = state.currentGamesFolder;
    if (request.kind == MoveKind::Erase) {
        return IsGameMove(request) ? EraseGame(source + "/" + request.opponent, request.game)
                                   : EraseOpponent(source, request.opponent);
    }
    const QString from = source + "/" + request.opponent;
    const QString to = TargetRoot(state, request.kind) + "/" + request.opponent;
    return IsGameMove(request) ? MoveGame(from, to, request.game) : MoveOpponent(from, to);
}

/// A record's companion follows it into the trash, where it lies beside it under its own name.
void MoveCompanionToTrash(const QString& recordPath) {
    const QString info = store::GameInfoPath(recordPath);
    if (QFileInfo(info).isFile())
        MoveToTrash(info);
}

/// The work of a move the player agreed to; an erase without a trash asks once more.
MoveOutcome CarryOutAgreed(const common::AppState& state, const MoveRequest& request,
                           const ConfirmMove& confirm) {
    MoveOutcome outcome;
    if (request.kind == MoveKind::Erase) {
        const QString inTrash = MoveToTrash(ErasedPath(state, request));
        if (!inTrash.isEmpty() && IsGameMove(request))
            MoveCompanionToTrash(ErasedPath(state, request));
        if (!inTrash.isEmpty()) {
            outcome.attempted = outcome.done = true;
            outcome.notice = TrashedNotice(request, inTrash);
            return outcome;
        }
        if (!confirm(ForGoodQuestion(request)))
            return outcome;
    }
    outcome.attempted = true;
    outcome.done = CarryOut(state, request);
    outcome.notice = outcome.done ? DoneNotice(request) : FailureNotice(request);
    return outcome;
}

}  // namespace

MoveOutcome RunMove(const common::AppState& state, const MoveRequest& request,
                    const ConfirmMove& confirm) {
    MoveOutcome outcome;
    if (std::optional<Notice> problem = CheckMove(state, request)) {
        outcome.notice = problem;
        return outcome;
    }
    // A whole opponent at once deserves the warning sign; a single game is asked plainly.
    const common::MessageIcon icon =
        IsGameMove(request) ? common::MessageIcon::None : common::MessageIcon::Warning;
    // Enter must not take records away: an erase defaults to Cancel. A backup or restore is
    // undone by the opposite move and keeps OK.
    const common::DefaultButton defaultButton = request.kind == MoveKind::Erase
                                                    ? common::DefaultButton::Safe
                                                    : common::DefaultButton::Affirmative;
    if (!confirm({QuestionOf(request), icon, common::MessageButtons::OkCancel, defaultButton}))
        return outcome;
    return CarryOutAgreed(state, request, confirm);
}

}  // namespace admin
