#include "cards/reply_options.h"

#include "store/text_file.h"

#include <QStringList>

namespace postcard {
namespace {

const QString kCheckLinesKey = QStringLiteral("照合行=");

}  // namespace

ReplyOptions ReadReplyOptions(const QString& path) {
    ReplyOptions options;
    QStringList lines;
    if (!store::ReadTextLines(path, lines))
        return options;
    for (const QString& line : lines) {
        if (!line.startsWith(kCheckLinesKey))
            continue;
        const QString value = line.mid(kCheckLinesKey.size()).trimmed();
        if (value == QLatin1String("0") || value == QLatin1String("1"))
            options.checkLines = value == QLatin1String("1");
    }
    return options;
}

bool WriteReplyOptions(const QString& path, const ReplyOptions& options) {
    QStringList kept;
    QStringList lines;
    if (store::ReadTextLines(path, lines)) {
        for (const QString& line : lines) {
            if (!line.startsWith(kCheckLinesKey) && !line.isEmpty())
                kept.append(line);
        }
    }
    const QString checkLines = options.checkLines ? QStringLiteral("1") : QStringLiteral("0");
    return store::WriteTextLines(path, QStringList{kCheckLinesKey + checkLines} + kept);
}

}  // namespace postcard
