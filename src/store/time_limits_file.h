#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace store {

/// Time limits of correspondence play live in a file of their own in the data root (the
/// records and every other file stay as they are): CP932 with CR LF, one entry a line, the
/// values after "=" and then the scope, all separated by tabs:
///   期限=14                                  a limit per move for every game
///   期限=10<TAB>OPPONENT                     for the games of one opponent
///   期限=21<TAB>OPPONENT<TAB>GAME            for one game
///   休み=2026/12/01<TAB>2026/12/10<TAB>REASON[<TAB>OPPONENT[<TAB>GAME]]
///   終了日=2027/03/31<TAB>OPPONENT<TAB>GAME
inline const QString kTimeLimitsName = QStringLiteral("期限設定.dat");
/// Longer limits are taken for typing errors.
inline constexpr int kMaxLimitDays = 3650;

/// Which games an entry is for: every game (both empty), one opponent's (game empty) or one.
struct LimitScope {
    QString opponent;
    QString game;
    bool operator==(const LimitScope&) const = default;
};

struct MoveLimit {
    LimitScope scope;
    int days = 0;  // 1 to kMaxLimitDays
    bool operator==(const MoveLimit&) const = default;
};

/// Days (from and to included) that do not count as waiting: travel, illness.
struct LimitPause {
    LimitScope scope;
    QDate from;
    QDate to;
    QString reason;
    bool operator==(const LimitPause&) const = default;
};

/// The day by which a tournament game must be finished; always for one game.
struct GameEndDate {
    LimitScope scope;
    QDate day;
    bool operator==(const GameEndDate&) const = default;
};

struct TimeLimitSettings {
    QList<MoveLimit> limits;
    QList<LimitPause> pauses;
    QList<GameEndDate> endDates;
    bool operator==(const TimeLimitSettings&) const = default;
};

/// The file's entries; a missing file gives none, and a damaged line (unknown key, a number
/// or date that is not one, a pause that ends before it starts) is left out.
TimeLimitSettings ReadTimeLimits(const QString& path);
/// Writes every entry, replacing the file atomically. False, with the file as it was, when an
/// entry could not be read back as written: a name with a tab or line break or a character
/// CP932 lacks, a game without its opponent, a limit out of range, a pause ending before it
/// starts, an end date without its game. Tabs and line breaks in a reason become blanks.
bool WriteTimeLimits(const QString& path, const TimeLimitSettings& settings);

}  // namespace store
