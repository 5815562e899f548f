#pragma once

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
};

/// Reads the main line of the file's first game into record lines: handicap stones first,
/// then a row per move and, after each capturing move, a removal row per captured stone.
/// `today` dates the rows when the file gives no date.
SgfImport ImportSgf(const QByteArray& bytes, bool playerIsBlack, const QDate& today);

}  // namespace output
