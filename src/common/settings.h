#pragma once

#include <QtGlobal>

namespace common {

/// The display options, board colour and print positions kept in the settings file.
/// Options are 1 for on and 0 for off. The initial values are those used when no settings
/// file exists yet: a light wood board with numerals and the operation guide on.
struct Settings {
    qint16 reservedOption = 0;
    qint16 numbersWhileRecording = 0;
    qint16 showNumerals = 1;
    qint16 numeralPitch = 0;
    qint16 showGuide = 1;
    qint16 keepRemovedStones = 0;
    qint16 red = 238;
    qint16 green = 196;
    qint16 blue = 120;
    qint32 boardColour = 238 + 256 * 196 + 65536 * 120;
    qint16 printPosition1 = 0;
    qint16 printPosition2 = 0;

    /// red + 256 * green + 65536 * blue, as the settings file stores the colour.
    static qint32 WindowsColour(int r, int g, int b) { return r + 256 * g + 65536 * b; }
};

}  // namespace common
