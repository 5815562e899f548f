#pragma once

#include "store/record_table.h"

#include <QDate>
#include <QString>

namespace store {

/// How far a record file could be read.
enum class LoadOutcome {
    Missing,     // no such file: the table is empty
    Complete,    // every line read
    Truncated,   // a bad line, a 441st row or bytes that are not text ended the load; the rows
                 // before it are kept
    NotAFile,    // a folder, FIFO, device or the like: never opened, the table is empty
    Unreadable,  // a file that cannot be read: the table is empty
    TooLarge,    // far larger than any record (over 1 MB): not read, the table is empty
};

/// One record line as the files carry it: date unchanged, numbers in the file form,
/// the text made file-safe and padded to 30 characters.
QString RecordLine(const QString& date, int number, int x, int y, const QString& text);
/// The header line written by registration.
QString HeaderLine(const QDate& date, int handicapCode, int komiCode, bool playerIsBlack);
/// The handicap marker: 0 for codes 1 and 2, else minus the number of handicap stones.
int HandicapMarker(int handicapCode);

/// What a record says at a glance, read without keeping its rows: for listing many games.
struct RecordOutline {
    bool headerRead = false;
    int handicapCode = 0;
    int komiCode = 0;
    int whiteFirst = 0;
    std::optional<common::StoneColour> playerColour;  // none when the header names no colour
    QString headerText;                               // the header's text field, trimmed
    QString headerDate;
    int highestMove = 0;  // the highest move number; 0 before the first move
    QDate lastDay;        // the date of the last row that has one, else the header's

    /// The player's colour as the header writes it.
    QString PlayerColourText() const { return ColourAsWritten(playerColour, headerText); }
};

/// Reads a record file into the table: marks rows as placements or removals and sets their
/// colours. Coordinates are as stored; view transforms are the board model's business.
LoadOutcome ReadRecordFile(const QString& path, RecordTable& table);
/// Reads a record file as far as ReadRecordFile would, keeping only its outline.
LoadOutcome ReadRecordOutline(const QString& path, RecordOutline& outline);

/// Copies the record to the undo copy, then appends rows savedRowCount+1 .. lastRow with
/// `today` as their date. False when the undo copy or the record could not be written; the
/// record is then unchanged (it is replaced atomically or not at all).
bool AppendNewRows(const QString& recordPath, const QString& undoPath, const RecordTable& table,
                   const QDate& today);
/// Copies the record to the undo copy, then rewrites it with the rows before the first row
/// whose number is `moveNumber` or more, each with its own date. False, with the record
/// unchanged, when the undo copy or the record could not be written.
bool CutRecordAt(const QString& recordPath, const QString& undoPath, const RecordTable& table,
                 int moveNumber);

bool SaveUndoCopy(const QString& recordPath, const QString& undoPath);
/// Puts the undo copy back over the record and deletes it; a missing copy does nothing.
bool RestoreUndoCopy(const QString& recordPath, const QString& undoPath);
void DeleteUndoCopy(const QString& undoPath);

}  // namespace store
