#include "store/time_limits_file.h"

#include "common/cp932_codec.h"
#include "common/dates.h"
#include "store/text_file.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace store {
namespace {

const QString kLimitKey = QStringLiteral("期限=");
const QString kPauseKey = QStringLiteral("休み=");
const QString kEndKey = QStringLiteral("終了日=");
const QChar kTab = u'\t';

/// The scope from the fields after the values: none, the opponent, or opponent and game.
std::optional<LimitScope> ScopeOf(const QStringList& fields, qsizetype first) {
    const qsizetype count = fields.size() - first;
    if (count < 0 || count > 2)
        return std::nullopt;
    LimitScope scope;
    if (count >= 1)
        scope.opponent = fields[first];
    if (count == 2)
        scope.game = fields[first + 1];
    // An empty name would widen the entry to more games than were meant.
    if ((count >= 1 && scope.opponent.isEmpty()) || (count == 2 && scope.game.isEmpty()))
        return std::nullopt;
    return scope;
}

bool ValidDays(int days) {
    return days >= 1 && days <= kMaxLimitDays;
}

void ReadLimit(const QStringList& fields, TimeLimitSettings& settings) {
    bool isNumber = false;
    const int days = fields[0].toInt(&isNumber);
    const std::optional<LimitScope> scope = ScopeOf(fields, 1);
    if (isNumber && ValidDays(days) && scope)
        settings.limits.append({*scope, days});
}

void ReadPause(const QStringList& fields, TimeLimitSettings& settings) {
    if (fields.size() < 3)
        return;
    const QDate from = common::ParseShortDate(fields[0]);
    const QDate to = common::ParseShortDate(fields[1]);
    const std::optional<LimitScope> scope = ScopeOf(fields, 3);
    if (from.isValid() && to.isValid() && from <= to && scope)
        settings.pauses.append({*scope, from, to, fields[2]});
}

void ReadEndDate(const QStringList& fields, TimeLimitSettings& settings) {
    const QDate day = common::ParseShortDate(fields[0]);
    const std::optional<LimitScope> scope = ScopeOf(fields, 1);
    if (day.isValid() && scope && !scope->game.isEmpty())
        settings.endDates.append({*scope, day});
}

/// A name goes into the file only when it comes back as it went in.
bool WritableName(const QString& name) {
    static const QRegularExpression breaks(QStringLiteral("[\t\r\n]"));
    return !name.contains(breaks) && common::FitsCp932(name);
}

/// A date goes into the file only in the form the reader takes (years 1 to 9999).
bool WritableDate(const QDate& day) {
    return day.isValid() && common::ParseShortDate(common::ShortDate(day)) == day;
}

bool WritableScope(const LimitScope& scope) {
    if (scope.opponent.isEmpty() && !scope.game.isEmpty())
        return false;
    return WritableName(scope.opponent) && WritableName(scope.game);
}

QString ScopeFields(const LimitScope& scope) {
    QString text;
    if (!scope.opponent.isEmpty())
        text += kTab + scope.opponent;
    if (!scope.game.isEmpty())
        text += kTab + scope.game;
    return text;
}

QString PauseLine(const LimitPause& pause) {
    static const QRegularExpression breaks(QStringLiteral("[\t\r\n]"));
    QString reason = pause.reason;
    reason.replace(breaks, QStringLiteral(" "));
    return kPauseKey + common::ShortDate(pause.from) + kTab + common::ShortDate(pause.to) + kTab +
           reason + ScopeFields(pause.scope);
}

bool Writable(const TimeLimitSettings& settings) {
    for (const MoveLimit& limit : settings.limits) {
        if (!ValidDays(limit.days) || !WritableScope(limit.scope))
            return false;
    }
    for (const LimitPause& pause : settings.pauses) {
        if (!WritableDate(pause.from) || !WritableDate(pause.to) || pause.from > pause.to ||
            !WritableScope(pause.scope))
            return false;
    }
    for (const GameEndDate& end : settings.endDates) {
        if (!WritableDate(end.day) || end.scope.game.isEmpty() || !WritableScope(end.scope))
            return false;
    }
    return true;
}

}  // namespace

TimeLimitSettings ReadTimeLimits(const QString& path) {
    TimeLimitSettings settings;
    QStringList lines;
    if (!ReadTextLines(path, lines))
        return settings;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals + 1);
        const QStringList fields = line.mid(equals + 1).split(kTab);
        if (key == kLimitKey)
            ReadLimit(fields, settings);
        else if (key == kPauseKey)
            ReadPause(fields, settings);
        else if (key == kEndKey)
            ReadEndDate(fields, settings);
    }
    return settings;
}

bool WriteTimeLimits(const QString& path, const TimeLimitSettings& settings) {
    if (!Writable(settings))
        return false;
    QStringList lines;
    for (const MoveLimit& limit : settings.limits)
        lines << kLimitKey + QString::number(limit.days) + ScopeFields(limit.scope);
    for (const LimitPause& pause : settings.pauses)
        lines << PauseLine(pause);
    for (const GameEndDate& end : settings.endDates)
        lines << kEndKey + common::ShortDate(end.day) + ScopeFields(end.scope);
    return WriteTextLines(path, lines);
}

}  // namespace store
