#pragma once

#include "go/board_grid.h"
#include "store/record_table.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace output {

/// How a game is cut into figures.
struct FigureOptions {
    /// Moves in each figure; 0 puts the whole game in one figure.
    int movesPerFigure = 100;
    /// Each figure numbers its moves from 1 instead of with the game's move numbers.
    bool renumber = false;
};

/// A stone that stood before the figure began and is named by a letter on the board, because
/// a move of the figure was played where it stood.
struct FigureMark {
    int x = 0;
    int y = 0;
    QString label;  // "A", "B" …
};

/// One figure of a game: the position before its first move as plain stones, its own moves
/// as numbered stones, and the moves that cannot be drawn because their point already holds a
/// stone of the figure.
struct KifuFigure {
    int index = 0;  // 1 for 第1譜
    int firstMove = 0;
    int lastMove = 0;
    /// The stones drawn, each holding its move number; those from firstMove on carry numbers.
    go::BoardGrid board;
    /// The notes beside the figure, in the order of their first move. Moves played on the same
    /// stone share one note: "125, 133＝119", "126＝A (１６・四)" for a marked stone that stood
    /// before the figure, and "140 パス" for a pass (a number the record skips).
    QStringList notes;
    QList<FigureMark> marks;
    /// How the figure numbers the move `number` (its own number or counted from 1).
    int shownFirst = 1;  // the number the figure's first move is written with
    int ShownNumber(int number) const { return number - firstMove + shownFirst; }
    bool IsFigureMove(int number) const { return number >= firstMove && number <= lastMove; }
};

/// The title of a figure with its move range: "第2譜 (101〜200)".
QString FigureTitle(const KifuFigure& figure);
/// A point as the notes name it: full-width column digits and the kanji row, "１６・四".
QString NotePointName(int x, int y);

/// Replays the record's rows, placements and removals alike, and cuts the moves into
/// figures. Rows off the board are skipped, as everywhere else. Empty when there is no move.
std::vector<KifuFigure> SplitIntoFigures(const store::RecordTable& table,
                                         const FigureOptions& options);

}  // namespace output
