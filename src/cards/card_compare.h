#pragma once

#include "cards/card_qr.h"
#include "output/position_check.h"
#include "store/record_table.h"

#include <QDate>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

/// Comparing what the opponent's card says about a game with the game's own record: the
/// check code or line typed from the card, or the game its QR code carries.
namespace postcard {

inline const QString kPositionsAgree = QStringLiteral("一致しました");

/// What the comparison of a card's game with the record found.
struct CardComparison {
    bool equal = false;  // the card's position is the record's at the card's last move
    QStringList texts;   // what the player is told, one line each
    /// The card's moves after the record's last one, when the card agrees with the record up
    /// to it and the moves lead to the card's position; empty otherwise.
    std::vector<CardMove> proposed;
};

/// Compares the card's game with the record at the card's last move; a card ahead of the
/// record is compared after its further moves are played on the record's position.
CardComparison CompareCardWithRecord(const CardGame& card, const store::RecordTable& record);

/// Compares a typed check line with the record's position at its move number, a bare code
/// with the record's last position.
QStringList CompareTypedCheck(const output::TypedCheck& typed, const store::RecordTable& record);

/// The index of the record among `tables` that the card's game belongs to: one whose moves
/// agree with the card's wherever both have a move, the one named as the card names the game
/// first. Nothing when none agrees.
std::optional<size_t> RecordOfCardGame(const CardGame& card, const QStringList& names,
                                       const std::vector<const store::RecordTable*>& tables);

/// One game of a card's code, compared with its record.
struct CardGameReading {
    QString cardName;              // the name the card gives the game
    std::optional<size_t> record;  // the index of its record; none when not found
    CardComparison comparison;     // set when the record was found
};
/// The games the decoded codes carry, each compared with the record it belongs to among
/// `tables` (named `names`); empty when no code is a card's.
std::vector<CardGameReading> CompareCardCodes(const QList<QByteArray>& codes,
                                              const QStringList& names,
                                              const std::vector<const store::RecordTable*>& tables);
inline const QString kRecordNotFound = QStringLiteral("この対局の棋譜が見つかりません。");

/// The record with the moves played as clicks on the recording board would: each placement
/// with its description as comment, then a removal for every stone it captures. Null when
/// a move is a pass or cannot be played (an occupied point, a suicide, a full record).
std::unique_ptr<store::RecordTable> WithCardMoves(const store::RecordTable& record,
                                                  const std::vector<CardMove>& moves);

/// Reads the record, adds the moves as WithCardMoves does and saves them dated `today`,
/// keeping the undo copy as a save does. False, with the record unchanged, when it cannot.
bool AddCardMoves(const QString& recordPath, const QString& undoPath,
                  const std::vector<CardMove>& moves, const QDate& today);

/// "第262手 黒 16の四" ("パス" for a pass).
QString CardMoveText(const CardMove& move, int whiteFirst);

}  // namespace postcard
