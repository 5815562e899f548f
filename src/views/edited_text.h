#pragma once

#include <QString>

namespace views {

/// A data file as the text window shows it: CP932 decoded, CR LF turned into line breaks.
/// False when the file cannot be read.
bool LoadEditedText(const QString& path, QString& text);
/// The bytes the file gets back: CP932 with CR LF, so an unchanged text saves byte for byte.
QByteArray EditedTextBytes(const QString& text);
/// True when every character of the text survives CP932 (others would become "?").
bool FitsCp932(const QString& text);
/// Replaces the file by the text atomically; the old file stays whole when this fails.
bool SaveEditedText(const QString& path, const QString& text);

}  // namespace views
