#pragma once

#include <QString>
#include <QStringList>

namespace common {

/// A number as the record and settings files write it: " 5 ", "-3 ".
QString FileNumber(qint64 value);
/// A number as printing writes it: " 7", "-7".
QString PrintedNumber(qint64 value);
/// Cuts or blank-pads a text to exactly `width` characters.
QString FixedWidth(const QString& text, int width);
/// A comment as it may reach a record file: a comma would split the line into more fields,
/// so it becomes "、"; line breaks become blanks and a double quote becomes "”".
QString FileSafeComment(const QString& comment);

/// Reads the comma-separated fields of one line: blanks before a field are skipped, a
/// quoted field loses its quotes, a field ends at "," or at the line end.
class FieldReader {
  public:
    explicit FieldReader(const QString& line) : line_(line) {}

    /// The next field as text; false when the line has no more fields.
    bool NextText(QString& field);
    /// The next field as a 16-bit integer; false when missing, not a number or out of range.
    bool NextInt16(qint16& value);
    /// The next field as a 32-bit integer; false when missing, not a number or out of range.
    bool NextInt32(qint32& value);

  private:
    QString line_;
    int pos_ = 0;
    bool exhausted_ = false;
};

}  // namespace common
