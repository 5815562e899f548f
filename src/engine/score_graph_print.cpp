// The score graph on paper, drawn in twips like the other prints.
#include "engine/score_graph_print.h"

#include "engine/score_graph_shape.h"
#include "store/record_file.h"
#include "store/text_file.h"

#include <QFontMetricsF>

#include <cmath>

namespace engine {
namespace {

const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QColor kBlack(Qt::black);
const QColor kFrameGrey(150, 150, 150);
const QColor kGridGrey(215, 215, 215);
// The window's colours: on a black-and-white printer they come out light and dark grey.
const QColor kEachMoveBlue(150, 170, 220);
const QColor kMeanBlue(20, 50, 150);

constexpr double kTwipsPerPoint = 20;
constexpr double kSideMargin = 567;   // 10 mm either side
constexpr double kScaleColumn = 900;  // the scale's words left of the plot
constexpr double kPlotTop = 1000;
constexpr double kPlotHeight = 8000;  // about 14 cm, less on a short page
// Under the plot: the numbers, two lines of words and the swings with their heading.
constexpr double kRoomBelowPlot = 6000;
constexpr double kTextPoints = 10;
constexpr double kSmallPoints = 9;
constexpr double kLinePitch = 300;

/// The width of a text in twips at `points`, measured large so that no small size's hinting
/// changes it.
double TextWidth(const QString& text, const QString& family, bool bold, double points) {
    constexpr int kMeasuringPixels = 1000;
    QFont font(family);
    font.setBold(bold);
    font.setPixelSize(kMeasuringPixels);
    return QFontMetricsF(font).horizontalAdvance(text) * points * kTwipsPerPoint / kMeasuringPixels;
}

/// The text cut short with "…" where it would run past `width`.
QString Fitted(const QString& text, double width, double points) {
    QString fitted = text;
    while (fitted.size() > 1 && TextWidth(fitted, kGothic, false, points) > width)
        fitted = fitted.left(fitted.size() - 2) + QStringLiteral("…");
    return fitted;
}

void DrawHeading(common::PrintSurface& surface, const ScoreGraphSheet& sheet, double width) {
    const QString title = QStringLiteral("形勢グラフ");
    surface.DrawText(kSideMargin, 0, title, {kMincho, 16, true}, kBlack);
    // The game's name in smaller type, its foot level with the title's.
    surface.DrawText(kSideMargin + TextWidth(title, kMincho, true, 16) + 300,
                     (16 - 12) * kTwipsPerPoint, sheet.gameName, {kMincho, 12, false}, kBlack);
    surface.DrawLine(kSideMargin, 450, width - kSideMargin, 450, 10, kBlack);
}

/// A text whose right edge stands at `right`.
void DrawRightAligned(common::PrintSurface& surface, double right, double y, const QString& text) {
    surface.DrawText(right - TextWidth(text, kGothic, false, kSmallPoints), y, text,
                     {kGothic, kSmallPoints, false}, kBlack);
}

void DrawAxes(common::PrintSurface& surface, const QRectF& plot, int lastMove, double scale) {
    constexpr double kTextHeight = kSmallPoints * kTwipsPerPoint;
    const int step = MoveMarkStep(lastMove);
    for (int move = step; move < lastMove; move += step) {
        const double x = GraphPoint(plot, lastMove, scale, move, 0).x();
        surface.DrawLine(x, plot.top(), x, plot.bottom(), 5, kGridGrey);
        const QString number = QString::number(move);
        surface.DrawText(x - TextWidth(number, kGothic, false, kSmallPoints) / 2,
                         plot.bottom() + 60, number, {kGothic, kSmallPoints, false}, kBlack);
    }
    surface.DrawRectangle(plot, 10, Qt::transparent, kFrameGrey);
    const double middle = plot.center().y();
    surface.DrawLine(plot.left(), middle, plot.right(), middle, 12, kBlack);
    // Half the scale either way, lightly, to read the points by.
    for (const double half : {scale / 2, -scale / 2}) {
        const double y = GraphPoint(plot, lastMove, scale, 0, half).y();
        surface.DrawLine(plot.left(), y, plot.right(), y, 5, kGridGrey);
        DrawRightAligned(surface, plot.left() - 80, y - kTextHeight / 2,
                         QStringLiteral("%1").arg(std::abs(half)));
    }
    const double right = plot.left() - 80;
    const QString points = QStringLiteral("+%1目").arg(scale);
    DrawRightAligned(surface, right, plot.top(), QStringLiteral("黒"));
    DrawRightAligned(surface, right, plot.top() + kTextHeight * 1.2, points);
    DrawRightAligned(surface, right, middle - kTextHeight / 2, QStringLiteral("0"));
    DrawRightAligned(surface, right, plot.bottom() - kTextHeight * 2.2, QStringLiteral("白"));
    DrawRightAligned(surface, right, plot.bottom() - kTextHeight, points);
    DrawRightAligned(surface, plot.right(), plot.bottom() + 60 + kTextHeight * 1.3,
                     QStringLiteral("手数"));
}

void DrawLines(common::PrintSurface& surface, const QRectF& plot, int lastMove, double scale,
               const ScoreSeries& series, double width, const QColor& ink) {
    for (qsizetype i = 1; i < series.size(); ++i) {
        const QPointF from =
            GraphPoint(plot, lastMove, scale, series[i - 1].move, series[i - 1].blackLead);
        const QPointF to = GraphPoint(plot, lastMove, scale, series[i].move, series[i].blackLead);
        surface.DrawLine(from.x(), from.y(), to.x(), to.y(), width, ink);
    }
}

/// What the graph shows and whose estimate it is, then the biggest swings.
void DrawWords(common::PrintSurface& surface, const ScoreGraphSheet& sheet, double top,
               double width) {
    const common::PrintFont small{kGothic, kSmallPoints, false};
    const double textWidth = width - 2 * kSideMargin;
    // A long command line is cut short, never the sentence around it.
    const QString explanation =
        QStringLiteral("上は黒、下は白がよい形勢。目数は思考エンジン（%1）の見積もりです。");
    const double room =
        textWidth - TextWidth(explanation.arg(QString()), kGothic, false, kSmallPoints);
    surface.DrawText(kSideMargin, top,
                     explanation.arg(Fitted(sheet.engineCommand, room, kSmallPoints)), small,
                     kBlack);
    surface.DrawText(kSideMargin, top + kLinePitch,
                     QStringLiteral("細い線は一手ごと、太い線は前の手との平均です。"), small,
                     kBlack);
    double y = top + 3 * kLinePitch;
    surface.DrawText(kSideMargin, y, QStringLiteral("形勢の大きく動いた手（二手前と比べて）"),
                     {kGothic, kTextPoints, true}, kBlack);
    const QList<ScoreSwing> swings = BiggestSwings(sheet.series, kSwingsListed);
    if (swings.isEmpty())
        surface.DrawText(kSideMargin + 300, y + kLinePitch * 1.3, QStringLiteral("なし"),
                         {kGothic, kTextPoints, false}, kBlack);
    for (const ScoreSwing& swing : swings) {
        y += kLinePitch * 1.1;
        surface.DrawText(kSideMargin + 300, y + kLinePitch * 0.2, SwingText(swing, sheet.replay),
                         {kGothic, kTextPoints, false}, kBlack);
    }
}

}  // namespace

std::optional<ScoreGraphSheet> KeptScoreGraph(const QString& recordPath, const QString& opponent,
                                              const QString& game, const QString& engineCommand,
                                              const QString& cacheFolder) {
    QByteArray bytes;
    store::RecordTable table;
    if (store::ReadFileBytes(recordPath, bytes) != store::ReadStatus::Ok ||
        store::ReadRecordFile(recordPath, table) != store::LoadOutcome::Complete)
        return std::nullopt;
    std::optional<ScoreSeries> series =
        ReadScoreCache(cacheFolder, ScoreCacheKey(bytes, engineCommand), engineCommand);
    if (!series || series->isEmpty())
        return std::nullopt;
    return ScoreGraphSheet{QStringLiteral("%1　%2局").arg(opponent, game), engineCommand, *series,
                           ReplayOfRecord(table)};
}

void PrintScoreGraph(common::PrintSurface& surface, const ScoreGraphSheet& sheet) {
    const double width = surface.PageSize().width();
    DrawHeading(surface, sheet, width);
    const double height =
        qBound(3000.0, surface.PageSize().height() - kPlotTop - kRoomBelowPlot, kPlotHeight);
    const QRectF plot(kSideMargin + kScaleColumn, kPlotTop, width - 2 * kSideMargin - kScaleColumn,
                      height);
    const int lastMove =
        qMax(int(sheet.replay.moves.size()), sheet.series.isEmpty() ? 0 : sheet.series.last().move);
    const double scale = ScoreScale(sheet.series);
    DrawAxes(surface, plot, lastMove, scale);
    DrawLines(surface, plot, lastMove, scale, sheet.series, 8, kEachMoveBlue);
    DrawLines(surface, plot, lastMove, scale, TwoMoveMeans(sheet.series), 28, kMeanBlue);
    DrawWords(surface, sheet, plot.bottom() + 900, width);
}

}  // namespace engine
