#pragma once

#include "go/board_grid.h"
#include "store/record_table.h"

#include <QByteArray>
#include <QString>

#include <optional>

/// The check line a reply card carries under each game: the last move number, the stones of
/// each colour on the board, the prisoners each side has taken, and a short code of the
/// position that two players can compare by hand. The code depends on the position alone,
/// never on the order in which a record's removal rows were written.
namespace output {

/// What a check line states about the position after a game's last row.
struct PositionCheck {
    int moveNumber = 0;   // the highest move number placed; 0 before move 1
    int blackStones = 0;  // black stones standing on the board
    int whiteStones = 0;
    int blackPrisoners = 0;  // white stones Black has taken off
    int whitePrisoners = 0;  // black stones White has taken off
    QString code;            // four decimal digits
    bool operator==(const PositionCheck&) const = default;
};

/// The position a record's rows build, as the board shows it: every placement puts its stone
/// on its point, every removal takes the stone standing there off and counts it as a prisoner
/// of the other colour (a removal of an empty point takes nothing).
PositionCheck CheckOfRecord(const store::RecordTable& table);
/// The same for the position after row `lastRow` (see RowAfterMove for the row of a move).
PositionCheck CheckOfRecord(const store::RecordTable& table, int lastRow);

/// The bytes the code is computed from: for each row from the top (1) to the bottom (19),
/// each column from the left (1) to the right (19), one ASCII letter, 'B' for a black
/// stone, 'W' for a white one, '.' for an empty point; then a blank and the prisoners Black
/// has taken, a blank and the prisoners White has taken, in decimal ("...B.W 3 0").
QByteArray PositionBytes(const go::BoardGrid& board, int whiteFirst, int blackPrisoners,
                         int whitePrisoners);
/// CRC-32 as zlib, PNG and gzip compute it (reflected polynomial 0xEDB88320, initial value
/// and final XOR 0xFFFFFFFF).
quint32 Crc32(const QByteArray& bytes);
/// The code of a position: Crc32 of PositionBytes, modulo 10000, as four digits.
QString PositionCode(const go::BoardGrid& board, int whiteFirst, int blackPrisoners,
                     int whitePrisoners);

/// "照合 第261手まで 黒石123 白石118 アゲハマ 黒3 白0 符号 4711".
QString CheckLine(const PositionCheck& check);
/// The check line as a card carries it, in two lines that each fit the card's text width at
/// the usual character size (the whole line does not): "照合 第261手まで 黒石123 白石118" and
/// "アゲハマ 黒3 白0 符号 4711".
QStringList CheckLineParts(const PositionCheck& check);
/// Whether a line of a reply text is a check line, whole or either of its two parts.
bool IsCheckLine(const QString& line);

/// What a player typed from the opponent's card: the whole check line, or the code alone.
struct TypedCheck {
    QString code;
    std::optional<PositionCheck> line;  // set when the whole line was typed
};
/// Reads a typed check line or code; full-width digits and blanks are taken as half-width
/// ones. Nothing when the text is neither.
std::optional<TypedCheck> ParseTypedCheck(const QString& text);

}  // namespace output
