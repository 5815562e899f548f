#pragma once

#include "common/print_surface.h"
#include "go/board_model.h"
#include "output/board_figure_print.h"
#include "store/record_table.h"

#include <QImage>
#include <QStringList>

namespace output {

/// Everything the record page shows, taken from the main window when "印 字" is pressed.
struct RecordPage {
    QString gameName;
    /// The number of the last stone placed up to the shown row (the header's when none).
    int lastMoveNumber = 0;
    QString opponentLabel;
    /// For a game imported from SGF: its own players with ranks, event and result, which the
    /// 対局者 line shows instead of the opponent's folder; empty otherwise.
    QString playersLabel;
    QString handicapLabel;
    /// The removed-stone list's entries, as FillRemovedList makes them.
    QStringList removedList;
    BoardFigure figure;
    /// The print position in millimetres.
    int offsetXmm = 0;
    int offsetYmm = 0;
};

/// The record page of the position `model` shows (in printing mode), with the main window's
/// labels for the game; the print offsets are left at zero.
RecordPage RecordPageOf(const go::BoardModel& model, const QString& opponent, const QString& game);

/// Fills playersLabel from the companion of an imported game's record; a page of a game
/// without one stays as it is.
void TakeImportedPlayers(RecordPage& record, const go::BoardModel& model, const QString& opponent,
                         const QString& game, const QString& recordPath);

/// The removed-stone list's entry of a removal: "012: 16･4".
QString RemovedEntry(int number, int x, int y);
/// The entries of the removals among rows 1 to `lastRow`, in row order.
QStringList FillRemovedList(const store::RecordTable& table, int lastRow);
/// The three header lines: game and move, opponent, handicap and komi.
QStringList HeaderLines(const RecordPage& record);
/// The line printed for a removed-stone entry: colour mark, number and point.
QString RemovedLine(const QString& entry, int whiteFirst);

void PrintHeader(common::PrintSurface& surface, const PageGeometry& page, const RecordPage& record);
/// The removed stones right of the board, one a line, as far down as the page reaches.
void PrintRemovedList(common::PrintSurface& surface, const PageGeometry& page,
                      const RecordPage& record);
/// The whole record page: header, removed stones, numerals and board.
void PrintOut(common::PrintSurface& surface, const RecordPage& record);

/// A picture of a window at its size on the screen, shrunk only when the page is smaller.
void PrintWindowImage(common::PrintSurface& surface, const QImage& image);

}  // namespace output
