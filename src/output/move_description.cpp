#include "output/move_description.h"

#include <array>
#include <cstdlib>

namespace output {

namespace {

/// One probe: (dx, dy) is the offset from the new move to the other stone; the label names
/// where the new move stands as seen from that stone.
struct NeighbourProbe {
    int dx;
    int dy;
    QStringView label;
};

/// The probes in their fixed order; the first four that find a stone give
/// the relative candidates.
constexpr std::array<NeighbourProbe, 36> kNeighbourProbes{{
    {1, 0, u"左"},
    {0, 1, u"上"},
    {-1, 0, u"右"},
    {0, -1, u"下"},
    {1, 1, u"左上"},
    {-1, 1, u"右上"},
    {-1, -1, u"右下"},
    {1, -1, u"左下"},
    {2, 0, u"左一間"},
    {0, 2, u"上一間"},
    {-2, 0, u"右一間"},
    {0, -2, u"下一間"},
    {2, 1, u"左上ケイマ"},
    {1, 2, u"左上ケイマ"},
    {-2, 1, u"右上ケイマ"},
    {-1, 2, u"右上ケイマ"},
    {-1, -2, u"右下ケイマ"},
    {-2, -1, u"右下ケイマ"},
    {2, -1, u"左下ケイマ"},
    {1, -2, u"左下ケイマ"},
    {3, 0, u"左二間"},
    {0, 3, u"上二間"},
    {-3, 0, u"右二間"},
    {0, -3, u"下二間"},
    {3, 1, u"左上大ケイマ"},
    {1, 3, u"左上大ケイマ"},
    {-3, 1, u"右上大ケイマ"},
    {-1, 3, u"右上大ケイマ"},
    {-1, -3, u"右下大ケイマ"},
    {-3, -1, u"右下大ケイマ"},
    {3, -1, u"左下大ケイマ"},
    {1, -3, u"左下大ケイマ"},
    {4, 0, u"左三間"},
    {0, 4, u"上三間"},
    {-4, 0, u"右三間"},
    {0, -4, u"下三間"},
}};

/// A region of step 1 of the absolute name: offsets from the centre (sx, sy) within the
/// ranges, with its base name and reference point.
struct StarRegion {
    int sxMin;
    int sxMax;
    int syMin;
    int syMax;
    QStringView baseName;
    int refX;
    int refY;
};

constexpr std::array<StarRegion, 5> kStarRegions{{
    {5, 7, -1, 1, u"右辺星", 16, 10},
    {-1, 1, -7, -5, u"上辺星", 10, 4},
    {-7, -5, -1, 1, u"左辺星", 4, 10},
    {-1, 1, 5, 7, u"下辺星", 10, 16},
    {-1, 1, -1, 1, u"天元", 10, 10},
}};

/// The suffix for the offset (ox, oy) from the reference point, each from -1 to 1.
QStringView StarSuffix(int ox, int oy) {
    // Indexed [oy + 1][ox + 1].
    static constexpr QStringView kSuffixes[3][3] = {
        {u"の左上", u"の上", u"の右上"},
        {u"の左", u"", u"の右"},
        {u"の左下", u"の下", u"の右下"},
    };
    return kSuffixes[oy + 1][ox + 1];
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

}  // namespace

QStringList DescribeMove(const go::BoardGrid& board, int x, int y) {
    QStringList candidates;
    for (const NeighbourProbe& probe : kNeighbourProbes) {
        ProbeNeighbour(board, x, y, probe.dx, probe.dy, probe.label, candidates);
    }
    const QString absolute = AbsolutePointName(x, y);
    if (!absolute.isEmpty())
        candidates.append(absolute);
    return candidates;
}

void ProbeNeighbour(const go::BoardGrid& board, int x, int y, int dx, int dy, QStringView label,
                    QStringList& candidates) {
    if (candidates.size() >= kMaxRelativeCandidates)
        return;
    const int px = x + dx;
    const int py = y + dy;
    if (!board.Occupied(px, py))
        return;
    const int number = board.At(px, py);
    QString candidate =
        number < 1 ? QStringLiteral("置石の") : QString::number(number) + QStringLiteral("の");
    candidate.append(label);
    candidates.append(candidate);
}

QString AbsolutePointName(int x, int y) {
    const int sx = x - 10;
    const int sy = y - 10;
    const int ax = std::abs(sx);
    const int ay = std::abs(sy);

    // Step 2 replaces any name of step 1, so the corners are decided first.
    if (InRange(ax, 5, 7) && InRange(ay, 5, 7)) {
        QString corner;
        if (sx > 0 && sy < 0) {
            corner = QStringLiteral("右上隅");
        } else if (sx < 0 && sy < 0) {
            corner = QStringLiteral("左上隅");
        } else if (sx < 0 && sy > 0) {
            corner = QStringLiteral("左下隅");
        } else {
            corner = QStringLiteral("右下隅");
        }
        switch (ax + ay) {
            case 14:
                return corner + QStringLiteral("三々");
            case 13:
                return corner + QStringLiteral("小目");
            case 12:
                return corner + (ax == ay ? QStringLiteral("星") : QStringLiteral("目ﾊｽﾞｼ"));
            case 11:
                return corner + QStringLiteral("高目");
            default:
                return QString();  // 10: the 5-5 point has no name.
        }
    }

    for (const StarRegion& region : kStarRegions) {
        if (InRange(sx, region.sxMin, region.sxMax) && InRange(sy, region.syMin, region.syMax)) {
            QString name = region.baseName.toString();
            name.append(StarSuffix(x - region.refX, y - region.refY));
            return name;
        }
    }
    return QString();
}

}  // namespace output
