#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "output/games_overview.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace views {

/// The games overview (一覧): every game in play, one row each, with whose move it is and
/// how long it has waited, and the days its time limit leaves. Read afresh each time the
/// window comes forward, so that it never shows a move already answered. Choosing a game
/// hands it to the main window.
class GamesOverviewWindow : public QWidget {
    Q_OBJECT

  public:
    GamesOverviewWindow(common::AppState& state, common::Platform& platform,
                        QWidget* parent = nullptr);

    /// Reads every record of the games in play again and fills the table.
    void Refresh();
    /// Hands the game of the current row to the main window; nothing without a row.
    void OpenCurrentGame();
    /// Opens the time limits of the current row's game, and lists again once they are saved.
    void SetTimeLimits();
    /// Shows the reminder to the current row's opponent about the games overdue on their side.
    void ShowReminder();

    QTableWidget* table() const { return table_; }
    QCheckBox* myTurnOnly() const { return myTurnOnly_; }
    QPushButton* reminderButton() const { return reminderButton_; }

  signals:
    void GameChosen(const QString& opponent, const QString& game);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillTable();
    void ShowCounts();
    /// The opponent and game of the current row; empty without one.
    QStringList CurrentGame() const;
    void SelectGame(const QStringList& game);
    /// The reminder is offered only where the row's opponent has a game overdue on their side.
    void UpdateButtons();

    common::AppState& state_;
    common::Platform& platform_;
    QList<output::GameOverviewRow> rows_;
    QCheckBox* myTurnOnly_;
    QLabel* counts_;
    QTableWidget* table_;
    QPushButton* openButton_;
    QPushButton* limitsButton_;
    QPushButton* reminderButton_;
    QPushButton* closeButton_;
};

}  // namespace views
