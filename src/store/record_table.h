#pragma once

#include "common/stone_colour.h"

#include <QString>

#include <array>
#include <optional>

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
    common::StoneColour colour = common::StoneColour::Black;  // by the colour rule; not stored

    bool IsPlacement() const { return mark == QLatin1Char('U'); }
    bool IsRemoval() const { return mark == QLatin1Char('T'); }
};

/// The player's colour as a header writes it: "黒" or "白". A header that names neither (a
/// record damaged by hand) keeps its own text, trimmed, so that the screens show what it holds.
inline QString ColourAsWritten(std::optional<common::StoneColour> colour,
                               const QString& headerText) {
    return colour ? common::ColourText(*colour) : headerText.trimmed();
}

/// A loaded game record: the header, up to 440 rows, and the values taken from the header.
struct RecordTable {
    std::array<RecordRow, kMaxRows + 1> rows{};
    int savedRowCount = 0;  // the last row that came from the file
    int lastRow = 0;        // the last row in the table, saved or not
    int whiteFirst = 0;     // 1 when the game has handicap stones (white plays move 1)
    int handicapCode = 0;
    int komiCode = 0;
    std::optional<common::StoneColour> playerColour;  // none when the header names no colour
    QString headerDate;
    bool headerRead = false;

    void Clear() { *this = RecordTable(); }
    /// The player's colour as the header (row 0) writes it.
    QString PlayerColourText() const { return ColourAsWritten(playerColour, rows[0].text); }
    /// The other colour; Black when the header names none, as the screens have always shown it.
    common::StoneColour OpponentColour() const {
        return playerColour ? common::Opposite(*playerColour) : common::StoneColour::Black;
    }
};

}  // namespace store
