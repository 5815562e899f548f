#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

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
    qsizetype pos_ = 0;
    bool exhausted_ = false;
};

/// Every field of every line in order, as FieldReader reads them: a comma in a line starts the
/// next field, blanks before a field are dropped, quotes around it removed.
QStringList TextFieldsOf(const QStringList& lines);

/// Reads a number field: blanks around it are ignored and an empty field is 0. False when
/// it is not a number or out of the 32-bit range.
bool ParseInt32Field(QStringView field, qint32& value);

/// FieldReader's reading, done on the bytes of a CP932 line. Commas, quotes, blanks and
/// digits are single bytes that CP932 never uses inside a character, so the fields are those
/// of the decoded line, and only the fields wanted as text need decoding.
class ByteFieldReader {
  public:
    explicit ByteFieldReader(QByteArrayView line) : line_(line) {}

    /// The next field's bytes; false when the line has no more fields.
    bool NextBytes(QByteArrayView& field);
    /// The next field as a 16-bit integer, read exactly as FieldReader::NextInt16 reads it.
    bool NextInt16(qint16& value);

  private:
    QByteArrayView line_;
    qsizetype pos_ = 0;
    bool exhausted_ = false;
};

}  // namespace common
