#pragma once

#include "common/print_surface.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace postcard {

inline constexpr int kPostalCodeBoxes = 7;
/// Address lines 0-4 are the addressee's, 5-8 the sender's.
inline constexpr int kAddressLines = 9;
inline constexpr int kAddresseeLines = 5;
inline constexpr int kSenderLines = 4;
/// The layout files hold the postal-code boxes first, then the address lines.
inline constexpr int kLayoutBoxes = kPostalCodeBoxes + kAddressLines;
inline constexpr int kCardKinds = 5;
/// Where the printable area of a card is taken to begin, in twips (3 mm).
inline constexpr double kCardMargin = 170.1;

inline const QString kAddressFontFamily = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kOwnAddressFileName = QStringLiteral("MyAddress.txt");
inline const QString kAddressSettingsFileName = QStringLiteral("AddressSet.dat");

/// The card kinds in the order of the kind list; the index names the layout file.
QStringList CardKindNames();
/// "TextPos0.dat" ... "TextPos4.dat".
QString LayoutFileName(int cardKind);

/// Where one box of the card stands: its top-left corner in twips from the card's corner
/// and its character size in points.
struct BoxPlace {
    int left = 0;
    int top = 0;
    double points = 0;
    bool operator==(const BoxPlace&) const = default;
};
using CardLayout = std::array<BoxPlace, kLayoutBoxes>;

/// The places every box has until a layout file is read.
CardLayout DefaultLayout();
/// The width and height of a box in twips when the window is made.
QSize DefaultBoxSize(int box);

/// The addressee's part of the card, as the opponent's address file holds it.
struct Addressee {
    std::array<QString, kPostalCodeBoxes> postalCode;
    std::array<QString, kAddresseeLines> lines;
    bool operator==(const Addressee&) const = default;
};
using SenderLines = std::array<QString, kSenderLines>;

/// The font name and card kind text of "AddressSet.dat"; either may be empty.
struct AddressSettings {
    QString fontFamily;
    QString cardKind;
};

/// The opponent's address file inside the data root's address folder; empty when the name
/// is empty or would lead out of that folder.
QString AddressFilePath(const QString& dataRoot, const QString& opponent);

/// Reads an address file field by field: the first field's first seven characters are the
/// postal code, the next five fields the address lines; what the file lacks stays empty.
/// Nothing when the file cannot be read.
std::optional<Addressee> ReadAddressee(const QString& path);
bool WriteAddressee(const QString& path, const Addressee& addressee);
/// The sender's four lines; nothing when the file cannot be read.
std::optional<SenderLines> ReadSender(const QString& path);
bool WriteSender(const QString& path, const SenderLines& lines);
std::optional<AddressSettings> ReadAddressSettings(const QString& path);
bool WriteAddressSettings(const QString& path, const AddressSettings& settings);
/// Overlays the layout file on `layout`, box by box: boxes the file does not give (a missing
/// or short file, an unreadable line and all after it) keep their places.
void ReadLayout(const QString& path, CardLayout& layout);
bool WriteLayout(const QString& path, const CardLayout& layout);

/// Everything the address window stores and prints, as plain values.
struct AddressCard {
    QString fontFamily;
    /// The kind list's text, empty when no kind is chosen.
    QString cardKind;
    /// The layout file last loaded, -1 when none has been chosen.
    int layoutFile = -1;
    Addressee addressee;
    SenderLines sender;
    CardLayout layout = DefaultLayout();
    /// Print the red postal-code frames.
    bool postalFrames = false;
};

/// Writes "AddressSet.dat", the layout file, the opponent's address file and "MyAddress.txt"
/// in this order, leaving out the layout without a chosen kind and the address file without
/// an opponent. Returns the path of the first file that could not be written (the later ones
/// are not written), empty when all were.
QString StoreAddressFiles(const QString& dataRoot, const QString& opponent,
                          const AddressCard& card);

/// Draws the address side: the postal code, the nine address lines and, when asked, the red
/// postal-code frames, each at its box's place less the card margin.
void PrintAddress(common::PrintSurface& surface, const AddressCard& card);

}  // namespace postcard
