#pragma once

#include "common/print_surface.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

namespace postcard {

inline const QString kReplySettingsFileName = QStringLiteral("ReplyValue.dat");
/// The card's font until the player chooses one.
inline const QString kDefaultReplyFont = QStringLiteral("ＭＳ Ｐゴシック");

/// The card picture: a Japanese postcard at its real size, in twips.
inline constexpr QSizeF kCardSizeTwips{5670, 8390};
/// The text box's size on the card, in twips.
inline constexpr QSizeF kTextBoxSizeTwips{5310, 8190};
/// With both spaces at 0 the text starts this far inside the card's corner, where a
/// printer's printable area is taken to begin.
inline constexpr double kCardInsetTwips = 170;
/// The card holds at most this many laid-out lines.
inline constexpr int kLayoutLineCount = 32;

inline constexpr int kSpaceMinimum = 0;
inline constexpr int kSpaceMaximum = 50;
inline constexpr int kLineSpacingMinimum = 10;
inline constexpr int kLineSpacingMaximum = 30;
inline constexpr int kCharacterSizeMinimum = 8;
inline constexpr int kCharacterSizeMaximum = 18;

/// The reply card's adjustments, font and send date as "ReplyValue.dat" keeps them.
struct ReplySettings {
    QString fontName;        // empty until a font is chosen
    int characterSize = 13;  // points
    QString sendDateText;    // "本日発信", "明日発信" or empty when none is chosen
    int leftSpace = 0;       // millimetres
    int topSpace = 0;        // millimetres
    int lineSpacing = 10;    // tenths of a line height

    /// The font the card is set in: the chosen one, else the default.
    QString FontFamily() const { return fontName.isEmpty() ? kDefaultReplyFont : fontName; }
    bool operator==(const ReplySettings&) const = default;
};

/// Reads "ReplyValue.dat"; no value when the file cannot be opened. A line that is missing,
/// not a number or outside its control's range leaves that value at its default, so that
/// one damaged line does not cost the others.
std::optional<ReplySettings> ReadReplySettings(const QString& path);
/// Writes the six lines of "ReplyValue.dat", replacing the file whole.
bool WriteReplySettings(const QString& path, const ReplySettings& settings);

/// The line spacing as its value label shows it: 10 is "1", 15 is "1.5".
QString LineSpacingText(int lineSpacing);

/// The text box's top-left corner on the card, in twips.
QPointF TextBoxPosition(const ReplySettings& settings);

/// One laid-out line: its text, its colour and its top-left corner on the card in twips.
struct LayoutLine {
    QString text;
    QColor colour;
    QPointF position;
};

/// The 32 line texts of a text whose lines end in CR LF: the first 31 text lines fill
/// lines 0 to 30 and every later line is written into line 31, so the last one stays there.
QStringList LayoutTexts(const QString& text);
/// Red for a white stone's move line, else black.
QColor LayoutLineColour(const QString& lineText);
/// The 32 lines of the text placed on the card; `lineHeight` is the height in twips of one
/// line of text in the card's font and size.
QList<LayoutLine> LayOutText(const QString& text, const ReplySettings& settings, double lineHeight);

/// Prints the laid-out lines at the same offsets from the printable area's corner as they
/// have from the card's text box, shifted by the left and top space.
void PrintReplyCard(common::PrintSurface& page, const QList<LayoutLine>& lines,
                    const ReplySettings& settings);

}  // namespace postcard
