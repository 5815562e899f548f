#include "output/time_limits.h"

#include <QList>

#include <algorithm>
#include <utility>

namespace output {
namespace {

/// Whether the entry's scope covers the game: every game, the opponent's, or the game itself.
bool Covers(const store::LimitScope& scope, const QString& opponent, const QString& game) {
    if (scope.opponent.isEmpty())
        return true;
    return scope.opponent == opponent && (scope.game.isEmpty() || scope.game == game);
}

/// 0 for the default, 1 for the opponent, 2 for the game: the higher, the more specific.
int Specificity(const store::LimitScope& scope) {
    return scope.opponent.isEmpty() ? 0 : scope.game.isEmpty() ? 1 : 2;
}

/// The covered days of the pauses that fall within [first, last], overlaps counted once.
qint64 PausedDaysWithin(const QList<std::pair<qint64, qint64>>& pauses, qint64 first, qint64 last) {
    QList<std::pair<qint64, qint64>> clipped;
    for (const auto& [from, to] : pauses) {
        const qint64 start = std::max(from, first);
        const qint64 end = std::min(to, last);
        if (start <= end)
            clipped.append({start, end});
    }
    std::sort(clipped.begin(), clipped.end());
    qint64 days = 0;
    qint64 coveredUpTo = first - 1;
    for (const auto& [start, end] : clipped) {
        const qint64 from = std::max(start, coveredUpTo + 1);
        if (from <= end)
            days += end - from + 1;
        coveredUpTo = std::max(coveredUpTo, end);
    }
    return days;
}

}  // namespace

std::optional<int> LimitFor(const store::TimeLimitSettings& settings, const QString& opponent,
                            const QString& game) {
    std::optional<int> days;
    int best = -1;
    // Among equally specific entries the later line wins, as when a file was edited by hand.
    for (const store::MoveLimit& limit : settings.limits) {
        if (Covers(limit.scope, opponent, game) && Specificity(limit.scope) >= best) {
            best = Specificity(limit.scope);
            days = limit.days;
        }
    }
    return days;
}

int CountedWaitingDays(const store::TimeLimitSettings& settings, const QString& opponent,
                       const QString& game, const QDate& lastDay, const QDate& today) {
    if (!lastDay.isValid() || !today.isValid() || lastDay >= today)
        return 0;
    QList<std::pair<qint64, qint64>> pauses;
    for (const store::LimitPause& pause : settings.pauses) {
        if (Covers(pause.scope, opponent, game))
            pauses.append({pause.from.toJulianDay(), pause.to.toJulianDay()});
    }
    const qint64 first = lastDay.toJulianDay() + 1;
    const qint64 last = today.toJulianDay();
    return int(last - first + 1 - PausedDaysWithin(pauses, first, last));
}

TimeLimitState AssessTimeLimit(const store::TimeLimitSettings& settings, const QString& opponent,
                               const QString& game, const QDate& lastDay, const QDate& today) {
    TimeLimitState state;
    state.limitDays = LimitFor(settings, opponent, game);
    state.countedDays = CountedWaitingDays(settings, opponent, game, lastDay, today);
    if (state.limitDays)
        state.daysLeft = *state.limitDays - state.countedDays;
    for (const store::GameEndDate& end : settings.endDates) {
        if (end.scope.opponent == opponent && end.scope.game == game)
            state.endDay = end.day;
    }
    state.endPassed = state.endDay && today > *state.endDay;
    return state;
}

QString TimeLimitText(const TimeLimitState& state) {
    if (state.endPassed)
        return QStringLiteral("終了日超過");
    if (!state.limitDays)
        return QString();
    if (state.daysLeft < 0)
        return QStringLiteral("%1日超過").arg(-state.daysLeft);
    return QStringLiteral("残り%1日").arg(state.daysLeft);
}

std::optional<int> LimitSetAt(const store::TimeLimitSettings& settings,
                              const store::LimitScope& scope) {
    std::optional<int> days;
    for (const store::MoveLimit& limit : settings.limits) {
        if (limit.scope == scope)
            days = limit.days;  // the later line wins, as when reading
    }
    return days;
}

void SetLimitAt(store::TimeLimitSettings& settings, const store::LimitScope& scope,
                std::optional<int> days) {
    settings.limits.removeIf(
        [&scope](const store::MoveLimit& limit) { return limit.scope == scope; });
    if (days)
        settings.limits.append({scope, *days});
}

std::optional<QDate> EndDateOf(const store::TimeLimitSettings& settings,
                               const store::LimitScope& game) {
    std::optional<QDate> day;
    for (const store::GameEndDate& end : settings.endDates) {
        if (end.scope == game)
            day = end.day;
    }
    return day;
}

void SetEndDate(store::TimeLimitSettings& settings, const store::LimitScope& game,
                std::optional<QDate> day) {
    settings.endDates.removeIf(
        [&game](const store::GameEndDate& end) { return end.scope == game; });
    if (day)
        settings.endDates.append({game, *day});
}

QList<store::LimitPause> PausesOf(const store::TimeLimitSettings& settings, const QString& opponent,
                                  const QString& game) {
    QList<store::LimitPause> pauses;
    for (const store::LimitPause& pause : settings.pauses) {
        if (Covers(pause.scope, opponent, game))
            pauses.append(pause);
    }
    return pauses;
}

}  // namespace output
