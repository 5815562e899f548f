#pragma once

#include <QByteArray>

/// A number as the record files write it: a blank before a value that is not negative, one
/// after every value (" 7 ", "-2 ").
inline QByteArray FileNumber(int value) {
    return (value < 0 ? "" : " ") + QByteArray::number(value) + ' ';
}

/// One record line as the program writes it: date, number, x, y, and `text` (CP932 holding
/// `textChars` characters; by default one character a byte) padded to 30 characters, CR LF.
inline QByteArray Line(const QByteArray& date, int number, int x, int y,
                       const QByteArray& text = {}, int textChars = -1) {
    const int chars = textChars < 0 ? int(text.size()) : textChars;
    return date + ',' + FileNumber(number) + ',' + FileNumber(x) + ',' + FileNumber(y) + ',' +
           text + QByteArray(30 - chars, ' ') + "\r\n";
}
