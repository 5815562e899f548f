#include "widgets/window_geometry.h"

#include "widgets/layout_scale.h"

#include <QFont>
#include <QWidget>

namespace common {

QSize SecondaryWindowSizeTwips(int screenHeightPixels) {
    return QSize(12000, screenHeightPixels > 600 ? 9255 : 9000);
}

void PlaceSecondaryWindow(QWidget* window, const QString& fontFamily, int screenHeightPixels,
                          const QWidget* mainWindow) {
    window->setFont(widgets::ScaledFont(QFont(fontFamily, 9)));
    const QSize inside = SecondaryWindowSizeTwips(widgets::AtFullSize(screenHeightPixels));
    window->setFixedSize(widgets::Scaled(TwipsRect(0, 0, inside.width(), inside.height()).size()));
    if (mainWindow != nullptr)
        window->move(mainWindow->pos());
}

}  // namespace common
