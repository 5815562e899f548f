#include "engine/score_series.h"

#include "common/stone_colour.h"
#include "engine/gtp_client.h"
#include "go/board_grid.h"
#include "store/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

const QString kCacheHeading = QStringLiteral("ソラマメ　形勢グラフ　1");
const QString kEngineKey = QStringLiteral("エンジン=");

QString CachePath(const QString& folder, const QString& key) {
    return folder + QLatin1Char('/') + key + QStringLiteral(".dat");
}

/// One kept point, "12<TAB>-3.5"; none for a damaged line.
std::optional<ScorePoint> ReadPointLine(const QString& line) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    bool moveOk = false;
    bool leadOk = false;
    if (fields.size() != 2)
        return std::nullopt;
    const ScorePoint point{fields[0].toInt(&moveOk), fields[1].toDouble(&leadOk)};
    if (!moveOk || !leadOk || point.move < 0 || !std::isfinite(point.blackLead))
        return std::nullopt;
    return point;
}

}  // namespace

GameReplay ReplayOfRecord(const store::RecordTable& table) {
    GameReplay replay;
    // The same reckoning as the SGF export's KM: code 20 is no komi, each step half a point.
    if (table.komiCode >= 1 && table.komiCode <= 39)
        replay.komi = (table.komiCode - 20) / 2.0;
    for (int r = 1; r <= table.lastRow; ++r) {
        const store::RecordRow& row = table.rows[r];
        if (!row.IsPlacement() || !go::BoardGrid::OnBoard(row.x, row.y))
            continue;
        const bool black = row.colour == common::StoneColour::Black;
        if (row.number < 1) {
            replay.handicap.append({row.number, true, row.x, row.y});
            continue;
        }
        const int next = int(replay.moves.size()) + 1;
        if (row.number < next)
            continue;  // a number written twice: the first stone stands
        for (int pass = next; pass < row.number; ++pass) {
            replay.moves.append(
                {pass, common::ColourOfStone(pass, table.whiteFirst) == common::StoneColour::Black,
                 0, 0});
        }
        replay.moves.append({row.number, black, row.x, row.y});
    }
    return replay;
}

QString PlayCommand(const ReplayMove& move) {
    return QStringLiteral("play %1 %2")
        .arg(move.black ? QLatin1Char('B') : QLatin1Char('W'))
        .arg(move.IsPass() ? QStringLiteral("pass") : GtpVertex(move.x, move.y));
}

std::optional<double> ParseBlackLead(const QString& answer) {
    static const QRegularExpression kScore(QStringLiteral("^([BW])\\+(\\d+(?:\\.\\d+)?)(?:\\s|$)"));
    const QString text = answer.trimmed();
    if (text == QStringLiteral("0") || text.startsWith(QStringLiteral("0 ")))
        return 0.0;
    const QRegularExpressionMatch match = kScore.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double lead = match.captured(2).toDouble();
    return match.captured(1) == QStringLiteral("B") ? lead : -lead;
}

QList<ScoreSwing> BiggestSwings(const ScoreSeries& series, int count) {
    QList<ScoreSwing> swings;
    for (qsizetype i = 2; i < series.size(); ++i)
        swings.append({series[i].move, series[i].blackLead - series[i - 2].blackLead});
    std::stable_sort(swings.begin(), swings.end(), [](const ScoreSwing& a, const ScoreSwing& b) {
        return std::abs(a.change) > std::abs(b.change);
    });
    if (swings.size() > count)
        swings.resize(qMax(0, count));
    return swings;
}

QString DefaultScoreCacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/soramame/形勢グラフ");
}

QString ScoreCacheKey(const QByteArray& recordBytes, const QString& engineCommand) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(recordBytes);
    hash.addData(QByteArrayView("\n"));
    hash.addData(engineCommand.toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

std::optional<ScoreSeries> ReadScoreCache(const QString& folder, const QString& key,
                                          const QString& engineCommand) {
    QStringList lines;
    if (store::ReadTextFile(CachePath(folder, key), lines) != store::ReadStatus::Ok ||
        lines.size() < 3 || lines[0] != kCacheHeading || lines[1] != kEngineKey + engineCommand)
        return std::nullopt;
    ScoreSeries series;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const std::optional<ScorePoint> point = ReadPointLine(lines[i]);
        if (!point || point->move != int(series.size()))
            return std::nullopt;  // a damaged file is computed again
        series.append(*point);
    }
    return series;
}

bool WriteScoreCache(const QString& folder, const QString& key, const QString& engineCommand,
                     const ScoreSeries& series) {
    QStringList lines = {kCacheHeading, kEngineKey + engineCommand};
    for (const ScorePoint& point : series)
        lines << QStringLiteral("%1\t%2").arg(point.move).arg(point.blackLead);
    return QDir().mkpath(folder) && store::WriteTextLines(CachePath(folder, key), lines);
}

}  // namespace engine
