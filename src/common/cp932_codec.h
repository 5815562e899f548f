#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace common {

/// Text as the files carry it: Windows code page 932. A character that CP932 cannot hold
/// becomes "?"; bytes that are not valid CP932 are read as U+FFFD. Neither shifts the text
/// around it, so a field separator is never swallowed.
QByteArray EncodeCp932(const QString& text);
QString DecodeCp932(const QByteArray& bytes);
/// True when every character survives CP932 (none would become "?").
bool FitsCp932(const QString& text);

/// How a text file a player may have saved from another editor is written.
enum class TextEncoding { Cp932, Utf8, Utf8WithBom };
/// Decides for a whole file: a UTF-8 byte order mark means UTF-8; bytes that are valid UTF-8
/// and not plain ASCII mean UTF-8 (Japanese CP932 text is almost never valid UTF-8);
/// anything else (ASCII only, CP932, damaged bytes) is read as CP932.
TextEncoding DetectTextEncoding(QByteArrayView bytes);
/// The text of such a file, decoded as DetectTextEncoding finds it, without the mark.
QString DecodeTextFile(const QByteArray& bytes, TextEncoding* found = nullptr);

}  // namespace common
