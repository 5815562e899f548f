#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace common {

/// A rectangle given in twips, as the window layouts are, in pixels at 100 % (15 twips each).
inline QRect TwipsRect(int left, int top, int width, int height) {
    constexpr double kTwipsPerPixel = 15.0;
    return QRect(qRound(left / kTwipsPerPixel), qRound(top / kTwipsPerPixel),
                 qRound(width / kTwipsPerPixel), qRound(height / kTwipsPerPixel));
}

/// The size in twips of a window opened from the menu: 12000 x 9255, or 12000 x 9000 on a
/// screen of 600 pixels or less.
QSize SecondaryWindowSizeTwips(int screenHeightPixels);

/// Gives a window opened from the menu its font, its size for the screen and the main
/// window's place, so that it opens over the main window.
void PlaceSecondaryWindow(QWidget* window, const QString& fontFamily, int screenHeightPixels,
                          const QWidget* mainWindow);

}  // namespace common
