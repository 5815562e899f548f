#include "cards/reminder_text.h"

#include <QStringList>

namespace postcard {
namespace {

QString LongDate(const QDate& day) {
    return QStringLiteral("%1年%2月%3日").arg(day.year()).arg(day.month()).arg(day.day());
}

/// One sentence about one game: the move sent last, and which limit it has gone past.
QString GameSentence(const output::GameOverviewRow& row) {
    QString sent = QStringLiteral("対局「%1」").arg(row.game);
    if (row.moveCount > 0 && row.lastDay.isValid())
        sent += QStringLiteral("の第%1手を%2月%3日にお送りしましたが、")
                    .arg(row.moveCount)
                    .arg(row.lastDay.month())
                    .arg(row.lastDay.day());
    else
        sent += QStringLiteral("は、");
    const output::TimeLimitState& limit = row.timeLimit;
    if (limit.endPassed)
        return sent + QStringLiteral("終了日（%1）を過ぎております。").arg(LongDate(*limit.endDay));
    return sent + QStringLiteral("一手の期限（%1日）を%2日過ぎております。")
                      .arg(*limit.limitDays)
                      .arg(-limit.daysLeft);
}

}  // namespace

bool NeedsReminder(const output::GameOverviewRow& row) {
    const output::TimeLimitState& limit = row.timeLimit;
    return row.turn == output::Turn::Theirs &&
           (limit.endPassed || (limit.limitDays && limit.daysLeft < 0));
}

QString ReminderText(const QString& opponent, const QList<output::GameOverviewRow>& rows) {
    QStringList sentences;
    for (const output::GameOverviewRow& row : rows) {
        if (row.opponent == opponent && NeedsReminder(row))
            sentences << GameSentence(row);
    }
    if (sentences.isEmpty())
        return QString();
    QStringList lines = {opponent + QStringLiteral("様"),
                         QStringLiteral("いつもお相手いただき、ありがとうございます。")};
    lines << sentences;
    lines << QStringLiteral("お忙しいところ恐縮ですが、次の一手をお知らせいただければ幸いです。")
          << QStringLiteral("ご都合で遅れる場合は、ひと言お知らせください。");
    return lines.join('\n');
}

}  // namespace postcard
