#pragma once

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

/// Buttons of the recording panel, by index.
enum RecordingButton {
    Redisplay = 0,
    RecordMoves = 1,
    OneMove = 3,
    CutFromMove = 4,
    RestoreSave = 5,
    CountAfterEnd = 6,
    RecordingHelp = 7,
    ResultsRecord = 9,
    EditTerms = 10
};

/// Buttons of the review and printing panels, by index.
enum NavigationButton {
    FinalPosition = 0,
    StartPosition = 1,
    StepBackButton = 2,
    StepForwardButton = 3,
    NavigationHelp = 4,
    PrintRecord = 5,
    ScreenCopy = 6,
    KifuFigures = 7
};

/// The recording panel (mode 0): its buttons and the cut-mode label.
class RecordingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RecordingPanel(QWidget* parent);

    std::array<QPushButton*, 11> Command1{};
    QButtonGroup* buttons = nullptr;
    QLabel* Label4 = nullptr;  // visible while the cut mode is on
};

/// The review panel (mode 1): navigation, move-number box, stone numbers and transforms.
class ReviewPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ReviewPanel(QWidget* parent);

    std::array<QPushButton*, 5> Command2{};
    QButtonGroup* buttons = nullptr;
    QLineEdit* Text1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QListWidget* List3 = nullptr;
};

/// The printing panel (mode 2): navigation, printing, stone numbers, removed stones and the
/// print position.
class PrintingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit PrintingPanel(QWidget* parent);

    std::array<QPushButton*, 8> Command3{};
    QButtonGroup* buttons = nullptr;
    QLineEdit* Text2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QListWidget* List4 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QLabel* positionValue1 = nullptr;
    QLabel* positionValue2 = nullptr;
};

/// Pixels from twips, as every window lays out its controls.
inline int Px(int twips) {
    return twips / 15;
}

}  // namespace board
