#include "cards/reply_options.h"

#include "store/text_file.h"

#include <QStringList>

#include <optional>

namespace postcard {
namespace {

const QString kCheckLinesKey = QStringLiteral("照合行=");
const QString kQrCodeKey = QStringLiteral("QRコード=");

/// The value of a "key=0" or "key=1" line; nothing for any other line.
std::optional<bool> SwitchValue(const QString& line, const QString& key) {
    if (!line.startsWith(key))
        return std::nullopt;
    const QString value = line.mid(key.size()).trimmed();
    if (value != QLatin1String("0") && value != QLatin1String("1"))
        return std::nullopt;
    return value == QLatin1String("1");
}

QString SwitchLine(const QString& key, bool on) {
    return key + (on ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace

ReplyOptions ReadReplyOptions(const QString& path) {
    ReplyOptions options;
    QStringList lines;
    if (!store::ReadTextLines(path, lines))
        return options;
    for (const QString& line : lines) {
        options.checkLines = SwitchValue(line, kCheckLinesKey).value_or(options.checkLines);
        options.qrCode = SwitchValue(line, kQrCodeKey).value_or(options.qrCode);
    }
    return options;
}

bool WriteReplyOptions(const QString& path, const ReplyOptions& options) {
    QStringList kept;
    QStringList lines;
    if (store::ReadTextLines(path, lines)) {
        for (const QString& line : lines) {
            if (!line.startsWith(kCheckLinesKey) && !line.startsWith(kQrCodeKey) && !line.isEmpty())
                kept.append(line);
        }
    }
    QStringList written{SwitchLine(kCheckLinesKey, options.checkLines)};
    // Off is the default: the line appears once the player has turned the code on.
    if (options.qrCode)
        written.append(SwitchLine(kQrCodeKey, true));
    return store::WriteTextLines(path, written + kept);
}

}  // namespace postcard
