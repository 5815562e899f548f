#pragma once

#include "common/cp932_codec.h"
#include "store/text_file.h"

#include <QStringList>

#include <optional>

namespace store {

/// Reads a text file that a player may have edited and saved with any editor: CP932, or
/// UTF-8 with or without a byte order mark, as common::DecodeTextFile decides for the whole
/// file. CR LF, lone LF and lone CR all end a line. `found` gets the encoding read.
ReadStatus ReadHandEditedLines(const QString& path, QStringList& lines,
                               common::TextEncoding* found = nullptr);
/// ReadHandEditedLines for callers that only need to know whether the lines are there.
bool ReadHandEditedTextLines(const QString& path, QStringList& lines);

/// A "KEY=value" line of such a file: the key without the blanks a player may type around
/// it, and everything after the first "="; none without "=" or with an empty key.
struct KeyedLine {
    QString key;
    QString value;
};
std::optional<KeyedLine> SplitKeyedLine(const QString& line);

enum class AppendOutcome {
    Appended,
    Failed,    // the file could not be read or written; it is as it was
    NotCp932,  // a character of the file or of the lines has no CP932 code; nothing written
};

/// Appends the lines to such a file, CP932 with CR LF, creating it when missing. A file
/// found in UTF-8 is turned into CP932 with CR LF as a whole in the same atomic rewrite, so
/// that it never holds two encodings; a file in CP932 keeps its bytes as they are.
AppendOutcome AppendToHandEditedFile(const QString& path, const QStringList& lines);

}  // namespace store
