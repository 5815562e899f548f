#include "store/display_settings.h"

#include "store/text_file.h"

#include <QStringList>

#include <algorithm>

namespace store {
namespace {

const QString kSizeKey = QStringLiteral("表示サイズ=");
const QString kNoticeKey = QStringLiteral("縮小通知=");

bool Fits(double scale, const QSize& windowSize, const QSize& available) {
    return windowSize.width() * scale <= available.width() + 0.5 &&
           windowSize.height() * scale <= available.height() + 0.5;
}

}  // namespace

DisplaySettings ReadDisplaySettings(const QString& path) {
    DisplaySettings settings;
    QStringList lines;
    if (!ReadTextLines(path, lines))
        return settings;
    for (const QString& line : lines) {
        if (line.startsWith(kSizeKey)) {
            const int percent = line.mid(kSizeKey.size()).toInt();
            if (std::find(kDisplaySizes.begin(), kDisplaySizes.end(), percent) !=
                kDisplaySizes.end())
                settings.scalePercent = percent;
        } else if (line.startsWith(kNoticeKey)) {
            settings.shrinkNotice = line.mid(kNoticeKey.size());
        }
    }
    return settings;
}

bool WriteDisplaySettings(const QString& path, const DisplaySettings& settings) {
    QStringList lines = {kSizeKey + QString::number(settings.scalePercent)};
    if (!settings.shrinkNotice.isEmpty())
        lines << kNoticeKey + settings.shrinkNotice;
    return WriteTextLines(path, lines);
}

double FittingScale(double wanted, const QSize& windowSize, const QSize& available) {
    return FittingScale(
        wanted, [&windowSize](double) { return windowSize; }, available);
}

double FittingScale(double wanted, const std::function<QSize(double scale)>& windowSizeAt,
                    const QSize& available) {
    if (Fits(wanted, windowSizeAt(wanted), available))
        return wanted;
    for (auto it = kDisplaySizes.rbegin(); it != kDisplaySizes.rend(); ++it) {
        const double scale = *it / 100.0;
        if (scale < wanted && Fits(scale, windowSizeAt(scale), available))
            return scale;
    }
    return kDisplaySizes.front() / 100.0;
}

}  // namespace store
