#pragma once

#include "common/app_state.h"
#include "common/platform.h"

#include <QWidget>

namespace board {

/// The main window: board, lists of opponents and games, menu and the three mode panels.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1(common::AppState& state, common::Platform& platform, QWidget* parent = nullptr);

  private:
    void Form_Load();

    common::AppState& state_;
    common::Platform& platform_;
};

}  // namespace board
