#pragma once

#include "output/games_overview.h"

#include <QList>
#include <QString>

namespace postcard {

/// A game waits for the opponent beyond its limit per move or past its end date.
bool NeedsReminder(const output::GameOverviewRow& row);

/// A polite reminder (督促) for the reply card to one opponent about every game of theirs
/// that needs one, naming the move the player sent last and when; empty when none does.
QString ReminderText(const QString& opponent, const QList<output::GameOverviewRow>& rows);

}  // namespace postcard
