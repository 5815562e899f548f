#include "go/go_rules.h"

#include "common/stone_colour.h"

#include <algorithm>
#include <array>

namespace go {
namespace {

using common::ColourOfStone;

constexpr std::array<Point, 4> kSteps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

bool Contains(const PointList& points, const Point& point) {
    return std::find(points.begin(), points.end(), point) != points.end();
}

}  // namespace

PointList GroupAt(const BoardGrid& board, int whiteFirst, int x, int y) {
    PointList group;
    if (!board.Occupied(x, y))
        return group;
    const common::StoneColour colour = ColourOfStone(board.At(x, y), whiteFirst);
    group.push_back({x, y});
    for (size_t i = 0; i < group.size(); ++i) {
        for (const Point& step : kSteps) {
            const Point next{group[i].x + step.x, group[i].y + step.y};
            if (board.Occupied(next.x, next.y) &&
                ColourOfStone(board.At(next.x, next.y), whiteFirst) == colour &&
                !Contains(group, next)) {
                group.push_back(next);
            }
        }
    }
    return group;
}

int LibertyCount(const BoardGrid& board, const PointList& group) {
    PointList liberties;
    for (const Point& stone : group) {
        for (const Point& step : kSteps) {
            const Point next{stone.x + step.x, stone.y + step.y};
            if (BoardGrid::OnBoard(next.x, next.y) && !board.Occupied(next.x, next.y) &&
                !Contains(liberties, next)) {
                liberties.push_back(next);
            }
        }
    }
    return int(liberties.size());
}

MoveOutcome PlayStone(BoardGrid& board, int whiteFirst, int x, int y, qint16 number) {
    MoveOutcome outcome;
    if (!BoardGrid::OnBoard(x, y)) {
        outcome.check = MoveCheck::OffBoard;
        return outcome;
    }
    if (board.Occupied(x, y)) {
        outcome.check = MoveCheck::Occupied;
        return outcome;
    }
    BoardGrid after = board;
    after.Set(x, y, number);
    const common::StoneColour colour = ColourOfStone(number, whiteFirst);
    for (const Point& step : kSteps) {
        const Point next{x + step.x, y + step.y};
        if (!after.Occupied(next.x, next.y) ||
            ColourOfStone(after.At(next.x, next.y), whiteFirst) == colour) {
            continue;
        }
        const PointList group = GroupAt(after, whiteFirst, next.x, next.y);
        if (LibertyCount(after, group) > 0)
            continue;
        for (const Point& stone : group) {
            after.Set(stone.x, stone.y, kEmptyPoint);
            outcome.captured.push_back(stone);
        }
    }
    if (LibertyCount(after, GroupAt(after, whiteFirst, x, y)) == 0) {
        outcome.check = MoveCheck::Suicide;
        outcome.captured.clear();
        return outcome;
    }
    board = after;
    return outcome;
}

}  // namespace go
