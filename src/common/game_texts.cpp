#include "common/game_texts.h"
#include "common/numerals.h"
#include "common/stone_colour.h"

namespace common {

QString HandicapText(int handicapCode) {
    if (handicapCode == 1)
        return QStringLiteral("互先");
    if (handicapCode == 2)
        return QStringLiteral("先番または白番");
    if (handicapCode >= 3 && handicapCode <= 14) {
        return FullWidthDigits(handicapCode - 1) + QStringLiteral("子");
    }
    return QString();
}

QString KomiShortText(int komiCode) {
    if (komiCode < 1 || komiCode > 39)
        return QString();
    if (komiCode == 20)
        return QStringLiteral("コミなし");
    const int halfPoints = komiCode > 20 ? komiCode - 20 : 20 - komiCode;
    // The colour named is the one that gives the komi: Black above code 20, White below.
    const QString colour = ColourText(komiCode > 20 ? StoneColour::Black : StoneColour::White);
    const int wholePoints = halfPoints / 2;
    const bool half = halfPoints % 2 != 0;
    if (wholePoints == 0)
        return colour + QStringLiteral("半目");
    return colour + FullWidthDigits(wholePoints) + QStringLiteral("目") +
           (half ? QStringLiteral("半") : QString());
}

QString KomiText(int komiCode) {
    if (komiCode == 20)
        return KomiShortText(komiCode);
    const QString shortText = KomiShortText(komiCode);
    return shortText.isEmpty() ? QString() : QStringLiteral("コミ") + shortText;
}

}  // namespace common
