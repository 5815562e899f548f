#pragma once

#include <QDialog>
#include <QPoint>

class QLineEdit;

namespace common {
class Platform;
}

namespace board {

/// Asks for a move typed the way it is written on the cards ("16の四", "16-4"), for players
/// who place their stones from the keyboard. Text that names no board point is refused with
/// a message and the dialog stays open for a correction.
class MoveEntryDialog : public QDialog {
    Q_OBJECT

  public:
    explicit MoveEntryDialog(common::Platform& platform, QWidget* parent = nullptr);

    /// The point typed, 1 to 19 each way; a null point until the dialog was accepted.
    QPoint Point() const { return point_; }

    /// Takes the text only when it names a board point.
    void accept() override;

  private:
    common::Platform& platform_;
    QLineEdit* text_ = nullptr;
    QPoint point_;
};

}  // namespace board
