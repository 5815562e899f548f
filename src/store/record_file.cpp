#include "store/record_file.h"

#include "common/dates.h"
#include "common/record_text.h"
#include "store/text_file.h"

#include <QFile>
#include <QStringList>

namespace store {
namespace {

bool HoldsControlCharacters(const QString& line) {
    for (const QChar c : line) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return true;
    }
    return false;
}

LoadOutcome OutcomeOf(ReadStatus status) {
    switch (status) {
        case ReadStatus::Missing:
            return LoadOutcome::Missing;
        case ReadStatus::NotAFile:
            return LoadOutcome::NotAFile;
        case ReadStatus::TooLarge:
            return LoadOutcome::TooLarge;
        case ReadStatus::Unreadable:
        case ReadStatus::Ok:
            break;
    }
    return LoadOutcome::Unreadable;
}

bool ParseRow(const QString& line, RecordRow& row) {
    // A record is plain text: NUL or other control bytes mean a damaged line.
    if (HoldsControlCharacters(line))
        return false;
    common::FieldReader reader(line);
    QString date;
    QString text;
    if (!reader.NextText(date) || !reader.NextInt16(row.number) || !reader.NextInt16(row.x) ||
        !reader.NextInt16(row.y) || !reader.NextText(text)) {
        return false;
    }
    row.date = common::FixedWidth(date, kDateWidth);
    row.text = common::FixedWidth(text, kTextWidth);
    return true;
}

QString TableRowLine(const RecordRow& row, const QString& date) {
    return RecordLine(date, row.number, row.x, row.y, row.text);
}

}  // namespace

QString RecordLine(const QString& date, int number, int x, int y, const QString& text) {
    return date + ',' + common::FileNumber(number) + ',' + common::FileNumber(x) + ',' +
           common::FileNumber(y) + ',' +
           common::FixedWidth(common::FileSafeComment(text), kTextWidth);
}

int HandicapMarker(int handicapCode) {
    return handicapCode <= 2 ? 0 : 1 - handicapCode;
}

QString HeaderLine(const QDate& date, int handicapCode, int komiCode, bool playerIsBlack) {
    return RecordLine(common::ShortDate(date), HandicapMarker(handicapCode), handicapCode, komiCode,
                      playerIsBlack ? QStringLiteral("黒") : QStringLiteral("白"));
}

LoadOutcome ReadRecordFile(const QString& path, RecordTable& table) {
    table.Clear();
    QStringList lines;
    const ReadStatus status = ReadTextFile(path, lines);
    if (status != ReadStatus::Ok)
        return OutcomeOf(status);
    if (lines.isEmpty() || !ParseRow(lines.first(), table.rows[0]))
        return LoadOutcome::Truncated;

    RecordRow& header = table.rows[0];
    table.headerRead = true;
    table.handicapCode = header.x;
    table.komiCode = header.y;
    table.playerColour = header.text.trimmed();
    table.headerDate = header.date.trimmed();
    table.whiteFirst = header.number < 0 ? 1 : 0;

    int highestNumber = header.number;
    for (int i = 1; i < lines.size(); ++i) {
        if (i > kMaxRows)
            return LoadOutcome::Truncated;
        RecordRow row;
        if (!ParseRow(lines[i], row))
            return LoadOutcome::Truncated;
        if (row.number > highestNumber) {
            row.mark = QLatin1Char('U');
            highestNumber = row.number;
        } else {
            row.mark = QLatin1Char('T');
        }
        row.colour = RowColour(row.number, table.whiteFirst);
        table.rows[i] = row;
        table.savedRowCount = i;
        table.lastRow = i;
    }
    return LoadOutcome::Complete;
}

bool SaveUndoCopy(const QString& recordPath, const QString& undoPath) {
    return CopyFileAtomically(recordPath, undoPath);
}

bool AppendNewRows(const QString& recordPath, const QString& undoPath, const RecordTable& table,
                   const QDate& today) {
    QStringList lines;
    const QString date = common::RowDate(today);
    for (int i = table.savedRowCount + 1; i <= table.lastRow; ++i) {
        lines.append(TableRowLine(table.rows[i], date));
    }
    // Without a whole undo copy a later restore would put back a stale or empty record.
    if (!SaveUndoCopy(recordPath, undoPath))
        return false;
    if (lines.isEmpty())
        return true;
    return AppendTextLines(recordPath, lines);
}

bool CutRecordAt(const QString& recordPath, const QString& undoPath, const RecordTable& table,
                 int moveNumber) {
    if (!SaveUndoCopy(recordPath, undoPath))
        return false;
    QStringList lines;
    for (int i = 0; i <= table.lastRow; ++i) {
        // The header's handicap marker is never a move, so it always stays.
        if (i > 0 && table.rows[i].number >= moveNumber)
            break;
        const RecordRow& row = table.rows[i];
        lines.append(TableRowLine(row, common::FixedWidth(row.date, kDateWidth)));
    }
    return WriteTextLines(recordPath, lines);
}

bool RestoreUndoCopy(const QString& recordPath, const QString& undoPath) {
    if (!QFile::exists(undoPath))
        return false;
    if (!CopyFileAtomically(undoPath, recordPath))
        return false;
    QFile::remove(undoPath);
    return true;
}

void DeleteUndoCopy(const QString& undoPath) {
    QFile::remove(undoPath);
}

}  // namespace store
