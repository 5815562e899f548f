#pragma once

#include "board/main_commands.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace board {

/// The recording panel (mode 0): its buttons and the cut-mode label.
class RecordingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RecordingPanel(QWidget* parent);

    std::array<QPushButton*, RecordingButtonCount> buttons{};
    QButtonGroup* group = nullptr;
    QLabel* cutModeLabel = nullptr;  // visible while the cut mode is on
};

/// The review panel (mode 1): navigation, move-number box, stone numbers and transforms.
class ReviewPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ReviewPanel(QWidget* parent);

    std::array<QPushButton*, ReviewButtonCount> buttons{};
    QButtonGroup* group = nullptr;
    QLineEdit* moveBox = nullptr;
    QCheckBox* numbersBox = nullptr;
    QListWidget* transformList = nullptr;
};

/// The printing panel (mode 2): navigation, printing, stone numbers, removed stones and the
/// print position.
class PrintingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit PrintingPanel(QWidget* parent);
    /// Moves the print position's bars to a stored position without reporting a change.
    void ShowPositions(int horizontal, int vertical);

    std::array<QPushButton*, PrintingButtonCount> buttons{};
    QButtonGroup* group = nullptr;
    QLineEdit* moveBox = nullptr;
    QCheckBox* numbersBox = nullptr;
    QCheckBox* keepRemovedBox = nullptr;
    QListWidget* removedList = nullptr;
    QScrollBar* positionBar1 = nullptr;
    QScrollBar* positionBar2 = nullptr;
    QLabel* positionValue1 = nullptr;
    QLabel* positionValue2 = nullptr;
};

/// Pixels from twips, as every window lays out its controls.
inline int Px(int twips) {
    return twips / 15;
}

}  // namespace board
