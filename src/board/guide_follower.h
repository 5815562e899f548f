#pragma once

#include "common/app_state.h"

#include <QObject>

class QLabel;
class QWidget;

namespace board {

/// The operation guide: when the mouse enters a followed control, the guide label shows that
/// control's guide text (by its object name), or the note that the guide is switched off.
class GuideFollower : public QObject {
  public:
    GuideFollower(const common::AppState& state, QLabel* guideLabel, QObject* parent)
        : QObject(parent), state_(state), guideLabel_(guideLabel) {}

    void Follow(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const common::AppState& state_;
    QLabel* guideLabel_;
};

}  // namespace board
