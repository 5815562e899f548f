#pragma once

#include "common/print_surface.h"
#include "output/kifu_figure_layout.h"
#include "output/kifu_figures.h"
#include "store/game_info_file.h"
#include "store/record_table.h"

#include <QStringList>

#include <vector>

namespace output {

/// What the first page says about the game above its figures.
struct KifuHeader {
    /// The game and its players, as every page names them.
    FigureHeading heading;
    QString gameName;
    QString handicapText;
    QString komiText;
    QString firstDay;  // yyyy/MM/dd, empty when unknown
    QString lastDay;
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

/// An SGF result in the words the header prints: "B+2.5" 「黒2目半勝ち」, "W+R" 「白中押し勝ち」,
/// "0" 「ジゴ」; anything else as written.
QString SgfResultText(const QString& result);
/// An imported game's own players, ranks, event and result (as its SGF gave them) in place of
/// what the record alone knows (the opponent's folder and 自分); a result the results record
/// holds stays first.
void TakeGameInfo(FigureHeading& heading, const store::GameInfo& info);

/// How making a book from a record file went.
enum class BookOutcome { Made, Unreadable, NoMoves };
/// Reads the game's saved record and the results record and cuts the game into figures.
BookOutcome MakeKifuBook(const QString& recordPath, const QString& resultsRecordPath,
                         const QString& opponent, const QString& game, const FigureOptions& options,
                         KifuBook& book);

/// The book's pages on paper of the given printable size (in twips).
std::vector<FigurePage> KifuPages(const KifuBook& book, const QSizeF& page);
/// Prints the whole book, page after page, on A4 portrait: every page headed by the game, its
/// players and the page's number, the header on the first page, then the figures as
/// KifuPages lays them out, each with its title, numerals, board and notes.
void PrintKifuFigures(common::PrintSurface& surface, const KifuBook& book);

}  // namespace output
