#pragma once

#include "store/time_limits_file.h"

#include <QDate>
#include <QString>

#include <optional>

namespace output {

/// Where a game stands against its time limits on a given day.
struct TimeLimitState {
    std::optional<int> limitDays;  // the limit per move that holds for the game; none unset
    int countedDays = 0;           // days waited since the last record, paused days left out
    int daysLeft = 0;              // limitDays - countedDays, negative when over; 0 without limit
    std::optional<QDate> endDay;   // the game's end date, when one is set
    bool endPassed = false;        // today lies after the end date
};

/// The limit for one game: the game's own beats its opponent's, which beats the default.
std::optional<int> LimitFor(const store::TimeLimitSettings& settings, const QString& opponent,
                            const QString& game);

/// Days after `lastDay` up to and including `today` that no pause of the game covers; 0 when
/// `lastDay` lies after today.
int CountedWaitingDays(const store::TimeLimitSettings& settings, const QString& opponent,
                       const QString& game, const QDate& lastDay, const QDate& today);

/// The game's standing: its limit, the days it has waited for the side to move, how many
/// are left and whether its end date has passed.
TimeLimitState AssessTimeLimit(const store::TimeLimitSettings& settings, const QString& opponent,
                               const QString& game, const QDate& lastDay, const QDate& today);

/// How the overview window shows the standing: 「終了日超過」 once the end date has passed,
/// else 「残り3日」 or 「5日超過」, empty without a limit.
QString TimeLimitText(const TimeLimitState& state);

/// The limit set at exactly this scope, not one it inherits; none when unset there.
std::optional<int> LimitSetAt(const store::TimeLimitSettings& settings,
                              const store::LimitScope& scope);
/// Sets the limit at exactly this scope, or clears it with none; other scopes keep theirs.
void SetLimitAt(store::TimeLimitSettings& settings, const store::LimitScope& scope,
                std::optional<int> days);
/// The end date of one game; none when unset.
std::optional<QDate> EndDateOf(const store::TimeLimitSettings& settings,
                               const store::LimitScope& game);
/// Sets the game's end date, or clears it with none.
void SetEndDate(store::TimeLimitSettings& settings, const store::LimitScope& game,
                std::optional<QDate> day);
/// The pauses that hold for the game: every game's, its opponent's and its own.
QList<store::LimitPause> PausesOf(const store::TimeLimitSettings& settings, const QString& opponent,
                                  const QString& game);

}  // namespace output
