#include "store/record_file.h"

#include "common/cp932_codec.h"
#include "common/dates.h"
#include "common/record_text.h"
#include "store/text_file.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <vector>

namespace store {
namespace {

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

/// The five fields of a record line, still as bytes where they are text.
struct LineFields {
    QByteArrayView date;
    qint16 number = 0;
    qint16 x = 0;
    qint16 y = 0;
    QByteArrayView text;
};

/// A record is plain text: NUL or other control bytes mean a damaged line. (CP932 uses no
/// byte below 0x20 inside a character, so the bytes tell as much as the decoded text.)
bool HoldsControlBytes(QByteArrayView line) {
    const char* bytes = line.data();
    qsizetype i = 0;
    // Eight bytes at a time while none is below 0x20; a tab sends the rest to the exact test.
    for (; i + 8 <= line.size(); i += 8) {
        quint64 word = 0;
        std::memcpy(&word, bytes + i, 8);
        if (((word - 0x2020202020202020ULL) & ~word & 0x8080808080808080ULL) != 0)
            break;
    }
    for (; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 && c != '\t')
            return true;
    }
    return false;
}

bool ReadLineFields(QByteArrayView line, LineFields& fields) {
    if (HoldsControlBytes(line))
        return false;
    common::ByteFieldReader reader(line);
    return reader.NextBytes(fields.date) && reader.NextInt16(fields.number) &&
           reader.NextInt16(fields.x) && reader.NextInt16(fields.y) &&
           reader.NextBytes(fields.text);
}

/// Hands the header (index 0) and then each row to `visit`, as long as the lines read: a bad
/// line or a 441st row ends the record as Truncated, and so does a file without a header.
template <typename Visit>
LoadOutcome VisitRecordLines(QByteArrayView bytes, Visit visit) {
    ByteLines lines(bytes);
    QByteArrayView line;
    int index = 0;
    while (lines.Next(line)) {
        LineFields fields;
        if (index > kMaxRows || !ReadLineFields(line, fields))
            return LoadOutcome::Truncated;
        visit(index, fields);
        ++index;
    }
    return index == 0 ? LoadOutcome::Truncated : LoadOutcome::Complete;
}

RecordRow RowOf(const LineFields& fields) {
    RecordRow row;
    row.date = common::FixedWidth(common::DecodeCp932(fields.date.toByteArray()), kDateWidth);
    row.number = fields.number;
    row.x = fields.x;
    row.y = fields.y;
    row.text = common::FixedWidth(common::DecodeCp932(fields.text.toByteArray()), kTextWidth);
    return row;
}

/// The values the header line gives, into a table or an outline.
template <typename Target>
void TakeHeader(const RecordRow& header, Target& target) {
    target.headerRead = true;
    target.handicapCode = header.x;
    target.komiCode = header.y;
    // A text that names no colour leaves none; the header row keeps the text as it stands.
    target.playerColour = common::ColourFromText(header.text);
    target.headerDate = header.date.trimmed();
    target.whiteFirst = header.number < 0 ? 1 : 0;
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
    const common::StoneColour colour =
        playerIsBlack ? common::StoneColour::Black : common::StoneColour::White;
    return RecordLine(common::ShortDate(date), HandicapMarker(handicapCode), handicapCode, komiCode,
                      common::ColourText(colour));
}

LoadOutcome ReadRecordFile(const QString& path, RecordTable& table) {
    table.Clear();
    QByteArray bytes;
    const ReadStatus status = ReadFileBytes(path, bytes);
    if (status != ReadStatus::Ok)
        return OutcomeOf(status);
    int highestNumber = 0;
    return VisitRecordLines(bytes, [&](int index, const LineFields& fields) {
        RecordRow row = RowOf(fields);
        if (index == 0) {
            TakeHeader(row, table);
            highestNumber = row.number;
        } else {
            // A number above every earlier one places a stone; any other takes one off.
            row.mark = row.number > highestNumber ? QLatin1Char('U') : QLatin1Char('T');
            highestNumber = std::max(highestNumber, int(row.number));
            row.colour = common::ColourOfStone(row.number, table.whiteFirst);
            table.savedRowCount = index;
            table.lastRow = index;
        }
        table.rows[index] = row;
    });
}

LoadOutcome ReadRecordOutline(const QString& path, RecordOutline& outline) {
    outline = RecordOutline();
    QByteArray bytes;
    const ReadStatus status = ReadFileBytes(path, bytes);
    if (status != ReadStatus::Ok)
        return OutcomeOf(status);
    std::vector<QByteArrayView> dates;
    const LoadOutcome outcome = VisitRecordLines(bytes, [&](int index, const LineFields& fields) {
        if (index == 0) {
            const RecordRow header = RowOf(fields);
            TakeHeader(header, outline);
            outline.headerText = header.text.trimmed();
            return;
        }
        outline.highestMove = std::max(outline.highestMove, int(fields.number));
        dates.push_back(fields.date);
    });
    // Only the last dates are decoded: a row saved without a date is passed over.
    for (auto date = dates.rbegin(); date != dates.rend() && !outline.lastDay.isValid(); ++date) {
        if (!date->trimmed().isEmpty())
            outline.lastDay = common::ParseRowDate(common::DecodeCp932(date->toByteArray()));
    }
    if (!outline.lastDay.isValid())
        outline.lastDay = common::ParseShortDate(outline.headerDate);
    return outcome;
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
