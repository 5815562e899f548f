#include "cards/address_files.h"

#include "common/record_text.h"
#include "store/folder_tree.h"
#include "store/hand_edited_text.h"
#include "store/text_file.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace postcard {
namespace {

struct DefaultBox {
    BoxPlace place;
    QSize size;
};

constexpr int kPostalTop = 680;
constexpr int kPostalHeight = 510;
constexpr std::array<int, kPostalCodeBoxes> kPostalLefts{2495, 2892, 3289, 3742, 4111, 4479, 4848};
constexpr std::array<int, kPostalCodeBoxes> kPostalWidths{360, 360, 360, 330, 330, 330, 330};
constexpr std::array<DefaultBox, kAddressLines> kDefaultLines{{
    {{1425, 2580, 14.25}, {4050, 420}},
    {{1425, 2880, 14.25}, {4050, 420}},
    {{1425, 3240, 14.25}, {4050, 420}},
    {{1425, 3720, 18}, {3450, 495}},
    {{1425, 4080, 18}, {3450, 495}},
    {{2160, 5220, 11.25}, {3330, 330}},
    {{2160, 5520, 11.25}, {3330, 330}},
    {{2160, 5820, 11.25}, {3330, 330}},
    {{2160, 6120, 11.25}, {3330, 330}},
}};
constexpr double kPostalPoints = 18;

// The frames are 6 x 8.5 mm with a 1.5 mm dash 4.3 mm below the top of the fourth.
constexpr double kFrameWidth = 340.2;
constexpr double kFrameHeight = 481.95;
constexpr double kDashDrop = 243.81;
constexpr double kDashLength = 85.05;
constexpr int kDashedBox = 3;
// Line widths are given in dots of a 600 dpi printer: 2.4 twips a dot.
constexpr double kTwipsPerPrinterDot = 1440.0 / 600;
constexpr double kFrameLineWidth = 3 * kTwipsPerPrinterDot;
constexpr double kLargestLayoutNumber = 1e6;
const QColor kFrameRed(255, 0, 0);

/// A field that the reader would split or unquote is written with its comma as "、".
QString FieldText(const QString& text) {
    return common::FileSafeComment(text);
}

bool NextNumber(common::FieldReader& reader, double& value) {
    QString field;
    if (!reader.NextText(field))
        return false;
    bool ok = false;
    value = field.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && std::abs(value) <= kLargestLayoutNumber;
}

/// A font size as the layout files write it: " 14.25 ".
QString SizeNumber(double points) {
    return (points < 0 ? QString() : QStringLiteral(" ")) + QString::number(points, 'g', 12) + ' ';
}

void PrintPostalFrame(common::PrintSurface& surface, int box, const BoxPlace& place) {
    const double a = kCardMargin + 5 * place.points;
    const double left = place.left - a;
    const double top = place.top - a;
    surface.DrawRectangle(QRectF(left, top, kFrameWidth, kFrameHeight), kFrameLineWidth,
                          Qt::transparent, kFrameRed);
    if (box == kDashedBox) {
        surface.DrawLine(left, top + kDashDrop, left - kDashLength, top + kDashDrop,
                         kFrameLineWidth, kFrameRed);
    }
}

void PrintBoxText(common::PrintSurface& surface, const QString& text, const QString& family,
                  const BoxPlace& place) {
    if (text.isEmpty())
        return;
    surface.DrawText(place.left - kCardMargin, place.top - kCardMargin, text,
                     common::PrintFont{family, place.points, false}, Qt::black);
}

}  // namespace

QStringList CardKindNames() {
    return {QStringLiteral("エコー"), QStringLiteral("官製"), QStringLiteral("封筒"),
            QStringLiteral("絵はがき"), QStringLiteral("その他")};
}

QString LayoutFileName(int cardKind) {
    return QStringLiteral("TextPos%1.dat").arg(cardKind);
}

CardLayout DefaultLayout() {
    CardLayout layout;
    for (int i = 0; i < kPostalCodeBoxes; ++i)
        layout[size_t(i)] = {kPostalLefts[size_t(i)], kPostalTop, kPostalPoints};
    for (int i = 0; i < kAddressLines; ++i)
        layout[size_t(kPostalCodeBoxes + i)] = kDefaultLines[size_t(i)].place;
    return layout;
}

QSize DefaultBoxSize(int box) {
    if (box < kPostalCodeBoxes)
        return {kPostalWidths[size_t(box)], kPostalHeight};
    return kDefaultLines[size_t(box - kPostalCodeBoxes)].size;
}

QString AddressFilePath(const QString& dataRoot, const QString& opponent) {
    const bool leavesFolder = opponent == QLatin1String(".") || opponent == QLatin1String("..") ||
                              opponent.contains(QLatin1Char('/')) ||
                              opponent.contains(QLatin1Char('\\')) ||
                              opponent.contains(QLatin1Char(':')) || opponent.contains(QChar(0));
    if (opponent.isEmpty() || leavesFolder)
        return QString();
    return dataRoot + "/" + store::kAddressFolderName + "/" + opponent + ".txt";
}

std::optional<Addressee> ReadAddressee(const QString& path) {
    QStringList lines;
    if (!store::ReadHandEditedTextLines(path, lines))
        return std::nullopt;
    const QStringList fields = common::TextFieldsOf(lines);
    Addressee addressee;
    const QString code = fields.value(0);
    for (int i = 0; i < kPostalCodeBoxes; ++i)
        addressee.postalCode[size_t(i)] = code.mid(i, 1);
    for (int i = 0; i < kAddresseeLines; ++i)
        addressee.lines[size_t(i)] = fields.value(1 + i);
    return addressee;
}

bool WriteAddressee(const QString& path, const Addressee& addressee) {
    QStringList lines{FieldText(
        QStringList(addressee.postalCode.begin(), addressee.postalCode.end()).join(QString()))};
    for (const QString& line : addressee.lines)
        lines.append(FieldText(line));
    QDir().mkpath(QFileInfo(path).absolutePath());
    return store::WriteTextLines(path, lines);
}

std::optional<SenderLines> ReadSender(const QString& path) {
    QStringList lines;
    if (!store::ReadHandEditedTextLines(path, lines))
        return std::nullopt;
    const QStringList fields = common::TextFieldsOf(lines);
    SenderLines sender;
    for (int i = 0; i < kSenderLines; ++i)
        sender[size_t(i)] = fields.value(i);
    return sender;
}

bool WriteSender(const QString& path, const SenderLines& sender) {
    QStringList lines;
    for (const QString& line : sender)
        lines.append(FieldText(line));
    return store::WriteTextLines(path, lines);
}

std::optional<AddressSettings> ReadAddressSettings(const QString& path) {
    QStringList lines;
    if (!store::ReadHandEditedTextLines(path, lines) || lines.isEmpty())
        return std::nullopt;
    common::FieldReader reader(lines.first());
    AddressSettings settings;
    if (!reader.NextText(settings.fontFamily) || !reader.NextText(settings.cardKind))
        return std::nullopt;
    return settings;
}

bool WriteAddressSettings(const QString& path, const AddressSettings& settings) {
    return store::WriteTextLines(path, {settings.fontFamily + ',' + settings.cardKind});
}

void ReadLayout(const QString& path, CardLayout& layout) {
    QStringList lines;
    if (!store::ReadHandEditedTextLines(path, lines))
        return;
    for (int box = 0; box < kLayoutBoxes && box < lines.size(); ++box) {
        common::FieldReader reader(lines[box]);
        double left = 0;
        double top = 0;
        double points = 0;
        if (!NextNumber(reader, left) || !NextNumber(reader, top) || !NextNumber(reader, points) ||
            points <= 0) {
            return;
        }
        layout[size_t(box)] = {int(std::lround(left)), int(std::lround(top)), points};
    }
}

bool WriteLayout(const QString& path, const CardLayout& layout) {
    QStringList lines;
    for (const BoxPlace& place : layout) {
        lines.append(common::FileNumber(place.left) + ',' + common::FileNumber(place.top) + ',' +
                     SizeNumber(place.points));
    }
    return store::WriteTextLines(path, lines);
}

QString StoreAddressFiles(const QString& dataRoot, const QString& opponent,
                          const AddressCard& card) {
    const QString settingsPath = dataRoot + "/" + kAddressSettingsFileName;
    if (!WriteAddressSettings(settingsPath, {card.fontFamily, card.cardKind}))
        return settingsPath;
    if (card.layoutFile >= 0 && card.layoutFile < kCardKinds) {
        const QString layoutPath = dataRoot + "/" + LayoutFileName(card.layoutFile);
        if (!WriteLayout(layoutPath, card.layout))
            return layoutPath;
    }
    const QString addressPath = AddressFilePath(dataRoot, opponent);
    if (!addressPath.isEmpty() && !WriteAddressee(addressPath, card.addressee))
        return addressPath;
    const QString senderPath = dataRoot + "/" + kOwnAddressFileName;
    if (!WriteSender(senderPath, card.sender))
        return senderPath;
    return QString();
}

void PrintAddress(common::PrintSurface& surface, const AddressCard& card) {
    for (int i = 0; i < kPostalCodeBoxes; ++i) {
        const BoxPlace& place = card.layout[size_t(i)];
        PrintBoxText(surface, card.addressee.postalCode[size_t(i)], card.fontFamily, place);
        if (card.postalFrames)
            PrintPostalFrame(surface, i, place);
    }
    for (int i = 0; i < kAddressLines; ++i) {
        const QString& text = i < kAddresseeLines ? card.addressee.lines[size_t(i)]
                                                  : card.sender[size_t(i - kAddresseeLines)];
        PrintBoxText(surface, text, card.fontFamily, card.layout[size_t(kPostalCodeBoxes + i)]);
    }
}

}  // namespace postcard
