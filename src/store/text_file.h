#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace store {

/// Reads a CP932 text file into lines; CR LF and lone LF both end a line. False when the
/// file cannot be opened.
bool ReadTextLines(const QString& path, QStringList& lines);
/// Writes the lines as CP932 with CR LF after each, replacing the file atomically.
bool WriteTextLines(const QString& path, const QStringList& lines);
/// Appends the lines (CR LF after each) by rewriting the whole file atomically; a file
/// whose last line lacks its line end gets one first. Creates the file when missing.
bool AppendTextLines(const QString& path, const QStringList& lines);
/// Replaces a file by the bytes atomically: the old file stays whole if anything fails.
bool WriteBytesAtomically(const QString& path, const QByteArray& bytes);
/// Copies a file over another atomically.
bool CopyFileAtomically(const QString& from, const QString& to);

}  // namespace store
