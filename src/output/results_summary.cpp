#include "output/results_summary.h"

#include "output/results_record.h"
#include "store/folder_tree.h"
#include "store/hand_edited_text.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace output {
namespace {

/// Everything after the opponent's name: "<game>局 <handicap>(<colour>) <komi> [<result>]
/// <date>". A handicap or komi text may be empty in a damaged record.
const QRegularExpression& ResultPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(.*)局 (\\S*\\([^()]*\\) \\S*) \\[([^\\]]*)\\] (\\S*)\\s*$"));
    return pattern;
}

Outcome OutcomeOf(const QString& result) {
    if (result.endsWith(QStringLiteral("勝ち")))
        return Outcome::Win;
    if (result.endsWith(QStringLiteral("負け")))
        return Outcome::Loss;
    if (result.endsWith(QStringLiteral("ジゴ")))
        return Outcome::Draw;
    return Outcome::Other;
}

bool ReadWithOpponent(const QString& line, const QString& opponent, GameResult& result) {
    if (opponent.isEmpty() || !line.startsWith(opponent + ' '))
        return false;
    const QRegularExpressionMatch match = ResultPattern().match(line.mid(opponent.size() + 1));
    if (!match.hasMatch())
        return false;
    result = {opponent,          match.captured(1), match.captured(2),
              match.captured(3), match.captured(4), OutcomeOf(match.captured(3))};
    return true;
}

/// A known opponent's name may hold blanks: the longest one the line starts with wins;
/// an opponent no longer registered ends at the first blank.
bool ReadResultLine(const QString& line, const QStringList& knownOpponents, GameResult& result) {
    QString opponent = line.section(' ', 0, 0);
    for (const QString& name : knownOpponents) {
        if (name.size() > opponent.size() && line.startsWith(name + ' '))
            opponent = name;
    }
    return ReadWithOpponent(line, opponent, result);
}

void Count(Tally& tally, Outcome outcome) {
    tally.wins += outcome == Outcome::Win ? 1 : 0;
    tally.losses += outcome == Outcome::Loss ? 1 : 0;
    tally.draws += outcome == Outcome::Draw ? 1 : 0;
}

}  // namespace

ResultsSummary SummariseResults(const QStringList& lines, const QStringList& knownOpponents) {
    ResultsSummary summary;
    QList<GameResult> all;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        GameResult result;
        // A line with undecodable bytes may name a player it does not hold: not counted.
        if (!line.contains(QChar::ReplacementCharacter) &&
            ReadResultLine(line, knownOpponents, result)) {
            all.append(result);
        } else {
            ++summary.unreadLines;
            summary.unread.append({int(i + 1), line});
        }
    }
    QHash<QString, qsizetype> lastLine;  // opponent + '/' + game → its last result in `all`
    for (qsizetype i = 0; i < all.size(); ++i)
        lastLine.insert(all[i].opponent + '/' + all[i].game, i);
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (lastLine.value(all[i].opponent + '/' + all[i].game) == i)
            summary.games.append(all[i]);
    }
    QHash<QString, Tally> byOpponent;
    for (const GameResult& game : summary.games) {
        Tally& tally = byOpponent[game.opponent];
        tally.opponent = game.opponent;
        Count(tally, game.outcome);
        Count(summary.total, game.outcome);
    }
    summary.opponents = byOpponent.values();
    std::sort(summary.opponents.begin(), summary.opponents.end(),
              [](const Tally& a, const Tally& b) {
                  return a.opponent.compare(b.opponent, Qt::CaseInsensitive) < 0;
              });
    return summary;
}

ResultsSummary ReadResultsSummary(const QString& dataRoot) {
    const QString path = ResultsRecordPath(dataRoot);
    QStringList lines;
    const store::ReadStatus status = store::ReadHandEditedLines(path, lines);
    const QStringList known = store::ListOpponents(dataRoot + '/' + store::kInProgressFolderName) +
                              store::ListOpponents(dataRoot + '/' + store::kBackedUpFolderName);
    ResultsSummary summary = SummariseResults(lines, known);
    summary.fileStatus = status;
    summary.path = path;
    return summary;
}

QStringList ResultsProblems(const ResultsSummary& summary) {
    const QString name = QFileInfo(summary.path).fileName();
    QStringList problems;
    if (summary.fileStatus != store::ReadStatus::Ok &&
        summary.fileStatus != store::ReadStatus::Missing)
        problems.append(QStringLiteral("%1 を読めません（%2）。").arg(name, summary.path));
    for (const UnreadResultLine& line : summary.unread) {
        problems.append(QStringLiteral("%1 の %2 行目を結果として読めません：%3")
                            .arg(name)
                            .arg(line.number)
                            .arg(line.text));
    }
    return problems;
}

QStringList TallyColumnNames() {
    return {QStringLiteral("対局者"), QStringLiteral("勝ち"), QStringLiteral("負け"),
            QStringLiteral("ジゴ"), QStringLiteral("対局数")};
}

QStringList TallyCells(const Tally& tally) {
    return {tally.opponent.isEmpty() ? QStringLiteral("合計") : tally.opponent,
            QString::number(tally.wins), QString::number(tally.losses),
            QString::number(tally.draws), QString::number(tally.wins + tally.losses + tally.draws)};
}

QStringList GameColumnNames() {
    return {QStringLiteral("対局者"), QStringLiteral("対局名"), QStringLiteral("手合割・コミ"),
            QStringLiteral("結果"), QStringLiteral("日付")};
}

QStringList GameCells(const GameResult& game) {
    return {game.opponent, game.game, game.terms, game.result, game.date};
}

QList<GameResult> NewestFirst(const ResultsSummary& summary) {
    QList<GameResult> games(summary.games.crbegin(), summary.games.crend());
    return games;
}

QString ResultsSummaryListing(const ResultsSummary& summary) {
    QStringList lines{TallyColumnNames().join('\t')};
    for (const Tally& tally : summary.opponents)
        lines.append(TallyCells(tally).join('\t'));
    lines.append(TallyCells(summary.total).join('\t'));
    lines.append(QString());
    lines.append(GameColumnNames().join('\t'));
    for (const GameResult& game : NewestFirst(summary))
        lines.append(GameCells(game).join('\t'));
    return lines.join('\n') + '\n';
}

}  // namespace output
