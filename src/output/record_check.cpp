#include "output/record_check.h"

#include "common/stone_colour.h"
#include "go/go_rules.h"
#include "output/point_words.h"

#include <algorithm>
#include <array>
#include <optional>

namespace output {
namespace {

using Kind = RecordFinding::Kind;

/// The two boards of the replay: `rules` as the game really stands (captures taken off by
/// the rules), `recorded` as the rows build it. They differ only where a captured stone
/// still stands (`capturedBy`) or a stone not captured was taken off (`takenEarly`).
class Replay {
  public:
    explicit Replay(int whiteFirst) : whiteFirst_(whiteFirst) {}

    void Place(const store::RecordRow& row);
    void Remove(const store::RecordRow& row);
    std::vector<RecordFinding> Finish();

  private:
    struct EarlyRemoval {
        go::Point point;
        int afterMove;
        int stone;
    };

    void Report(Kind kind, int move, int stone, int x, int y) {
        findings_.push_back({kind, move, stone, x, y});
    }
    std::optional<int>& CapturedBy(int x, int y) { return capturedBy_[x][y]; }
    void TakeCaptured(const go::PointList& captured, int move);
    void ReportEarlyRemovals();

    int whiteFirst_;
    go::BoardGrid rules_;
    go::BoardGrid recorded_;
    std::array<std::array<std::optional<int>, go::kBoardSize + 1>, go::kBoardSize + 1>
        capturedBy_{};
    std::vector<EarlyRemoval> takenEarly_;
    int lastMove_ = 0;
    std::vector<RecordFinding> findings_;
};

void Replay::Place(const store::RecordRow& row) {
    const int x = row.x;
    const int y = row.y;
    if (!go::BoardGrid::OnBoard(x, y))
        return;
    lastMove_ = row.number;
    if (std::optional<int>& capturer = CapturedBy(x, y)) {
        // The stone is put where a captured stone was left standing: the missing removal
        // is the mistake.
        Report(Kind::NotTakenOff, *capturer, recorded_.At(x, y), x, y);
        capturer.reset();
    } else if (recorded_.Occupied(x, y)) {
        Report(Kind::Occupied, row.number, recorded_.At(x, y), x, y);
    }
    // The rules board follows the record's stone, so that one mistake is named once.
    rules_.Set(x, y, go::kEmptyPoint);
    const go::MoveOutcome outcome = go::PlayStone(rules_, whiteFirst_, x, y, row.number);
    if (outcome.check == go::MoveCheck::Suicide) {
        Report(Kind::Suicide, row.number, row.number, x, y);
        rules_.Set(x, y, row.number);
    }
    TakeCaptured(outcome.captured, row.number);
    ReportEarlyRemovals();
    recorded_.Set(x, y, row.number);
}

void Replay::TakeCaptured(const go::PointList& captured, int move) {
    for (const go::Point& point : captured) {
        // A stone taken off just before the move that captures it was taken off rightly.
        const auto early = std::find_if(takenEarly_.begin(), takenEarly_.end(),
                                        [&](const EarlyRemoval& r) { return r.point == point; });
        if (early != takenEarly_.end()) {
            takenEarly_.erase(early);
        } else {
            CapturedBy(point.x, point.y) = move;
        }
    }
}

void Replay::ReportEarlyRemovals() {
    for (const EarlyRemoval& removal : takenEarly_)
        Report(Kind::NotCaptured, removal.afterMove, removal.stone, removal.point.x,
               removal.point.y);
    takenEarly_.clear();
}

void Replay::Remove(const store::RecordRow& row) {
    const int x = row.x;
    const int y = row.y;
    if (!recorded_.Occupied(x, y)) {
        Report(Kind::EmptyRemoval, lastMove_, row.number, x, y);
        return;
    }
    const int stone = recorded_.At(x, y);
    recorded_.Set(x, y, go::kEmptyPoint);
    if (std::optional<int>& capturer = CapturedBy(x, y)) {
        capturer.reset();
    } else {
        // Still standing by the rules: only the next move can make this removal right.
        takenEarly_.push_back({{x, y}, lastMove_, stone});
    }
}

std::vector<RecordFinding> Replay::Finish() {
    ReportEarlyRemovals();
    for (int x = 1; x <= go::kBoardSize; ++x) {
        for (int y = 1; y <= go::kBoardSize; ++y) {
            if (const std::optional<int>& capturer = CapturedBy(x, y))
                Report(Kind::NotTakenOff, *capturer, recorded_.At(x, y), x, y);
        }
    }
    std::stable_sort(
        findings_.begin(), findings_.end(),
        [](const RecordFinding& a, const RecordFinding& b) { return a.move < b.move; });
    return findings_;
}

/// "第41手" for a move, "置石" for a handicap stone.
QString StoneName(int number) {
    return number > 0 ? QStringLiteral("第%1手").arg(number) : QStringLiteral("置石");
}

/// When a removal row stands: "第58手の後で", or before the first move.
QString AfterMove(int move) {
    return move > 0 ? QStringLiteral("第%1手の後で").arg(move) : QStringLiteral("第1手の前に");
}

}  // namespace

std::vector<RecordFinding> CheckRecord(const store::RecordTable& table) {
    Replay replay(table.whiteFirst);
    for (int i = 1; i <= table.lastRow; ++i) {
        const store::RecordRow& row = table.rows[i];
        if (row.IsPlacement()) {
            replay.Place(row);
        } else {
            replay.Remove(row);
        }
    }
    return replay.Finish();
}

QString FindingText(const RecordFinding& finding, int whiteFirst) {
    const QString point = PointName(finding.x, finding.y);
    const QString colour = common::ColourText(common::ColourOfStone(finding.stone, whiteFirst));
    switch (finding.kind) {
        case Kind::NotTakenOff:
            return QStringLiteral("第%1手で取られた%2石 %3（%4）が取り除かれていません。")
                .arg(finding.move)
                .arg(colour, point, StoneName(finding.stone));
        case Kind::EmptyRemoval:
            return QStringLiteral("%1 %2（%3の石）を取り除いていますが、そこに石はありません。")
                .arg(AfterMove(finding.move), point, StoneName(finding.stone));
        case Kind::NotCaptured:
            return QStringLiteral("%1取り除いた%2石 %3（%4）は、取られていません。")
                .arg(AfterMove(finding.move), colour, point, StoneName(finding.stone));
        case Kind::Occupied:
            return QStringLiteral("第%1手は、石（%2）のある %3 に打たれています。")
                .arg(finding.move)
                .arg(StoneName(finding.stone), point);
        case Kind::Suicide:
            return QStringLiteral("第%1手 %2 は自殺手です。").arg(finding.move).arg(point);
    }
    return QString();
}

QStringList RecordCheckTexts(const store::RecordTable& table) {
    QStringList texts;
    for (const RecordFinding& finding : CheckRecord(table))
        texts.append(FindingText(finding, table.whiteFirst));
    return texts;
}

}  // namespace output
