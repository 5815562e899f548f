#pragma once

#include "output/kifu_figures.h"

#include <QDialog>

class QRadioButton;

namespace board {

/// Asks how a game is to be printed in figures: moves per figure and numbering.
class KifuFiguresDialog : public QDialog {
    Q_OBJECT

  public:
    explicit KifuFiguresDialog(QWidget* parent = nullptr);

    /// The choices as they stand.
    output::FigureOptions Options() const;

  private:
    QRadioButton* fifty_ = nullptr;
    QRadioButton* hundred_ = nullptr;
    QRadioButton* wholeGame_ = nullptr;
    QRadioButton* gameNumbers_ = nullptr;
    QRadioButton* fromOne_ = nullptr;
};

}  // namespace board
