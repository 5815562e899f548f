#pragma once

#include <QString>

#include <array>

namespace store {

inline constexpr int kMaxRows = 440;
inline constexpr int kDateWidth = 10;
inline constexpr int kTextWidth = 30;

/// One line of a game record: the header (row 0) or a placement or removal.
struct RecordRow {
    QString date;  // 10 characters, blank-padded
    qint16 number = 0;
    qint16 x = 0;
    qint16 y = 0;
    QString text;  // 30 characters, blank-padded
    QChar mark;    // 'U' placement, 'T' removal; not stored in the file
    QChar colour;  // 'B' or 'W'; not stored in the file

    bool IsPlacement() const { return mark == QLatin1Char('U'); }
    bool IsRemoval() const { return mark == QLatin1Char('T'); }
};

/// A loaded game record: the header, up to 440 rows, and the values taken from the header.
struct RecordTable {
    std::array<RecordRow, kMaxRows + 1> rows{};
    int savedRowCount = 0;  // the last row that came from the file
    int lastRow = 0;        // the last row in the table, saved or not
    int whiteFirst = 0;     // 1 when the game has handicap stones (white plays move 1)
    int handicapCode = 0;
    int komiCode = 0;
    QString playerColour;  // header text, trimmed: "黒" or "白"
    QString headerDate;
    bool headerRead = false;

    void Clear() { *this = RecordTable(); }
};

/// 'B' when the stone numbered `number` is black under the game's whiteFirst flag.
inline QChar RowColour(int number, int whiteFirst) {
    const bool black = number <= 0 || (number + whiteFirst) % 2 != 0;
    return black ? QLatin1Char('B') : QLatin1Char('W');
}

}  // namespace store
