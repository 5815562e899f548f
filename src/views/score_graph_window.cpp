#include "views/score_graph_window.h"

#include "engine/dead_stone_proposal.h"
#include "engine/score_graph_shape.h"
#include "store/record_file.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace views {
namespace {

// GNU Go takes about a second a move on this kind of machine, rarely much more; a minute
// without an answer means the engine is stuck.
constexpr int kAnswerLimitMs = 60'000;

}  // namespace

ScoreGraphView::ScoreGraphView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 220);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("形勢グラフ"));
}

void ScoreGraphView::SetSeries(const engine::ScoreSeries& series, int lastMove) {
    series_ = series;
    lastMove_ = qMax(lastMove, series.isEmpty() ? 0 : series.last().move);
    update();
}

void ScoreGraphView::MarkMove(int move) {
    marked_ = move;
    update();
}

QRect ScoreGraphView::Plot() const {
    return rect().adjusted(44, 12, -12, -28);
}

double ScoreGraphView::Range() const {
    return engine::ScoreScale(series_);
}

QPointF ScoreGraphView::Place(int move, double lead) const {
    return engine::GraphPoint(QRectF(Plot()), lastMove_, Range(), move, lead);
}

std::optional<int> ScoreGraphView::MoveAt(int x) const {
    if (series_.isEmpty())
        return std::nullopt;
    const QRect plot = Plot();
    const int last = series_.last().move;  // a move not estimated yet cannot be chosen
    const int move = int(std::lround(double(x - plot.left()) / qMax(1, plot.width()) * last));
    return std::clamp(move, 0, last);
}

void ScoreGraphView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect plot = Plot();
    painter.setPen(QColor(190, 190, 190));
    painter.drawRect(plot);
    const int last = lastMove_;
    const int step = engine::MoveMarkStep(last);
    for (int move = step; move < last; move += step) {
        const int x = int(Place(move, 0).x());
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(Qt::black);
        painter.drawText(QRect(x - 20, plot.bottom() + 4, 40, 18), Qt::AlignCenter,
                         QString::number(move));
    }
    painter.setPen(Qt::black);
    painter.drawLine(plot.left(), plot.center().y(), plot.right(), plot.center().y());
    const QString range = QString::number(Range());
    painter.drawText(QRect(0, plot.top(), 40, 36), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("黒\n+") + range);
    painter.drawText(QRect(0, plot.bottom() - 36, 40, 36), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("白\n+") + range);
    painter.drawText(QRect(0, plot.center().y() - 9, 40, 18), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("0"));
    if (marked_ >= 0 && marked_ <= last) {
        painter.setPen(QPen(QColor(200, 40, 40), 1, Qt::DashLine));
        const int x = int(Place(marked_, 0).x());
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    // Each estimate thin, and the mean of each with the one before thick: GNU Go leans
    // towards whoever moved last, and the mean of two moves shows the game without that lean.
    QPolygonF line;
    QPolygonF trend;
    for (const engine::ScorePoint& point : series_)
        line << Place(point.move, point.blackLead);
    for (const engine::ScorePoint& point : engine::TwoMoveMeans(series_))
        trend << Place(point.move, point.blackLead);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 170, 220), 1));
    painter.drawPolyline(line);
    painter.setPen(QPen(QColor(20, 50, 150), 2));
    painter.drawPolyline(trend);
}

void ScoreGraphView::mousePressEvent(QMouseEvent* event) {
    if (const std::optional<int> move = MoveAt(int(event->position().x()))) {
        MarkMove(*move);
        emit MoveClicked(*move);
    }
}

ScoreGraphWindow::ScoreGraphWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      status_(new QLabel(this)),
      cancel_(new QPushButton(QStringLiteral("キャンセル"), this)),
      graph_(new ScoreGraphView(this)),
      swings_(new QListWidget(this)) {
    setObjectName(QStringLiteral("ScoreGraph"));
    status_->setWordWrap(true);
    swings_->setAccessibleName(QStringLiteral("形勢の大きく動いた手"));
    swings_->setMinimumWidth(250);
    auto* top = new QHBoxLayout;
    top->addWidget(status_, 1);
    top->addWidget(cancel_, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("形勢の大きく動いた手（二手前と比べて）"), this));
    right->addWidget(swings_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(graph_, 1);
    middle->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    auto* legend = new QLabel(
        QStringLiteral(
            "上は黒、下は白がよい形勢（目数は思考エンジンの見積もり）。細い線は一手ごと、"
            "太い線は前の手との平均です。グラフか一覧をクリックすると、その手を「検討」で"
            "表示します。"),
        this);
    legend->setWordWrap(true);
    layout->addWidget(legend);

    connect(cancel_, &QPushButton::clicked, &job_, &engine::ScoreGraphJob::Cancel);
    connect(&job_, &engine::ScoreGraphJob::Progress, this, [this](int done, int) {
        done_ = done;
        graph_->SetSeries(job_.series(), int(replay_.moves.size()));
        ShowProgress();
    });
    connect(&job_, &engine::ScoreGraphJob::Finished, this, &ScoreGraphWindow::ShowResult);
    connect(&ticker_, &QTimer::timeout, this, &ScoreGraphWindow::ShowProgress);
    connect(graph_, &ScoreGraphView::MoveClicked, this, &ScoreGraphWindow::MoveChosen);
    connect(swings_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        graph_->MarkMove(item->data(Qt::UserRole).toInt());
        emit MoveChosen(item->data(Qt::UserRole).toInt());
    });
    connect(swings_, &QListWidget::itemClicked, swings_, &QListWidget::itemActivated);
}

void ScoreGraphWindow::Start(const QString& recordPath, const QString& title,
                             const QString& engineCommand, const QString& cacheFolder) {
    job_.Cancel();
    setWindowTitle(QStringLiteral("形勢グラフ　") + title);
    store::RecordTable table;
    store::ReadRecordFile(recordPath, table);
    replay_ = engine::ReplayOfRecord(table);
    engineCommand_ = engineCommand;
    done_ = 0;
    graph_->SetSeries({}, int(replay_.moves.size()));
    graph_->MarkMove(-1);
    swings_->clear();
    cancel_->setEnabled(true);
    ticker_.start(500);
    ShowProgress();
    job_.Run(recordPath, engineCommand, cacheFolder, kAnswerLimitMs);
}

void ScoreGraphWindow::ShowProgress() {
    if (!job_.IsRunning())
        return;
    status_->setText(QStringLiteral("思考エンジン（%1）に形勢を尋ねています：%2 / %3 手、%4 秒。")
                         .arg(engineCommand_)
                         .arg(done_)
                         .arg(replay_.moves.size())
                         .arg(job_.ElapsedMs() / 1000));
}

void ScoreGraphWindow::ShowResult(const engine::ScoreGraphResult& result) {
    using Outcome = engine::ScoreGraphResult::Outcome;
    ticker_.stop();
    cancel_->setEnabled(false);
    graph_->SetSeries(result.series, int(replay_.moves.size()));
    FillSwings(result.series);
    const double seconds = job_.ElapsedMs() / 1000.0;
    switch (result.outcome) {
        case Outcome::Computed:
            status_->setText(QStringLiteral("思考エンジン（%1）の形勢です（%2 秒）。次からはすぐに"
                                            "表示します。")
                                 .arg(engineCommand_)
                                 .arg(seconds, 0, 'f', 1));
            break;
        case Outcome::FromCache:
            status_->setText(
                QStringLiteral("前に調べた形勢です（思考エンジン：%1）。").arg(engineCommand_));
            break;
        case Outcome::Cancelled:
            status_->setText(QStringLiteral("取り消しました。調べた %1 手までを表示しています（残し"
                                            "ません）。")
                                 .arg(qMax(0, int(result.series.size()) - 1)));
            break;
        case Outcome::Unsupported:
        case Outcome::Failed:
            status_->setText(result.message + '\n' + engine::kEngineHelp);
            break;
    }
}

void ScoreGraphWindow::FillSwings(const engine::ScoreSeries& series) {
    swings_->clear();
    for (const engine::ScoreSwing& swing : engine::BiggestSwings(series, engine::kSwingsListed)) {
        auto* item = new QListWidgetItem(engine::SwingText(swing, replay_), swings_);
        item->setData(Qt::UserRole, swing.move);
    }
}

void ScoreGraphWindow::closeEvent(QCloseEvent* event) {
    // Closed, not minimised: the engine stops, and the next look starts again.
    job_.Cancel();
    QWidget::closeEvent(event);
}

}  // namespace views
