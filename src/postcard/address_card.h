#pragma once

#include "widgets/window_geometry.h"

#include <QWidget>

namespace postcard {

/// The address side of a postcard at its real size (15 twips a pixel): white, with the
/// printed heading and stamp box that the card already carries, under the address boxes.
class AddressCardPicture : public QWidget {
  public:
    explicit AddressCardPicture(QWidget* parent = nullptr);

    /// The card's size in twips: 100 x 148 mm.
    static constexpr int kWidthTwips = 5670;
    static constexpr int kHeightTwips = 8390;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

using common::TwipsRect;
/// The pixel size of a font of `points`, so that the card's type keeps its real size.
int PixelSizeOfPoints(double points);

}  // namespace postcard
