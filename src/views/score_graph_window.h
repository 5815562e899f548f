#pragma once

#include "engine/score_graph_job.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace views {

/// The engine's estimate after every move as a line over the moves: Black ahead above the
/// middle line, White ahead below. A click picks the move under the mouse.
class ScoreGraphView : public QWidget {
    Q_OBJECT

  public:
    explicit ScoreGraphView(QWidget* parent = nullptr);
    /// Draws the series over moves 0 to `lastMove` (the whole game while the series grows).
    void SetSeries(const engine::ScoreSeries& series, int lastMove);
    void MarkMove(int move);
    /// The move drawn nearest to `x`; none before a series is shown.
    std::optional<int> MoveAt(int x) const;
    QSize sizeHint() const override { return {560, 300}; }

  signals:
    void MoveClicked(int move);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRect Plot() const;
    /// Points either way of the middle line that the plot holds: a round ten at least.
    double Range() const;
    QPointF Place(int move, double lead) const;

    engine::ScoreSeries series_;
    int lastMove_ = 0;
    int marked_ = -1;
};

/// The score graph of a finished game: computed in the background with its progress and a
/// cancel button (or taken from the cache at once), the graph, and the biggest swings beside
/// it. Choosing a move in either asks the main window to show it.
class ScoreGraphWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ScoreGraphWindow(QWidget* parent = nullptr);

    /// Shows the graph of the record, computing it when no earlier look kept it.
    void Start(const QString& recordPath, const QString& title, const QString& engineCommand,
               const QString& cacheFolder);

  signals:
    void MoveChosen(int move);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowProgress();
    void ShowResult(const engine::ScoreGraphResult& result);
    void FillSwings(const engine::ScoreSeries& series);

    engine::ScoreGraphJob job_;
    engine::GameReplay replay_;
    QString engineCommand_;
    int done_ = 0;
    QLabel* status_;
    QPushButton* cancel_;
    ScoreGraphView* graph_;
    QListWidget* swings_;
    QTimer ticker_;
};

}  // namespace views
