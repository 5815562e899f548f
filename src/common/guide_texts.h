#pragma once

#include <QString>

namespace common {

/// The operation guide text of a control, by its objectName: the main window's controls and
/// the few of other windows that explain why they cannot be used (the kifu figures dialog's
/// 「形勢グラフを付ける」); empty for a control without one. The text of "着手記録" names
/// `recordsFolder`, where it saves.
QString GuideText(const QString& objectName, const QString& recordsFolder);
/// The text every guided control shows while the operation guide is switched off.
QString GuideOffText();

}  // namespace common
