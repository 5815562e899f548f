#include "output/games_overview.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "store/folder_tree.h"

#include <QRegularExpression>

#include <algorithm>

namespace output {
namespace {

const QString kBlack = QStringLiteral("黒");
const QString kWhite = QStringLiteral("白");

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

/// The last day written in the record: rows carry "12-07-2002", the header (row 0, the day
/// of registration) "2002/12/07". A row saved without a date is passed over.
QDate LastRecordingDay(const store::RecordTable& table) {
    for (int r = table.lastRow; r >= 1; --r) {
        const QDate day = common::ParseRowDate(table.rows[r].date);
        if (day.isValid())
            return day;
    }
    return common::ParseShortDate(table.headerDate);
}

/// The colour to play next: after the last move the other colour; before the first move
/// White in a handicap game, else Black.
QString ColourToPlay(const store::RecordTable& table, int lastMove) {
    if (lastMove <= 0)
        return table.whiteFirst == 1 ? kWhite : kBlack;
    return store::RowColour(lastMove, table.whiteFirst) == QLatin1Char('B') ? kWhite : kBlack;
}

int TurnRank(Turn turn) {
    return turn == Turn::Mine ? 0 : turn == Turn::Theirs ? 1 : 2;
}

}  // namespace

QStringList OverviewColumnNames() {
    return {QStringLiteral("対局者"),     QStringLiteral("対局名"), QStringLiteral("手合割"),
            QStringLiteral("コミ"),       QStringLiteral("色"),     QStringLiteral("手数"),
            QStringLiteral("最終記録日"), QStringLiteral("手番"),   QStringLiteral("経過日数")};
}

GameOverviewRow SummariseGame(const QString& opponent, const QString& game,
                              const store::RecordTable& table, store::LoadOutcome outcome,
                              const QDate& today) {
    GameOverviewRow row;
    row.opponent = opponent;
    row.game = game;
    if (table.headerRead) {
        row.handicapCode = table.handicapCode;
        row.komiCode = table.komiCode;
        row.colour = table.playerColour;
    }
    if (outcome != store::LoadOutcome::Complete) {
        // A record read in part would give a move count and a turn that may be wrong.
        row.note = UnreadableNote(outcome);
        return row;
    }
    if (row.colour != kBlack && row.colour != kWhite) {
        row.note = QStringLiteral("自分の石の色が分かりません");
        return row;
    }
    for (int r = 1; r <= table.lastRow; ++r) {
        if (table.rows[r].IsPlacement())
            row.moveCount = std::max(row.moveCount, int(table.rows[r].number));
    }
    row.turn = ColourToPlay(table, row.moveCount) == row.colour ? Turn::Mine : Turn::Theirs;
    row.lastDay = LastRecordingDay(table);
    if (row.lastDay.isValid())
        row.waitingDays = int(row.lastDay.daysTo(today));
    return row;
}

QList<GameOverviewRow> ListGamesInPlay(const QString& gamesFolder, const QDate& today) {
    QList<GameOverviewRow> rows;
    store::RecordTable table;
    for (const QString& opponent : store::ListOpponents(gamesFolder)) {
        for (const QString& game : store::ListGames(gamesFolder, opponent)) {
            const QString path = gamesFolder + '/' + opponent + '/' + game + QStringLiteral(".txt");
            const store::LoadOutcome outcome = store::ReadRecordFile(path, table);
            rows.append(SummariseGame(opponent, game, table, outcome, today));
        }
    }
    SortByDefault(rows);
    return rows;
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
    return {row.opponent,
            row.game,
            common::HandicapText(row.handicapCode),
            common::KomiShortText(row.komiCode),
            row.colour,
            known ? QString::number(row.moveCount) : QString(),
            known && row.lastDay.isValid() ? common::ShortDate(row.lastDay) : QString(),
            turn,
            known && row.lastDay.isValid() ? QString::number(row.waitingDays) : QString()};
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
