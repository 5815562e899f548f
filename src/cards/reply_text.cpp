#include "cards/reply_text.h"

#include "common/numerals.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "common/record_text.h"
#include "common/stone_colour.h"
#include "output/position_check.h"
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

namespace {

QStringList MoveLinesOf(const store::RecordTable& table) {
    // With only the header, the reply day is the header's date, which no row can carry.
    const QString replyDay = table.rows[table.lastRow].date;
    int bound = table.rows[0].number;
    QSet<int> earlierNumbers;
    QStringList lines;
    for (int i = 1; i <= table.lastRow; ++i) {
        const store::RecordRow& row = table.rows[i];
        // A number met before names a stone already placed, so this row removes it; the
        // bound alone lets such a row through when it is the first of the day.
        const bool removal = earlierNumbers.contains(row.number);
        earlierNumbers.insert(row.number);
        if (row.date != replyDay || row.number <= bound || removal)
            continue;
        bound = row.number;
        lines.append(
            MoveLine(row.number, row.x, row.y, WithoutTrailingBlanks(row.text), table.whiteFirst));
    }
    return lines;
}

/// The lines a game adds under its "No." line: its move lines, and its check line when asked
/// for; the record is read once for both.
QStringList GameLines(const QString& recordPath, bool checkLine) {
    auto table = std::make_unique<store::RecordTable>();
    if (store::ReadRecordFile(recordPath, *table) != store::LoadOutcome::Complete)
        return {};
    QStringList lines = MoveLinesOf(*table);
    if (checkLine)
        lines.append(output::CheckLineParts(output::CheckOfRecord(*table)));
    return lines;
}

QString RecordPathOf(const QString& gamesFolder, const QString& opponent, const QString& game) {
    return gamesFolder + '/' + opponent + '/' + game + QStringLiteral(".txt");
}

bool IsMoveLine(const QString& line) {
    return line.startsWith(QStringLiteral("●")) || line.startsWith(QStringLiteral("○"));
}

}  // namespace

QStringList ReplyMoveLines(const QString& recordPath) {
    auto table = std::make_unique<store::RecordTable>();
    if (store::ReadRecordFile(recordPath, *table) != store::LoadOutcome::Complete)
        return {};
    return MoveLinesOf(*table);
}

QStringList GameCheckLines(const QString& recordPath) {
    auto table = std::make_unique<store::RecordTable>();
    if (store::ReadRecordFile(recordPath, *table) != store::LoadOutcome::Complete)
        return {};
    return output::CheckLineParts(output::CheckOfRecord(*table));
}

std::optional<QString> BuildReplyText(const QString& opponent, const QStringList& games,
                                      const QString& gamesFolder, const QDate& sendDate,
                                      bool checkLines) {
    if (opponent.isEmpty())
        return std::nullopt;
    QString text = ReplyHeading(sendDate) + kLineEnd + kLineEnd;
    for (const QString& game : games) {
        text += kGamePrefix + game + kLineEnd;
        for (const QString& line : GameLines(RecordPathOf(gamesFolder, opponent, game), checkLines))
            text += line + kLineEnd;
        text += kLineEnd;
    }
    return text;
}

QString WithoutCheckLines(const QString& text) {
    QString kept;
    for (const QString& line : TextLines(text)) {
        if (!output::IsCheckLine(line))
            kept += line + kLineEnd;
    }
    return kept;
}

QString WithCheckLines(const QString& text, const QString& opponent, const QStringList& games,
                       const QString& gamesFolder) {
    QStringList lines = TextLines(text);
    for (const QString& game : games) {
        qsizetype at = lines.indexOf(kGamePrefix + game);
        if (at < 0)
            continue;
        ++at;
        while (at < lines.size() && IsMoveLine(lines[at]))
            ++at;
        const QStringList checkLines = GameCheckLines(RecordPathOf(gamesFolder, opponent, game));
        if (checkLines.isEmpty() || (at < lines.size() && output::IsCheckLine(lines[at])))
            continue;
        for (const QString& line : checkLines)
            lines.insert(at++, line);
    }
    QString joined;
    for (const QString& line : lines)
        joined += line + kLineEnd;
    return joined;
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
