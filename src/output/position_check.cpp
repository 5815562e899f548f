#include "output/position_check.h"

#include "common/stone_colour.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace output {
namespace {

using common::StoneColour;

constexpr quint32 kCrcPolynomial = 0xEDB88320u;
constexpr int kCodeModulus = 10000;
constexpr int kCodeDigits = 4;

constexpr std::array<quint32, 256> CrcTable() {
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1u) != 0 ? (value >> 1) ^ kCrcPolynomial : value >> 1;
        table[i] = value;
    }
    return table;
}

char PointLetter(const go::BoardGrid& board, int whiteFirst, int x, int y) {
    if (!board.Occupied(x, y))
        return '.';
    return common::ColourOfStone(board.At(x, y), whiteFirst) == StoneColour::Black ? 'B' : 'W';
}

void CountStones(const go::BoardGrid& board, int whiteFirst, PositionCheck& check) {
    for (int y = 1; y <= go::kBoardSize; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x) {
            if (!board.Occupied(x, y))
                continue;
            const bool black =
                common::ColourOfStone(board.At(x, y), whiteFirst) == StoneColour::Black;
            ++(black ? check.blackStones : check.whiteStones);
        }
    }
}

}  // namespace

QByteArray PositionBytes(const go::BoardGrid& board, int whiteFirst, int blackPrisoners,
                         int whitePrisoners) {
    QByteArray bytes;
    bytes.reserve(go::kBoardSize * go::kBoardSize + 12);
    for (int y = 1; y <= go::kBoardSize; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x)
            bytes += PointLetter(board, whiteFirst, x, y);
    }
    bytes += ' ' + QByteArray::number(blackPrisoners) + ' ' + QByteArray::number(whitePrisoners);
    return bytes;
}

quint32 Crc32(const QByteArray& bytes) {
    static constexpr std::array<quint32, 256> kTable = CrcTable();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = kTable[(crc ^ quint8(byte)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QString PositionCode(const go::BoardGrid& board, int whiteFirst, int blackPrisoners,
                     int whitePrisoners) {
    const quint32 crc = Crc32(PositionBytes(board, whiteFirst, blackPrisoners, whitePrisoners));
    return QStringLiteral("%1").arg(crc % kCodeModulus, kCodeDigits, 10, QLatin1Char('0'));
}

PositionCheck CheckOfRecord(const store::RecordTable& table) {
    return CheckOfRecord(table, table.lastRow);
}

PositionCheck CheckOfRecord(const store::RecordTable& table, int lastRow) {
    go::BoardGrid board;
    PositionCheck check;
    for (int i = 1; i <= std::min(lastRow, table.lastRow); ++i) {
        const store::RecordRow& row = table.rows[i];
        if (row.IsPlacement()) {
            board.Set(row.x, row.y, row.number);
            check.moveNumber = std::max(check.moveNumber, int(row.number));
            continue;
        }
        if (!board.Occupied(row.x, row.y))
            continue;
        // The stone standing there is what comes off, whatever number the row carries.
        const StoneColour colour = common::ColourOfStone(board.At(row.x, row.y), table.whiteFirst);
        ++(colour == StoneColour::Black ? check.whitePrisoners : check.blackPrisoners);
        board.Set(row.x, row.y, go::kEmptyPoint);
    }
    CountStones(board, table.whiteFirst, check);
    check.code = PositionCode(board, table.whiteFirst, check.blackPrisoners, check.whitePrisoners);
    return check;
}

QString CheckLine(const PositionCheck& check) {
    return QStringLiteral("照合 第%1手まで 黒石%2 白石%3 アゲハマ 黒%4 白%5 符号 %6")
        .arg(check.moveNumber)
        .arg(check.blackStones)
        .arg(check.whiteStones)
        .arg(check.blackPrisoners)
        .arg(check.whitePrisoners)
        .arg(check.code);
}

QStringList CheckLineParts(const PositionCheck& check) {
    const QString line = CheckLine(check);
    const qsizetype split = line.indexOf(QStringLiteral(" アゲハマ"));
    return {line.left(split), line.mid(split + 1)};
}

bool IsCheckLine(const QString& line) {
    const QString plain = line.normalized(QString::NormalizationForm_KC).simplified();
    static const QRegularExpression firstPart(
        QStringLiteral("^照合 ?第\\d{1,3}手まで ?黒石\\d{1,3} ?白石\\d{1,3}$"));
    static const QRegularExpression secondPart(
        QStringLiteral("^アゲハマ ?黒\\d{1,3} ?白\\d{1,3} ?符号 ?\\d{4}$"));
    if (firstPart.match(plain).hasMatch() || secondPart.match(plain).hasMatch())
        return true;
    const std::optional<TypedCheck> typed = ParseTypedCheck(line);
    return typed && typed->line;
}

std::optional<TypedCheck> ParseTypedCheck(const QString& text) {
    // Digits and blanks copied from a card by hand may come in either width.
    const QString plain = text.normalized(QString::NormalizationForm_KC).simplified();
    static const QRegularExpression codeOnly(QStringLiteral("^(\\d{4})$"));
    static const QRegularExpression wholeLine(
        QStringLiteral("^照合 ?第(\\d{1,3})手まで ?黒石(\\d{1,3}) ?白石(\\d{1,3}) ?アゲハマ "
                       "?黒(\\d{1,3}) ?白(\\d{1,3}) ?符号 ?(\\d{4})$"));
    if (const QRegularExpressionMatch match = codeOnly.match(plain); match.hasMatch())
        return TypedCheck{match.captured(1), std::nullopt};
    const QRegularExpressionMatch match = wholeLine.match(plain);
    if (!match.hasMatch())
        return std::nullopt;
    PositionCheck line{match.captured(1).toInt(), match.captured(2).toInt(),
                       match.captured(3).toInt(), match.captured(4).toInt(),
                       match.captured(5).toInt(), match.captured(6)};
    return TypedCheck{line.code, line};
}

}  // namespace output
