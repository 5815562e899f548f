#pragma once

#include "board/main_commands.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>

class QWidget;

namespace board {

/// The windows the main window's menu opens. Each is made by its factory on first use and
/// afterwards shown again. Notes when one of them was shown or hidden, so that the main
/// window can rebuild its lists on coming back (the other windows add, move and erase games).
class SecondaryWindows : public QObject {
  public:
    using Factory = std::function<QWidget*()>;

    ~SecondaryWindows() override;
    void SetFactory(MenuIndex index, Factory factory);
    /// Shows the window of a menu entry at `position`, in front; nothing without a factory.
    void Open(MenuIndex index, QPoint position);
    void HideAll();
    /// True once after one of the windows was opened, shown or hidden.
    bool TakeComingBack();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<Factory, MenuCount> factories_{};
    std::array<QWidget*, MenuCount> windows_{};
    bool comingBack_ = false;
};

}  // namespace board
