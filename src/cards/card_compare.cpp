#include "cards/card_compare.h"

#include "common/record_text.h"
#include "common/stone_colour.h"
#include "go/go_rules.h"
#include "output/move_description.h"
#include "output/point_words.h"
#include "store/record_file.h"

#include <map>

namespace postcard {
namespace {

/// The record's placements by move number; a number it skips is missing.
std::map<int, go::Point> PlacementsOf(const store::RecordTable& table) {
    std::map<int, go::Point> placements;
    for (int r = 1; r <= table.lastRow; ++r) {
        const store::RecordRow& row = table.rows[r];
        if (row.IsPlacement() && row.number > 0)
            placements[row.number] = {row.x, row.y};
    }
    return placements;
}

/// The last row of the position after move `move`: the row before the first placement
/// numbered above it, so that a pass or the removals after the move count in.
int RowAtMove(const store::RecordTable& table, int move) {
    for (int r = 1; r <= table.lastRow; ++r) {
        if (table.rows[r].IsPlacement() && table.rows[r].number > move)
            return r - 1;
    }
    return table.lastRow;
}

/// The first card move that the record has on another point (or as a pass), if any.
std::optional<CardMove> FirstConflict(const CardGame& card, const store::RecordTable& record,
                                      int recordLast) {
    const std::map<int, go::Point> placements = PlacementsOf(record);
    for (const CardMove& move : card.moves) {
        if (move.number > recordLast)
            break;
        const auto found = placements.find(move.number);
        const go::Point own = found == placements.end() ? go::Point{} : found->second;
        if (own.x != move.x || own.y != move.y)
            return move;
    }
    return std::nullopt;
}

QString PointOrPass(int x, int y) {
    return x == 0 ? QStringLiteral("パス") : output::PointName(x, y);
}

QString Pair(const QString& what, int card, int own) {
    return QStringLiteral("%1 はがき%2 棋譜%3").arg(what).arg(card).arg(own);
}

/// What differs between the card's position and the record's, one item a line; empty when
/// they agree.
QStringList Differences(const output::PositionCheck& card, const output::PositionCheck& own) {
    QStringList items;
    if (card.blackStones != own.blackStones)
        items.append(Pair(QStringLiteral("黒石"), card.blackStones, own.blackStones));
    if (card.whiteStones != own.whiteStones)
        items.append(Pair(QStringLiteral("白石"), card.whiteStones, own.whiteStones));
    if (card.blackPrisoners != own.blackPrisoners)
        items.append(Pair(QStringLiteral("アゲハマ 黒"), card.blackPrisoners, own.blackPrisoners));
    if (card.whitePrisoners != own.whitePrisoners)
        items.append(Pair(QStringLiteral("アゲハマ 白"), card.whitePrisoners, own.whitePrisoners));
    if (card.code != own.code)
        items.append(QStringLiteral("符号 はがき%1 棋譜%2").arg(card.code, own.code));
    return items;
}

QStringList AgreementTexts(int move, const QStringList& differences) {
    if (differences.isEmpty())
        return {kPositionsAgree};
    return QStringList{QStringLiteral("第%1手までの局面が違います。").arg(move)} + differences;
}

/// A card ahead of the record: its further moves, played on the record's position, must
/// lead to the card's position before they are offered.
CardComparison CompareCardAhead(const CardGame& card, const store::RecordTable& record,
                                int recordLast) {
    CardComparison result;
    std::vector<CardMove> further;
    for (const CardMove& move : card.moves) {
        if (move.number > recordLast)
            further.push_back(move);
    }
    if (further.empty() || further.front().number != recordLast + 1) {
        result.texts.append(
            QStringLiteral("はがきには第%1手までありますが、棋譜の第%2手に続く手が載っていません。")
                .arg(card.check.moveNumber)
                .arg(recordLast));
        return result;
    }
    const std::unique_ptr<store::RecordTable> extended = WithCardMoves(record, further);
    if (!extended) {
        result.texts.append(QStringLiteral("はがきの第%1手からの手を、棋譜の局面に打てません。")
                                .arg(recordLast + 1));
        return result;
    }
    const QStringList differences = Differences(card.check, output::CheckOfRecord(*extended));
    if (!differences.isEmpty()) {
        result.texts = AgreementTexts(card.check.moveNumber, differences);
        return result;
    }
    result.texts.append(QStringLiteral("はがきに、棋譜にない手があります。"));
    for (const CardMove& move : further)
        result.texts.append(CardMoveText(move, record.whiteFirst));
    result.proposed = further;
    return result;
}

/// Removes the stones the move captures on `board` as a click on each would.
void TakeOffCaptures(store::RecordTable& table, go::BoardGrid& board,
                     const go::PointList& captured) {
    for (const go::Point& point : captured) {
        store::RecordRow& row = table.rows[++table.lastRow];
        row = store::RecordRow();
        row.date = common::FixedWidth(QString(), store::kDateWidth);
        row.text = common::FixedWidth(QString(), store::kTextWidth);
        row.mark = QLatin1Char('T');
        row.number = board.At(point.x, point.y);
        row.colour = common::ColourOfStone(row.number, table.whiteFirst);
        row.x = qint16(point.x);
        row.y = qint16(point.y);
        board.Set(point.x, point.y, go::kEmptyPoint);
    }
}

/// The board as the record's rows build it.
go::BoardGrid BoardOf(const store::RecordTable& table) {
    go::BoardGrid board;
    for (int r = 1; r <= table.lastRow; ++r) {
        const store::RecordRow& row = table.rows[r];
        if (!go::BoardGrid::OnBoard(row.x, row.y))
            continue;
        board.Set(row.x, row.y, row.IsPlacement() ? row.number : go::kEmptyPoint);
    }
    return board;
}

}  // namespace

QString CardMoveText(const CardMove& move, int whiteFirst) {
    return QStringLiteral("第%1手 %2 %3")
        .arg(move.number)
        .arg(common::ColourText(common::ColourOfStone(move.number, whiteFirst)))
        .arg(PointOrPass(move.x, move.y));
}

CardComparison CompareCardWithRecord(const CardGame& card, const store::RecordTable& record) {
    const int recordLast = output::CheckOfRecord(record).moveNumber;
    if (const std::optional<CardMove> conflict = FirstConflict(card, record, recordLast)) {
        const go::Point own = PlacementsOf(record)[conflict->number];
        return {false,
                {QStringLiteral("第%1手が違います（はがき %2、棋譜 %3）。")
                     .arg(conflict->number)
                     .arg(PointOrPass(conflict->x, conflict->y), PointOrPass(own.x, own.y))},
                {}};
    }
    const int cardLast = card.check.moveNumber;
    if (cardLast > recordLast)
        return CompareCardAhead(card, record, recordLast);
    CardComparison result;
    const QStringList differences =
        Differences(card.check, output::CheckOfRecord(record, RowAtMove(record, cardLast)));
    result.equal = differences.isEmpty();
    result.texts = AgreementTexts(cardLast, differences);
    if (cardLast < recordLast) {
        result.texts.append(QStringLiteral("はがきは第%1手まで、棋譜は第%2手までです。")
                                .arg(cardLast)
                                .arg(recordLast));
    }
    return result;
}

QStringList CompareTypedCheck(const output::TypedCheck& typed, const store::RecordTable& record) {
    const output::PositionCheck last = output::CheckOfRecord(record);
    if (!typed.line) {
        if (typed.code == last.code)
            return {kPositionsAgree,
                    QStringLiteral("第%1手まで 符号 %2").arg(last.moveNumber).arg(last.code)};
        return {QStringLiteral("符号が違います（はがき %1、棋譜 第%2手まで %3）。")
                    .arg(typed.code)
                    .arg(last.moveNumber)
                    .arg(last.code)};
    }
    const int move = typed.line->moveNumber;
    if (move > last.moveNumber) {
        return {QStringLiteral("棋譜は第%1手までです。はがきの第%2手までの局面とは比べられません。")
                    .arg(last.moveNumber)
                    .arg(move)};
    }
    return AgreementTexts(
        move, Differences(*typed.line, output::CheckOfRecord(record, RowAtMove(record, move))));
}

std::optional<size_t> RecordOfCardGame(const CardGame& card, const QStringList& names,
                                       const std::vector<const store::RecordTable*>& tables) {
    std::optional<size_t> chosen;
    for (size_t i = 0; i < tables.size(); ++i) {
        const int last = output::CheckOfRecord(*tables[i]).moveNumber;
        const bool shares = !card.moves.empty() && card.moves.front().number <= last;
        if (!shares || FirstConflict(card, *tables[i], last))
            continue;
        if (names.value(qsizetype(i)) == card.name)
            return i;
        if (!chosen)
            chosen = i;
    }
    return chosen;
}

std::vector<CardGameReading> CompareCardCodes(
    const QList<QByteArray>& codes, const QStringList& names,
    const std::vector<const store::RecordTable*>& tables) {
    std::vector<CardGameReading> readings;
    for (const QByteArray& code : codes) {
        for (const CardGame& card : ReadCardPayload(code)) {
            CardGameReading reading{card.name, RecordOfCardGame(card, names, tables), {}};
            if (reading.record)
                reading.comparison = CompareCardWithRecord(card, *tables[*reading.record]);
            else
                reading.comparison.texts = QStringList{kRecordNotFound};
            readings.push_back(reading);
        }
    }
    return readings;
}

std::unique_ptr<store::RecordTable> WithCardMoves(const store::RecordTable& record,
                                                  const std::vector<CardMove>& moves) {
    auto table = std::make_unique<store::RecordTable>(record);
    go::BoardGrid board = BoardOf(*table);
    for (const CardMove& move : moves) {
        if (move.x == 0 || table->lastRow >= store::kMaxRows || board.Occupied(move.x, move.y))
            return nullptr;
        go::BoardGrid played = board;
        const go::MoveOutcome outcome =
            go::PlayStone(played, table->whiteFirst, move.x, move.y, qint16(move.number));
        if (outcome.check != go::MoveCheck::Legal)
            return nullptr;
        board.Set(move.x, move.y, move.number);
        store::RecordRow& row = table->rows[++table->lastRow];
        row = store::RecordRow();
        row.date = common::FixedWidth(QString(), store::kDateWidth);
        row.mark = QLatin1Char('U');
        row.number = qint16(move.number);
        row.colour = common::ColourOfStone(row.number, table->whiteFirst);
        row.x = qint16(move.x);
        row.y = qint16(move.y);
        // The comment a click writes: the first of the move's descriptions.
        row.text = common::FixedWidth(output::DescribeMove(board, move.x, move.y).value(0),
                                      store::kTextWidth);
        if (table->lastRow + int(outcome.captured.size()) > store::kMaxRows)
            return nullptr;
        TakeOffCaptures(*table, board, outcome.captured);
    }
    return table;
}

bool AddCardMoves(const QString& recordPath, const QString& undoPath,
                  const std::vector<CardMove>& moves, const QDate& today) {
    auto record = std::make_unique<store::RecordTable>();
    if (store::ReadRecordFile(recordPath, *record) != store::LoadOutcome::Complete)
        return false;
    // The record may have grown since the moves were offered: they must still follow it.
    if (moves.empty() || moves.front().number != output::CheckOfRecord(*record).moveNumber + 1)
        return false;
    const std::unique_ptr<store::RecordTable> extended = WithCardMoves(*record, moves);
    return extended && store::AppendNewRows(recordPath, undoPath, *extended, today);
}

}  // namespace postcard
