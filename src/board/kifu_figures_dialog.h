#pragma once

#include "output/kifu_figures.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace board {

/// Asks how a game is to be printed in figures: moves per figure, numbering, and whether the
/// score graph follows on a page of its own.
class KifuFiguresDialog : public QDialog {
    Q_OBJECT

  public:
    /// `graphKept`: a look at 「形勢グラフ」 kept the game's graph; without one the graph
    /// cannot be asked for, and the dialog says where to make it.
    explicit KifuFiguresDialog(bool graphKept, QWidget* parent = nullptr);

    /// The choices as they stand.
    output::FigureOptions Options() const;
    bool WithScoreGraph() const;

  private:
    QRadioButton* fifty_ = nullptr;
    QRadioButton* hundred_ = nullptr;
    QRadioButton* wholeGame_ = nullptr;
    QRadioButton* gameNumbers_ = nullptr;
    QRadioButton* fromOne_ = nullptr;
    QCheckBox* scoreGraph_ = nullptr;
};

}  // namespace board
