#include "cards/reply_text.h"

#include "common/numerals.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "common/record_text.h"
#include "common/stone_colour.h"
#include "store/record_file.h"

#include <QSet>

#include <array>
#include <memory>

namespace postcard {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kGamePrefix = QStringLiteral("No.");

/// Record files pad comments to 30 characters; the padding is not part of the comment.
QString WithoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

/// A coordinate that no numeral covers is shown as it stands rather than hidden.
QString OrDecimal(const QString& numeral, int value) {
    return numeral.isEmpty() ? QString::number(value) : numeral;
}

}  // namespace

QString ColumnNumeral(int column) {
    if (column < 1 || column > 19)
        return QString();
    return common::FullWidthDigits(column);
}

QString RowNumeral(int row) {
    return common::KanjiNumeral(row);
}

QDate SendDate(const QDate& today, const QString& chosen) {
    return chosen == kSendToday ? today : today.addDays(1);
}

QString ReplyHeading(const QDate& sendDate) {
    return QStringLiteral("発信 ") + common::ShortDate(sendDate);
}

QString MoveLine(int number, int column, int row, const QString& comment, int whiteFirst) {
    const bool white = common::ColourOfStone(number, whiteFirst) == common::StoneColour::White;
    QString line = white ? QStringLiteral("○") : QStringLiteral("●");
    line += number > 0 ? QString::number(number) : QStringLiteral("置石");
    line += QLatin1Char(':') + OrDecimal(ColumnNumeral(column), column) + QStringLiteral("・") +
            OrDecimal(RowNumeral(row), row);
    if (!comment.isEmpty())
        line += QLatin1Char('(') + comment + QLatin1Char(')');
    return line;
}

QStringList TextLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (unified.isEmpty())
        return {};
    if (unified.endsWith(QLatin1Char('\n')))
        unified.chop(1);
    return unified.split(QLatin1Char('\n'));
}

QStringList ReplyMoveLines(const QString& recordPath) {
    auto table = std::make_unique<store::RecordTable>();
    if (store::ReadRecordFile(recordPath, *table) != store::LoadOutcome::Complete)
        return {};
    // With only the header, the reply day is the header's date, which no row can carry.
    const QString replyDay = table->rows[table->lastRow].date;
    int bound = table->rows[0].number;
    QSet<int> earlierNumbers;
    QStringList lines;
    for (int i = 1; i <= table->lastRow; ++i) {
        const store::RecordRow& row = table->rows[i];
        // A number met before names a stone already placed, so this row removes it; the
        // bound alone lets such a row through when it is the first of the day.
        const bool removal = earlierNumbers.contains(row.number);
        earlierNumbers.insert(row.number);
        if (row.date != replyDay || row.number <= bound || removal)
            continue;
        bound = row.number;
        lines.append(
            MoveLine(row.number, row.x, row.y, WithoutTrailingBlanks(row.text), table->whiteFirst));
    }
    return lines;
}

std::optional<QString> BuildReplyText(const QString& opponent, const QStringList& games,
                                      const QString& gamesFolder, const QDate& sendDate) {
    if (opponent.isEmpty())
        return std::nullopt;
    QString text = ReplyHeading(sendDate) + kLineEnd + kLineEnd;
    for (const QString& game : games) {
        text += kGamePrefix + game + kLineEnd;
        const QString path = gamesFolder + '/' + opponent + '/' + game + QStringLiteral(".txt");
        for (const QString& line : ReplyMoveLines(path))
            text += line + kLineEnd;
        text += kLineEnd;
    }
    return text;
}

QString ReplaceHeading(const QString& text, const QDate& sendDate) {
    QStringList entries = common::TextFieldsOf(TextLines(text));
    if (!entries.isEmpty())
        entries.removeFirst();
    QString replaced = ReplyHeading(sendDate) + kLineEnd;
    for (const QString& entry : entries)
        replaced += entry + kLineEnd;
    return replaced;
}

}  // namespace postcard
