#pragma once

#include "common/app_state.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace views {

/// The results summary (成績): wins, losses and draws per opponent and in total, and the
/// last result of each game, from the results record. Read afresh each time the window
/// comes forward, so that a result just recorded is counted.
class ResultsSummaryWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsSummaryWindow(common::AppState& state, QWidget* parent = nullptr);

    void Refresh();

    QTableWidget* tallies() const { return tallies_; }
    QTableWidget* games() const { return games_; }
    QLabel* note() const { return note_; }

  protected:
    bool event(QEvent* event) override;

  private:
    common::AppState& state_;
    QTableWidget* tallies_;
    QTableWidget* games_;
    QLabel* note_;
};

}  // namespace views
