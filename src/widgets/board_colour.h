#pragma once

#include "common/settings.h"

#include <QColor>

namespace widgets {

/// The board colour of the settings as a colour to draw with.
inline QColor BoardColourOf(const common::Settings& settings) {
    const qint32 value = settings.boardColour;
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

}  // namespace widgets
