#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace postcard {

/// The two send-date choices of the reply window, in list order.
inline const QString kSendToday = QStringLiteral("本日発信");
inline const QString kSendTomorrow = QStringLiteral("明日発信");

/// The full-width column numeral, "１" to "１９"; empty outside 1 to 19.
QString ColumnNumeral(int column);
/// The kanji row numeral, "一" to "十九"; empty outside 1 to 19.
QString RowNumeral(int row);

/// The send date for the chosen send-date text: today for "本日発信", else tomorrow.
QDate SendDate(const QDate& today, const QString& chosen);
/// The heading line of a reply, "発信 2002/12/07".
QString ReplyHeading(const QDate& sendDate);
/// One move line of a reply, "●21:１６・四(ハネ)"; an empty comment adds no parentheses.
QString MoveLine(int number, int column, int row, const QString& comment, int whiteFirst);

/// The lines of a text: CR LF, LF or CR ends a line, and a final line end starts no new line.
QStringList TextLines(const QString& text);

/// The move lines of one game: the stones placed on the day of the record's last line.
/// A record that cannot be read contributes none.
QStringList ReplyMoveLines(const QString& recordPath);

/// The check line of a game's record in its two parts ("照合 第261手まで …", "アゲハマ …");
/// none when the record cannot be read whole.
QStringList GameCheckLines(const QString& recordPath);

/// The reply card text for the opponent's games in list order, lines ended by CR LF; no
/// value when no opponent is chosen, so that the current text stays. With `checkLines` each
/// game's moves are followed by its check line.
std::optional<QString> BuildReplyText(const QString& opponent, const QStringList& games,
                                      const QString& gamesFolder, const QDate& sendDate,
                                      bool checkLines = false);

/// The text without its check lines, the player's other lines as they stand.
QString WithoutCheckLines(const QString& text);
/// The text with each listed game's check line put back after the move lines that follow
/// its "No." line; a game that already has one, or whose line is not in the text, is left.
QString WithCheckLines(const QString& text, const QString& opponent, const QStringList& games,
                       const QString& gamesFolder);

/// The text with its heading line replaced by one for the new send date; the other lines
/// come back as the field reading splits them.
QString ReplaceHeading(const QString& text, const QDate& sendDate);

}  // namespace postcard
