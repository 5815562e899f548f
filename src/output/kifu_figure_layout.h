#pragma once

#include "common/stone_colour.h"
#include "output/kifu_figures.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <vector>

namespace output {

/// Who played a game and what came of it, as every page of its figures names it. A record
/// alone gives the game, the opponent and 自分 by their colours; a game that came with more
/// (the players, ranks, event and result an SGF file named) fills the rest. Empty fields are
/// left out of the pages.
struct FigureHeading {
    QString game;  // "山田 第3局": the opponent's folder and the game's name
    QString blackPlayer;
    QString whitePlayer;
    QString blackRank;
    QString whiteRank;
    QString event;
    QString result;
};

/// The heading a record gives: the opponent plays `opponentColour`, the player the other.
FigureHeading FigureHeadingOf(const QString& opponent, const QString& game,
                              common::StoneColour opponentColour, const QString& result);
/// The players with their ranks: "黒 本因坊秀策 四段　白 井上因碩 八段".
QString HeadingPlayers(const FigureHeading& heading);
/// The left of every page's top line: the game, its players, event and result.
QString HeadingGameText(const FigureHeading& heading);

/// Notes set in columns: the lines (a long note broken after a comma) and the type size.
struct NotesLayout {
    double points = 10;
    QStringList lines;
    int columns = 1;
    int perColumn = 1;
    double columnWidth = 0;  // a column with the gap after it
    /// False when even the smallest type leaves lines out.
    bool complete = true;
};
/// The distance between two lines of notes in type of `points`.
double NoteLinePitch(double points);
/// The notes in the largest type (up to `largest` points) that holds them all in `area`.
NotesLayout LayOutNotes(const QStringList& notes, const QSizeF& area, double largest);

/// Where one figure goes on its page, in twips from the top left of the printable area.
struct FigureSlot {
    int figure = 0;  // the figure's place in the book
    double titleTop = 0;
    /// The top left of the record page's board with its numerals, drawn at `scale`.
    QPointF board;
    double scale = 1;
    QRectF notesArea;
    NotesLayout notes;
};

/// One page: its top line, the game's header on the first page, and its figures.
struct FigurePage {
    int number = 1;
    int pages = 1;
    QString headingLeft;          // the game and its players
    QString headingRight;         // "第3譜・第4譜　2 / 5"
    double headingRightLeft = 0;  // where the right part starts, so that it ends at the edge
    double headingPoints = 10;
    QStringList headerLines;  // the first page only
    std::vector<FigureSlot> figureSlots;
};

/// The height of the top line's band on every page, its rule included.
inline constexpr double kHeadingBand = 420;
/// The pitch of the first page's header lines.
inline constexpr double kHeaderLinePitch = 300;
/// The width and height of the record page's board with its numerals, at scale 1.
double FigureBlockSize();

/// Lays the figures out: a game in one figure gets a page of its own with the notes under
/// the board, which takes the page's width; otherwise two figures a page, the notes beside the
/// board, every figure of the book the same size. Every page names the game and its number.
std::vector<FigurePage> LayOutFigurePages(const std::vector<KifuFigure>& figures,
                                          const FigureHeading& heading,
                                          const QStringList& headerLines, const QSizeF& page);

}  // namespace output
