#pragma once

#include <QString>

#include <array>
#include <optional>

namespace store {

/// What a game's SGF file said about it beyond the moves: the players, their ranks, the event,
/// the result and the date, each exactly as written there. The record file has no room for
/// them, so they live in a small file beside it ("01.txt" has "01.info"), CP932 with CR LF,
/// one "KEY=value" line each, the keys being the SGF property names:
///   PB=本因坊秀策
///   RE=B+2
/// Earlier versions list only "*.txt" files as games, so they pass it by.
struct GameInfo {
    QString blackPlayer;  // PB
    QString whitePlayer;  // PW
    QString blackRank;    // BR
    QString whiteRank;    // WR
    QString event;        // EV
    QString result;       // RE
    QString date;         // DT
    QString gameName;     // GN
    QString place;        // PC

    bool operator==(const GameInfo&) const = default;
};

/// One line of the file: its key and the member it fills.
struct GameInfoField {
    const char* key;
    QString GameInfo::*member;
};
/// Every field in the order the file writes them.
const std::array<GameInfoField, 9>& GameInfoFields();

inline const QString kGameInfoSuffix = QStringLiteral(".info");
/// A value longer than this is cut when written: no player or event name comes near it.
inline constexpr int kMaxGameInfoValue = 200;

/// The companion's path for a record path: ".txt" replaced by ".info".
QString GameInfoPath(const QString& recordPath);

/// The companion of the record; nothing when there is none (or it cannot be read). Lines
/// that are not "KEY=value" with a known key are skipped; of a key given twice the first wins.
std::optional<GameInfo> ReadGameInfo(const QString& recordPath);

/// Writes the companion of the record, replacing it atomically. Empty fields are left out;
/// line breaks in a value become blanks and a value is cut to kMaxGameInfoValue characters.
bool WriteGameInfo(const QString& recordPath, const GameInfo& info);
/// Removes the companion of the record, if there is one; false when it stays.
bool RemoveGameInfo(const QString& recordPath);

}  // namespace store
