#pragma once

#include <QString>

#include <optional>

namespace common {

/// The colour of a stone or of a player. The record files and the screens write it as
/// "黒" / "白"; inside the program it is this type.
enum class StoneColour { Black, White };

inline StoneColour Opposite(StoneColour colour) {
    return colour == StoneColour::Black ? StoneColour::White : StoneColour::Black;
}

/// "黒" or "白", as the files and the screens write the colour.
inline QString ColourText(StoneColour colour) {
    return colour == StoneColour::Black ? QStringLiteral("黒") : QStringLiteral("白");
}

/// The colour a text names ("黒" or "白", blanks around it allowed); none for anything else.
inline std::optional<StoneColour> ColourFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed == QStringLiteral("黒"))
        return StoneColour::Black;
    if (trimmed == QStringLiteral("白"))
        return StoneColour::White;
    return std::nullopt;
}

/// The colour rule of the records: stones numbered 0 or below are handicap stones (black);
/// otherwise the parity of the number and the game's whiteFirst flag decides.
inline StoneColour ColourOfStone(int number, int whiteFirst) {
    return number <= 0 || (number + whiteFirst) % 2 != 0 ? StoneColour::Black : StoneColour::White;
}

}  // namespace common
