#pragma once

#include "output/sgf_text.h"

#include <QDate>
#include <QString>
#include <QStringList>

/// What the SGF import tells the player about what it assumed or changed on the way: the
/// character set, the date, the comments and where a damaged file broke.
namespace output {

/// What became of the comments on their way into the 30 characters of a record row.
struct CommentCounts {
    int cut = 0;
    int withReplaced = 0;
    int replaced = 0;  // characters without a Shift_JIS code, written as "?"
    int withCommas = 0;
    int withQuotes = 0;
    int leftOut = 0;  // comments of nodes without a stone: no row to hold them
};

/// The comment of a move as its row keeps it (cut to the row's 30 characters), counted.
QString RowComment(const SgfNode& node, CommentCounts& counts);
/// A note for each kind of change the comments went through, with its count.
void AddCommentNotes(const CommentCounts& counts, QStringList& notes);

/// Says which character set was used where the file did not name one that could be used.
void AddCharsetNote(const SgfDecoding& decoding, QStringList& notes);

/// Says where a damaged file broke and how many moves came before; nothing for a whole file.
void AddBreakNote(const SgfReading& reading, int moves, QStringList& notes);

/// The date of the record's header and rows: the file's first date as far as it gives one,
/// today when it gives none; the note says what was taken for what the file wrote.
QDate RecordDate(const QString& written, const QDate& today, QStringList& notes);

}  // namespace output
