#pragma once

#include "store/game_info_file.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace output {

/// A game read from an SGF file, as the lines of a new record file (the header first), or
/// the reason it cannot become one.
struct SgfImport {
    bool accepted = false;
    QString refusal;    // why nothing may be written, when not accepted
    QStringList notes;  // what was left out or changed on the way
    QStringList lines;  // the record file's lines, without line ends
    int handicapCode = 1;
    int komiCode = 20;
    store::GameInfo info;  // the players, event, result and date as the file writes them
};

/// Far larger than any real game record with its comments and variations: a bigger file is
/// refused before it is read, so that a wrong file never keeps the player waiting.
inline constexpr qint64 kMaxSgfFileBytes = 4 * 1024 * 1024;

/// The bytes of an SGF file to import, or the message that refuses it (empty when read).
struct SgfFileBytes {
    QByteArray bytes;
    QString refusal;
};

/// Reads a file chosen for import: only a regular file of at most kMaxSgfFileBytes.
SgfFileBytes ReadSgfFile(const QString& path);

/// Reads the main line of the file's first game into record lines: handicap stones (the black
/// stones set before the first move) first, then a row per move and, after each capturing
/// move, a removal row per captured stone. `today` dates the rows when the file gives no date
/// it can use. A file that breaks off gives the moves before the break, with a note.
SgfImport ImportSgf(const QByteArray& bytes, bool playerIsBlack, const QDate& today);

}  // namespace output
