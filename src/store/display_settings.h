#pragma once

#include <QSize>
#include <QString>

#include <array>
#include <functional>

namespace store {

/// The display size lives in a file of its own beside KurumiSet.dat (whose layout stays as it
/// is): CP932 with CR LF, lines "表示サイズ=150" and, once the player has been told that the
/// size was reduced to fit the screen, "縮小通知=200>125".
inline const QString kDisplaySettingsName = QStringLiteral("表示設定.dat");
/// The sizes the options offer, in percent; those below 100 are for screens of 600 pixels.
inline constexpr std::array<int, 8> kDisplaySizes = {70, 80, 90, 100, 125, 150, 175, 200};

struct DisplaySettings {
    int scalePercent = 100;
    /// "200>125" when the player was told that 200 % was shown as 125 %.
    QString shrinkNotice;
};

/// The file's settings; missing or damaged lines give 100 %.
DisplaySettings ReadDisplaySettings(const QString& path);
bool WriteDisplaySettings(const QString& path, const DisplaySettings& settings);

/// The largest scale not above `wanted` at which a window of `windowSize` (at 100 %) fits in
/// `available`, trying `wanted` and then the offered sizes below it; the smallest offered size
/// when nothing fits.
double FittingScale(double wanted, const QSize& windowSize, const QSize& available);
/// The same for a window whose size at 100 % depends on the scale it is shown at.
double FittingScale(double wanted, const std::function<QSize(double scale)>& windowSizeAt,
                    const QSize& available);

}  // namespace store
