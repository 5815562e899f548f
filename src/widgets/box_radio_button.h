#pragma once

#include <QRadioButton>

namespace common {

/// A radio button drawn as a coloured box: a click anywhere in the box chooses it, not only
/// one on its circle or its caption.
class BoxRadioButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace common
