#include "output/games_overview.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "common/stone_colour.h"
#include "store/folder_tree.h"

#include <QRegularExpression>

#include <algorithm>

namespace output {
namespace {

QString UnreadableNote(store::LoadOutcome outcome) {
    switch (outcome) {
        case store::LoadOutcome::Truncated:
            return QStringLiteral("読めない行があります");
        case store::LoadOutcome::NotAFile:
            return QStringLiteral("ファイルではありません");
        case store::LoadOutcome::TooLarge:
            return QStringLiteral("大きすぎて読めません");
        case store::LoadOutcome::Missing:
            return QStringLiteral("見つかりません");
        case store::LoadOutcome::Unreadable:
        case store::LoadOutcome::Complete:
            break;
    }
    return QStringLiteral("読めません");
}

/// The colour to play next: after the last move the other colour; before the first move
/// White in a handicap game, else Black.
common::StoneColour ColourToPlay(const store::RecordOutline& record) {
    if (record.highestMove <= 0)
        return record.whiteFirst == 1 ? common::StoneColour::White : common::StoneColour::Black;
    return common::Opposite(common::ColourOfStone(record.highestMove, record.whiteFirst));
}

int TurnRank(Turn turn) {
    return turn == Turn::Mine ? 0 : turn == Turn::Theirs ? 1 : 2;
}

QString DayAheadMark(const GameOverviewRow& row) {
    return row.dayAhead ? QStringLiteral("（今日より後）") : QString();
}

QString LimitCell(std::optional<int> days) {
    return days ? QString::number(*days) : QString();
}

}  // namespace

QStringList OverviewColumnNames() {
    return {QStringLiteral("対局者"),     QStringLiteral("対局名"),  QStringLiteral("手合割"),
            QStringLiteral("コミ"),       QStringLiteral("色"),      QStringLiteral("手数"),
            QStringLiteral("最終記録日"), QStringLiteral("手番"),    QStringLiteral("経過日数"),
            QStringLiteral("期限"),       QStringLiteral("残り日数")};
}

GameOverviewRow SummariseGame(const QString& opponent, const QString& game,
                              const store::RecordOutline& record, store::LoadOutcome outcome,
                              const QDate& today) {
    GameOverviewRow row;
    row.opponent = opponent;
    row.game = game;
    if (record.headerRead) {
        row.handicapCode = record.handicapCode;
        row.komiCode = record.komiCode;
        row.colour = record.PlayerColourText();
    }
    if (outcome != store::LoadOutcome::Complete) {
        // A record read in part would give a move count and a turn that may be wrong.
        row.note = UnreadableNote(outcome);
        return row;
    }
    if (!record.playerColour) {
        row.note = QStringLiteral("自分の石の色が分かりません");
        return row;
    }
    row.moveCount = std::max(0, record.highestMove);
    row.turn = ColourToPlay(record) == *record.playerColour ? Turn::Mine : Turn::Theirs;
    row.lastDay = record.lastDay;
    if (row.lastDay.isValid()) {
        // A day after today has not been waited for: the game waits 0 days and its day is
        // marked, so that a wrong clock or a date typed ahead shows.
        row.dayAhead = row.lastDay > today;
        row.waitingDays = std::max(0, int(row.lastDay.daysTo(today)));
    }
    return row;
}

QList<GameOverviewRow> ListGamesInPlay(const QString& gamesFolder, const QDate& today,
                                       const store::TimeLimitSettings& limits) {
    QList<GameOverviewRow> rows;
    store::RecordOutline record;
    for (const QString& opponent : store::ListOpponents(gamesFolder)) {
        for (const QString& game : store::ListGames(gamesFolder, opponent)) {
            const QString path = gamesFolder + '/' + opponent + '/' + game + QStringLiteral(".txt");
            const store::LoadOutcome outcome = store::ReadRecordOutline(path, record);
            GameOverviewRow row = SummariseGame(opponent, game, record, outcome, today);
            row.timeLimit = AssessRow(row, limits, today);
            rows.append(row);
        }
    }
    SortByDefault(rows);
    return rows;
}

TimeLimitState AssessRow(const GameOverviewRow& row, const store::TimeLimitSettings& limits,
                         const QDate& today) {
    if (row.turn == Turn::Unknown || !row.lastDay.isValid())
        return {};
    return AssessTimeLimit(limits, row.opponent, row.game, row.lastDay, today);
}

int UrgencyKey(const GameOverviewRow& row) {
    // Bands wide enough that no count of days reaches the next one.
    constexpr int kBand = 2'000'000;
    int within = 2 * kBand;  // no limit
    if (row.timeLimit.endPassed)
        within = 0;
    else if (row.timeLimit.limitDays)
        within = kBand + std::clamp(row.timeLimit.daysLeft, 1 - kBand, kBand - 1);
    return TurnRank(row.turn) * 3 * kBand + within;
}

namespace {

/// Days from today to the game's end date; none without one.
std::optional<qint64> DaysToEnd(const GameOverviewRow& row, const QDate& today) {
    if (!row.timeLimit.endDay)
        return std::nullopt;
    return today.daysTo(*row.timeLimit.endDay);
}

}  // namespace

QList<GameOverviewRow> GamesDueSoon(const QList<GameOverviewRow>& rows, const QDate& today,
                                    int days) {
    QList<GameOverviewRow> due;
    for (const GameOverviewRow& row : rows) {
        if (row.turn != Turn::Mine)
            continue;
        const std::optional<qint64> toEnd = DaysToEnd(row, today);
        if ((row.timeLimit.limitDays && row.timeLimit.daysLeft <= days) ||
            (toEnd && *toEnd <= days))
            due.append(row);
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const auto& a, const auto& b) { return UrgencyKey(a) < UrgencyKey(b); });
    return due;
}

QString DueGamesNotice(const QList<GameOverviewRow>& due, const QDate& today) {
    if (due.isEmpty())
        return QString();
    constexpr qsizetype kShown = 10;
    QStringList lines = {QStringLiteral("自分の手番で、期限を過ぎた対局や期限まで2日以内の対局が"
                                        "%1局あります。")
                             .arg(due.size()),
                         QString()};
    for (const GameOverviewRow& row : due.first(std::min(kShown, due.size()))) {
        QString standing = TimeLimitText(row.timeLimit);
        const std::optional<qint64> toEnd = DaysToEnd(row, today);
        if (toEnd && !row.timeLimit.endPassed) {
            const QString end = *toEnd == 0 ? QStringLiteral("終了日は今日")
                                            : QStringLiteral("終了日まで残り%1日").arg(*toEnd);
            standing = standing.isEmpty() ? end : standing + QStringLiteral("、") + end;
        }
        lines << row.opponent + QStringLiteral("　") + row.game + QStringLiteral("　") + standing;
    }
    if (due.size() > kShown)
        lines << QStringLiteral("ほか%1局").arg(due.size() - kShown);
    lines << QString() << QStringLiteral("一覧で確かめられます。");
    return lines.join('\n');
}

void SortByDefault(QList<GameOverviewRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const GameOverviewRow& a, const GameOverviewRow& b) {
                         if (a.turn != b.turn)
                             return TurnRank(a.turn) < TurnRank(b.turn);
                         // A game without a known day sorts after the dated ones.
                         if (a.lastDay.isValid() != b.lastDay.isValid())
                             return a.lastDay.isValid();
                         return a.waitingDays > b.waitingDays;
                     });
}

QStringList OverviewCells(const GameOverviewRow& row) {
    const bool known = row.turn != Turn::Unknown;
    const QString turn = row.turn == Turn::Mine     ? QStringLiteral("自分")
                         : row.turn == Turn::Theirs ? QStringLiteral("相手")
                                                    : QStringLiteral("?");
    QStringList cells = {
        row.opponent,
        row.game,
        common::HandicapText(row.handicapCode),
        common::KomiShortText(row.komiCode),
        row.colour,
        known ? QString::number(row.moveCount) : QString(),
        known && row.lastDay.isValid() ? common::ShortDate(row.lastDay) + DayAheadMark(row)
                                       : QString(),
        turn,
        known && row.lastDay.isValid() ? QString::number(row.waitingDays) : QString()};
    const std::optional<int> limit = row.timeLimit.limitDays;
    cells << LimitCell(limit) << LimitCell(limit ? std::optional(row.timeLimit.daysLeft) : limit);
    return cells;
}

QString OverviewListing(const QList<GameOverviewRow>& rows) {
    static const QRegularExpression breaks(QStringLiteral("[\t\r\n]"));
    QString text = OverviewColumnNames().join('\t') + '\n';
    for (const GameOverviewRow& row : rows) {
        QStringList cells = OverviewCells(row);
        // A name is a file name and may hold a tab or line break, which would split the line.
        for (QString& cell : cells)
            cell.replace(breaks, QStringLiteral(" "));
        text += cells.join('\t') + '\n';
    }
    return text;
}

}  // namespace output
