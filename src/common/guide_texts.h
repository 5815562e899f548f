#pragma once

#include <QString>

namespace common {

/// The operation guide text of a main window control, by its objectName; empty for a
/// control without one. The text of "着手記録" names `recordsFolder`, where it saves.
QString GuideText(const QString& objectName, const QString& recordsFolder);
/// The text every guided control shows while the operation guide is switched off.
QString GuideOffText();

}  // namespace common
