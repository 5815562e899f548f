#include "common/record_text.h"

#include "common/cp932_codec.h"

#include <cstring>

namespace common {

QString FileNumber(qint64 value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) + ' ';
}

QString PrintedNumber(qint64 value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

QString FixedWidth(const QString& text, int width) {
    return text.left(width).leftJustified(width, ' ');
}

QString FileSafeComment(const QString& comment) {
    QString safe = comment;
    safe.replace(QChar(','), QStringLiteral("、"));
    safe.replace(QChar('\r'), QChar(' '));
    safe.replace(QChar('\n'), QChar(' '));
    // A double quote at the start would make the reader take the field as quoted.
    safe.replace(QChar('"'), QChar(0x201D));
    return safe;
}

namespace {

bool Is(QChar c, char ascii) {
    return c == QLatin1Char(ascii);
}
bool Is(char c, char ascii) {
    return c == ascii;
}

qsizetype Find(QStringView line, char ascii, qsizetype from) {
    return line.indexOf(QLatin1Char(ascii), from);
}
qsizetype Find(QByteArrayView line, char ascii, qsizetype from) {
    if (from >= line.size())
        return -1;
    const void* found = std::memchr(line.data() + from, ascii, size_t(line.size() - from));
    return found == nullptr ? -1 : static_cast<const char*>(found) - line.data();
}

/// The field reading shared by the text and the byte readers.
template <typename View>
bool NextField(View line, qsizetype& pos, bool& exhausted, View& field) {
    if (exhausted)
        return false;
    while (pos < line.size() && (Is(line[pos], ' ') || Is(line[pos], '\t')))
        ++pos;
    if (pos < line.size() && Is(line[pos], '"')) {
        const qsizetype close = Find(line, '"', pos + 1);
        const qsizetype end = close < 0 ? line.size() : close;
        field = line.sliced(pos + 1, end - pos - 1);
        pos = close < 0 ? line.size() : close + 1;
        // Anything between the closing quote and the next comma is dropped.
        const qsizetype comma = Find(line, ',', pos);
        pos = comma < 0 ? line.size() : comma;
    } else {
        const qsizetype comma = Find(line, ',', pos);
        const qsizetype end = comma < 0 ? line.size() : comma;
        field = line.sliced(pos, end - pos);
        pos = end;
    }
    if (pos >= line.size()) {
        exhausted = true;
    } else {
        ++pos;  // past the comma
    }
    return true;
}

bool FitsInt16(qint32 wide, qint16& value) {
    if (wide < INT16_MIN || wide > INT16_MAX)
        return false;
    value = qint16(wide);
    return true;
}

}  // namespace

QStringList TextFieldsOf(const QStringList& lines) {
    QStringList fields;
    for (const QString& line : lines) {
        FieldReader reader(line);
        QString field;
        while (reader.NextText(field))
            fields.append(field);
    }
    return fields;
}

bool FieldReader::NextText(QString& field) {
    QStringView view;
    const bool found = NextField(QStringView(line_), pos_, exhausted_, view);
    field = view.toString();
    return found;
}

bool ParseInt32Field(QStringView field, qint32& value) {
    field = field.trimmed();
    if (field.isEmpty()) {
        value = 0;
        return true;
    }
    bool ok = false;
    const qlonglong parsed = field.toLongLong(&ok);
    if (!ok || parsed < INT32_MIN || parsed > INT32_MAX)
        return false;
    value = qint32(parsed);
    return true;
}

bool FieldReader::NextInt32(qint32& value) {
    QString field;
    return NextText(field) && ParseInt32Field(field, value);
}

bool FieldReader::NextInt16(qint16& value) {
    qint32 wide = 0;
    return NextInt32(wide) && FitsInt16(wide, value);
}

bool ByteFieldReader::NextBytes(QByteArrayView& field) {
    return NextField(line_, pos_, exhausted_, field);
}

namespace {

/// The usual number field, " 12 " or "-3 ": blanks, an optional minus and up to four
/// digits. Anything else is left to the full reading.
bool ReadPlainNumber(QByteArrayView field, qint16& value) {
    qsizetype i = 0;
    const qsizetype n = field.size();
    while (i < n && field[i] == ' ')
        ++i;
    const bool negative = i < n && field[i] == '-';
    i += negative ? 1 : 0;
    int number = 0;
    int digits = 0;
    for (; i < n && field[i] >= '0' && field[i] <= '9' && digits < 5; ++i, ++digits)
        number = number * 10 + (field[i] - '0');
    while (i < n && field[i] == ' ')
        ++i;
    if (i != n || digits == 0 || digits > 4)
        return false;
    value = qint16(negative ? -number : number);
    return true;
}

}  // namespace

bool ByteFieldReader::NextInt16(qint16& value) {
    QByteArrayView field;
    if (!NextBytes(field))
        return false;
    if (ReadPlainNumber(field, value))
        return true;
    // Anything unusual is read from the decoded field, exactly as from the decoded line
    // (full-width blanks included).
    qint32 number = 0;
    const bool read = ParseInt32Field(DecodeCp932(field.toByteArray()), number);
    return read && FitsInt16(number, value);
}

}  // namespace common
