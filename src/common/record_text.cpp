#include "common/record_text.h"

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

bool FieldReader::NextText(QString& field) {
    if (exhausted_)
        return false;
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t'))
        ++pos_;
    field.clear();
    if (pos_ < line_.size() && line_[pos_] == '"') {
        const int close = line_.indexOf('"', pos_ + 1);
        const int end = close < 0 ? line_.size() : close;
        field = line_.mid(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? line_.size() : close + 1;
        // Anything between the closing quote and the next comma is dropped.
        const int comma = line_.indexOf(',', pos_);
        pos_ = comma < 0 ? line_.size() : comma;
    } else {
        const int comma = line_.indexOf(',', pos_);
        const int end = comma < 0 ? line_.size() : comma;
        field = line_.mid(pos_, end - pos_);
        pos_ = end;
    }
    if (pos_ >= line_.size()) {
        exhausted_ = true;
    } else {
        ++pos_;  // past the comma
    }
    return true;
}

bool FieldReader::NextInt32(qint32& value) {
    QString field;
    if (!NextText(field))
        return false;
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

bool FieldReader::NextInt16(qint16& value) {
    qint32 wide = 0;
    if (!NextInt32(wide) || wide < INT16_MIN || wide > INT16_MAX)
        return false;
    value = qint16(wide);
    return true;
}

}  // namespace common
