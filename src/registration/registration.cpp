#include "registration/registration.h"

#include "common/cp932_codec.h"
#include "common/game_texts.h"
#include "common/numerals.h"
#include "store/folder_tree.h"
#include "store/game_info_file.h"
#include "store/link_guard.h"
#include "store/record_file.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace admin {
namespace {

const QString kForbiddenCharacters = QStringLiteral("\\/:,;*?\"<>|");
const QString kBadCharacterTitle = QStringLiteral("使えない文字があります。");
const QString kBadNameTitle = QStringLiteral("使えない名前です。");
const QString kTextSuffix = QStringLiteral(".txt");
// The longest name the file systems take for one folder or file (bytes, or UTF-16 units on
// Windows).
constexpr int kMaxNameLength = 255;
// Every name ends up as a file name with ".txt": the record, the address and message files.
constexpr int kMaxNameBytes = kMaxNameLength - 4;

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x3000);
}

bool IsBlankOrEmpty(const QString& name) {
    return std::all_of(name.begin(), name.end(), IsBlank);
}

bool FitsCp932(const QString& character) {
    return common::DecodeCp932(common::EncodeCp932(character)) == character;
}

bool IsBadCharacter(const QString& character) {
    const char16_t first = character.at(0).unicode();
    return kForbiddenCharacters.contains(character.at(0)) || first < 0x20 || first == 0x7f ||
           !FitsCp932(character);
}

/// The first character of the name that may not be used: one of the path and wildcard
/// characters, a control character, or one that the CP932 files cannot hold. Empty when none.
QString FirstBadCharacter(const QString& name) {
    for (int i = 0; i < name.size();) {
        const bool pair = name.at(i).isHighSurrogate() && i + 1 < name.size();
        const QString character = name.mid(i, pair ? 2 : 1);
        if (IsBadCharacter(character))
            return character;
        i += character.size();
    }
    return QString();
}

#ifdef Q_OS_WIN
bool IsWindowsDeviceName(const QString& name) {
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList kDevices{"CON", "PRN", "AUX", "NUL"};
    if (kDevices.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith("COM") || base.startsWith("LPT")) &&
           base.at(3) >= QLatin1Char('1') && base.at(3) <= QLatin1Char('9');
}
#endif

/// Whether the name would leave its folder or cannot be made on this system.
bool IsUnusableName(const QString& name) {
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return true;
#ifdef Q_OS_WIN
    // Windows drops a trailing blank or dot, and keeps device names.
    return name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')) ||
           IsWindowsDeviceName(name);
#else
    return false;
#endif
}

/// Whether the name with ".txt" is longer than a file name may be (UTF-16 units on Windows,
/// the bytes of the file system's encoding elsewhere).
bool IsTooLong(const QString& name) {
#ifdef Q_OS_WIN
    return name.size() > kMaxNameBytes;
#else
    return QFile::encodeName(name).size() > kMaxNameBytes;
#endif
}

NameProblem EmptyName(NameBox box) {
    if (box == NameBox::Opponent) {
        return {box,
                false,
                {QStringLiteral("「対局者」を入力してください。"),
                 QStringLiteral("「対局者」が入力されていません。")}};
    }
    return {box,
            false,
            {QStringLiteral("「対局名」を入力してください。"),
             QStringLiteral("「対局名」が入力されていません。")}};
}

QString NamePrefix(NameBox box) {
    return box == NameBox::Opponent ? QStringLiteral("対局相手に「") : QStringLiteral("対局名に「");
}

NameProblem TooLongName(NameBox box) {
    const QString which =
        box == NameBox::Opponent ? QStringLiteral("対局者") : QStringLiteral("対局名");
    // A kanji takes three bytes of a file name, a half-width letter one.
    return {box,
            false,
            {QStringLiteral("「%1」が長すぎます。全角%2文字（半角%3文字）までにしてください。")
                 .arg(which, common::FullWidthDigits(kMaxNameBytes / 3),
                      common::FullWidthDigits(kMaxNameBytes)),
             QStringLiteral("名前が長すぎます。")}};
}

/// The checks of one name box, in their order.
std::optional<NameProblem> CheckName(NameBox box, const QString& name) {
    if (IsBlankOrEmpty(name))
        return EmptyName(box);
    const QString bad = FirstBadCharacter(name);
    if (!bad.isEmpty()) {
        return NameProblem{box,
                           true,
                           {NamePrefix(box) + bad + QStringLiteral("」の文字は使用できません。"),
                            kBadCharacterTitle}};
    }
    if (IsTooLong(name))
        return TooLongName(box);
    if (IsUnusableName(name)) {
        return NameProblem{
            box,
            true,
            {NamePrefix(box) + name + QStringLiteral("」という名前は使用できません。"),
             kBadNameTitle}};
    }
    return std::nullopt;
}

Notice SuccessNotice(RegistrationKind kind, const GameInput& input) {
    const QString names = input.opponent + QStringLiteral(" さんの ") + input.game;
    if (kind == RegistrationKind::Change) {
        return {names + QStringLiteral(" 局を登録変更しました。"),
                QStringLiteral("対局の登録変更をしました。")};
    }
    return {names + QStringLiteral(" 局を登録をしました。"),
            QStringLiteral("対局の登録をしました。")};
}

Notice FailureNotice(const GameInput& input) {
    return {input.opponent + QStringLiteral(" さんの ") + input.game +
                QStringLiteral(" 局のファイルを書き込めませんでした。"),
            QStringLiteral("対局の登録ができませんでした。")};
}

QString HeaderOf(const GameInput& input, const QDate& today) {
    return store::HeaderLine(today, input.handicapCode, input.komiCode, input.playerIsBlack);
}

QString AddressPath(const common::AppState& state, const QString& opponent) {
    return state.DataFile(store::kAddressFolderName) + "/" + opponent + kTextSuffix;
}

/// Four empty lines and the name with its honorific in the addressee's name line. An address
/// already stored for the opponent is never replaced.
void WriteInitialAddressFile(const common::AppState& state, const QString& opponent) {
    const QString path = AddressPath(state, opponent);
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).path());
    store::WriteTextLines(path, {QString(), QString(), QString(), QString(),
                                 opponent + QStringLiteral("様"), QString()});
}

/// A change rewrites only the record's header, but through the same guard as a new game.
GameWrite ChangeGame(const common::AppState& state, const GameInput& input, const QDate& today) {
    if (std::optional<Notice> refusal = OutsideRefusal(state, input.opponent, input.game))
        return {false, refusal};
    return {RewriteHeader(state.RecordPath(input.opponent, input.game), input, today),
            std::nullopt};
}

}  // namespace

std::optional<NameProblem> CheckNames(const QString& opponent, const QString& game) {
    if (auto problem = CheckName(NameBox::Opponent, opponent))
        return problem;
    return CheckName(NameBox::Game, game);
}

RegistrationKind DecideKind(const QString& gamesFolder, const QString& opponent,
                            const QString& game) {
    const QFileInfo record(gamesFolder + "/" + opponent + "/" + game + kTextSuffix);
    return record.isFile() ? RegistrationKind::Change : RegistrationKind::New;
}

bool RewriteHeader(const QString& recordPath, const GameInput& input, const QDate& today) {
    return QFileInfo(recordPath).isFile() &&
           store::RewriteFirstLine(recordPath, HeaderOf(input, today));
}

std::optional<Notice> OutsideRefusal(const common::AppState& state, const QString& opponent,
                                     const QString& game) {
    // The record's path passes the games folder and the opponent folder on its way.
    const QStringList places{state.RecordPath(opponent, game), AddressPath(state, opponent)};
    for (const QString& place : places) {
        if (!store::EntryLeadingOutside(state.dataRoot, place).isEmpty()) {
            return Notice{opponent + QStringLiteral(" さんの ") + game +
                              QStringLiteral(" 局のファイルがデータフォルダの外を指しているため、"
                                             "登録できません。"),
                          QStringLiteral("対局の登録ができませんでした。")};
        }
    }
    return std::nullopt;
}

GameWrite CreateGame(const common::AppState& state, const QString& opponent, const QString& game,
                     const QStringList& recordLines) {
    if (std::optional<Notice> refusal = OutsideRefusal(state, opponent, game))
        return {false, refusal};
    const QString recordPath = state.RecordPath(opponent, game);
    if (!QDir().mkpath(QFileInfo(recordPath).path()) ||
        !store::WriteTextLines(recordPath, recordLines)) {
        return {};
    }
    WriteInitialAddressFile(state, opponent);
    return {true, std::nullopt};
}

RegistrationOutcome RegisterGame(const common::AppState& state, const GameInput& input,
                                 const QDate& today) {
    RegistrationOutcome outcome;
    outcome.kind = DecideKind(state.currentGamesFolder, input.opponent, input.game);
    const GameWrite write =
        outcome.kind == RegistrationKind::Change
            ? ChangeGame(state, input, today)
            : CreateGame(state, input.opponent, input.game, {HeaderOf(input, today)});
    outcome.written = write.written;
    // An older version's erase left a game's players and result beside its record; they must
    // not speak for a new game of the same name. An SGF import writes its own instead.
    if (write.written && outcome.kind != RegistrationKind::Change)
        store::RemoveGameInfo(state.RecordPath(input.opponent, input.game));
    if (write.refusal)
        outcome.notice = *write.refusal;
    else
        outcome.notice = write.written ? SuccessNotice(outcome.kind, input) : FailureNotice(input);
    return outcome;
}

}  // namespace admin
