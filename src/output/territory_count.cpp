#include "output/territory_count.h"

#include <cmath>

namespace output {

namespace {

/// What a look along one straight line found first.
enum class RayResult { NoStone, WhiteStone, BlackStone };

RayResult LookAlong(const go::BoardGrid& board, int whiteFirst, int searchLimit, int x, int y,
                    int stepX, int stepY) {
    for (int distance = 1; distance <= searchLimit; ++distance) {
        const int pointX = x + stepX * distance;
        const int pointY = y + stepY * distance;
        if (!go::BoardGrid::OnBoard(pointX, pointY))
            return RayResult::NoStone;
        if (board.Occupied(pointX, pointY)) {
            const common::StoneColour colour =
                common::ColourOfStone(board.At(pointX, pointY), whiteFirst);
            return colour == common::StoneColour::Black ? RayResult::BlackStone
                                                        : RayResult::WhiteStone;
        }
    }
    return RayResult::NoStone;
}

PointClass ClassifyPoint(const go::BoardGrid& board, int whiteFirst, int searchLimit, int x,
                         int y) {
    // Right, left, down, up. Only the first stone on each line matters, so a region that is
    // open diagonally still counts for the side that closes its lines.
    static constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    bool metBlack = false;
    bool metWhite = false;
    for (const auto& step : kSteps) {
        const RayResult result = LookAlong(board, whiteFirst, searchLimit, x, y, step[0], step[1]);
        metBlack = metBlack || result == RayResult::BlackStone;
        metWhite = metWhite || result == RayResult::WhiteStone;
    }
    if (metBlack && metWhite)
        return PointClass::Neutral;
    if (metBlack)
        return PointClass::BlackTerritory;
    if (metWhite)
        return PointClass::WhiteTerritory;
    return PointClass::None;
}

}  // namespace

TerritoryCount ClassifyTerritory(const go::BoardGrid& board, int whiteFirst, int searchLimit) {
    TerritoryCount count;
    for (int y = 1; y <= go::kBoardSize; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x) {
            if (board.Occupied(x, y))
                continue;
            const PointClass pointClass = ClassifyPoint(board, whiteFirst, searchLimit, x, y);
            count.points[x][y] = pointClass;
            if (pointClass == PointClass::BlackTerritory)
                ++count.blackTerritory;
            if (pointClass == PointClass::WhiteTerritory)
                ++count.whiteTerritory;
        }
    }
    return count;
}

void DrawTerritoryMarks(const TerritoryCount& count, go::BoardCanvas& canvas) {
    for (int y = 1; y <= go::kBoardSize; ++y) {
        for (int x = 1; x <= go::kBoardSize; ++x) {
            switch (count.At(x, y)) {
                case PointClass::None:
                    break;
                case PointClass::Neutral:
                    canvas.DrawCountMark(x, y, go::CountMark::Neutral);
                    break;
                case PointClass::BlackTerritory:
                    canvas.DrawCountMark(x, y, go::CountMark::BlackTerritory);
                    break;
                case PointClass::WhiteTerritory:
                    canvas.DrawCountMark(x, y, go::CountMark::WhiteTerritory);
                    break;
            }
        }
    }
}

QString MarginText(double difference) {
    if (std::fabs(difference) == 0.5)
        return QStringLiteral("半目");
    const double whole = std::trunc(difference);
    const QString points = QString::number(static_cast<qint64>(std::fabs(whole)));
    return points + (difference == whole ? QStringLiteral("目") : QStringLiteral("目半"));
}

QString WinnerText(const GameScore& score) {
    if (score.difference == 0)
        return QStringLiteral("ジゴ");
    return (score.difference > 0 ? QStringLiteral("黒") : QStringLiteral("白")) + score.margin +
           QStringLiteral("勝ち");
}

QString OutcomeWord(double difference, std::optional<common::StoneColour> playerColour,
                    const QString& previousOutcome) {
    if (!playerColour)
        return previousOutcome;
    if (difference == 0.0)
        return QStringLiteral("ジゴ");
    const bool blackAhead = difference > 0.0;
    const bool holdsBlack = *playerColour == common::StoneColour::Black;
    return blackAhead == holdsBlack ? QStringLiteral("勝ち") : QStringLiteral("負け");
}

GameScore ScoreGame(int blackTerritory, int whiteTerritory, int blackRemoved, int whiteRemoved,
                    int komiCode, const QString& playerColour, const QString& previousOutcome) {
    GameScore score;
    // Removed stones are filled back into their own side's territory.
    score.blackScore = blackTerritory - blackRemoved;
    score.whiteScore = whiteTerritory - whiteRemoved;
    score.difference = double(score.blackScore) - double(score.whiteScore);
    // An unregistered or damaged komi code compares the scores without komi.
    if (komiCode >= 1 && komiCode <= 39)
        score.difference -= (komiCode - 20) * 0.5;
    score.margin = MarginText(score.difference);
    score.outcome =
        OutcomeWord(score.difference, common::ColourFromText(playerColour), previousOutcome);
    score.resultLabel = playerColour.trimmed() + score.margin + score.outcome;
    return score;
}

}  // namespace output
