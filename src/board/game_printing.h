#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "engine/score_graph_print.h"
#include "output/kifu_figures.h"
#include "session/game_session.h"

#include <QStringList>

class QWidget;

namespace board {

/// The printing panel's prints of the chosen game; a print that fails is reported to the
/// player.
class GamePrinting {
  public:
    GamePrinting(const common::AppState& state, common::Platform& platform,
                 const session::GameSession& session)
        : state_(state), platform_(platform), session_(session) {}

    /// The record page of the position on the board, with the removed stones listed; for a
    /// finished game with a kept score graph, asks whether the graph follows on a page of its
    /// own.
    void PrintRecord(const QStringList& removedStones);
    /// A picture of the whole window on A4, after the player confirmed the paper.
    void PrintScreenCopy(QWidget& window);
    /// Asks for the figures' options, then prints the saved game in figures (and, when asked,
    /// its score graph after them).
    void AskKifuFigures(QWidget* parent);

  private:
    /// The chosen game's score graph as a look at 「形勢グラフ」 kept it; none for a game in
    /// play, so that a print never shows an engine's view of one.
    std::optional<engine::ScoreGraphSheet> KeptScoreGraph() const;
    std::optional<engine::ScoreGraphSheet> AskForScoreGraph();
    void PrintKifuFigures(const output::FigureOptions& options,
                          const std::optional<engine::ScoreGraphSheet>& graph);
    void ReportPrintFailure();

    const common::AppState& state_;
    common::Platform& platform_;
    const session::GameSession& session_;
};

}  // namespace board
