#pragma once

#include "engine/dead_stone_proposal.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

namespace board {

/// Waits for the engine's proposal of the dead stones, showing the seconds gone by, with a
/// cancel button that stops the engine at once. Closes by itself with the result.
class DeadStoneDialog : public QDialog {
    Q_OBJECT

  public:
    DeadStoneDialog(const QString& engineCommand, const go::BoardGrid& board, int whiteFirst,
                    QWidget* parent = nullptr);

    const engine::DeadStoneResult& result() const { return result_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    void ShowElapsed();

    QString command_;
    engine::DeadStoneProposal proposal_;
    engine::DeadStoneResult result_;
    QLabel* progress_;
    QPushButton* cancel_;
    QTimer ticker_;
};

}  // namespace board
