#pragma once

#include <QString>

#include <array>

#include "common/stone_colour.h"
#include "go/board_canvas.h"
#include "go/board_grid.h"

#include <optional>

namespace output {

/// What the end-of-game count makes of one point.
enum class PointClass { None, Neutral, BlackTerritory, WhiteTerritory };

/// The classification of every point after the end of the game, and the two territories.
struct TerritoryCount {
    /// Indexed [x][y] like the board, from 1 to 19; index 0 is unused.
    std::array<std::array<PointClass, go::kBoardSize + 1>, go::kBoardSize + 1> points{};
    int blackTerritory = 0;
    int whiteTerritory = 0;

    /// The class of point (x, y).
    PointClass At(int x, int y) const { return points[x][y]; }
};

/// Classifies every empty point by the first stone met along each of its four straight lines,
/// looking at most `searchLimit` points along each.
TerritoryCount ClassifyTerritory(const go::BoardGrid& board, int whiteFirst, int searchLimit);

/// Draws the mark of every classified point on the canvas, row by row.
void DrawTerritoryMarks(const TerritoryCount& count, go::BoardCanvas& canvas);

/// The scores and the result of a count, as the main window shows them.
struct GameScore {
    int blackScore = 0;
    int whiteScore = 0;
    /// Black's score minus White's, after komi: positive when Black is ahead.
    double difference = 0.0;
    QString margin;
    QString outcome;
    /// Player's colour, margin and outcome joined, for example "黒3目半勝ち".
    QString resultLabel;
};

/// Turns the territories and the removed stones into scores and the result for the player,
/// whose colour is given as the record's header writes it (RecordTable::PlayerColourText): the
/// label starts with that text even when it names no colour.
GameScore ScoreGame(int blackTerritory, int whiteTerritory, int blackRemoved, int whiteRemoved,
                    int komiCode, const QString& playerColour, const QString& previousOutcome);

/// The margin of a difference: "半目", "3目", "2目半".
QString MarginText(double difference);
/// The result without a point of view: "黒2目半勝ち", "白3目勝ち", "ジゴ".
QString WinnerText(const GameScore& score);

/// "勝ち", "負け" or "ジゴ" seen from the player's colour; the previous word when the colour is
/// not known.
QString OutcomeWord(double difference, std::optional<common::StoneColour> playerColour,
                    const QString& previousOutcome);

}  // namespace output
