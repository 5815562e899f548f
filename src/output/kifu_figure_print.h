#pragma once

#include "common/print_surface.h"
#include "output/kifu_figures.h"
#include "store/record_table.h"

#include <QStringList>

#include <vector>

namespace output {

/// What the first page says about the game above its figures.
struct KifuHeader {
    QString gameName;
    QString opponent;
    QString playerColour;    // as the record's header writes it
    QString opponentColour;  // "黒" or "白"
    QString handicapText;
    QString komiText;
    QString firstDay;  // yyyy/MM/dd, empty when unknown
    QString lastDay;
    QString result;  // empty when the results record holds none
    int moves = 0;
};

/// The header of a game: names, colours and terms from its record, the recording days from
/// the header and the rows, and the result from the lines of the results record.
KifuHeader KifuHeaderOf(const store::RecordTable& table, const QString& opponent,
                        const QString& game, const QStringList& resultsRecordLines);
/// The result the results record gives the game (its last entry), or empty.
QString RecordedResult(const QStringList& resultsRecordLines, const QString& opponent,
                       const QString& game);
/// The header's lines as printed.
QStringList KifuHeaderLines(const KifuHeader& header);

/// A game's figures and what the pages say about it.
struct KifuBook {
    KifuHeader header;
    std::vector<KifuFigure> figures;
    int whiteFirst = 0;
};

/// How making a book from a record file went.
enum class BookOutcome { Made, Unreadable, NoMoves };
/// Reads the game's saved record and the results record and cuts the game into figures.
BookOutcome MakeKifuBook(const QString& recordPath, const QString& resultsRecordPath,
                         const QString& opponent, const QString& game, const FigureOptions& options,
                         KifuBook& book);

/// The pages a book takes: two figures a page.
int KifuPageCount(const KifuBook& book);
/// Prints the whole book, page after page, on A4 portrait: the header on the first page and
/// two figures a page, each with its title, numerals, board and notes.
void PrintKifuFigures(common::PrintSurface& surface, const KifuBook& book);

}  // namespace output
