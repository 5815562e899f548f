#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace common {

/// A drawing kept between starts as raw pixels under a key that names everything its pixels
/// depend on, so that reading it back needs no decoding and a drawing made under other
/// conditions is never shown.

/// Writes `image` under `key` to `path` (a whole-file rewrite); false when it could not be
/// written, which only costs the next start a new drawing.
bool StorePixels(const QString& path, const QByteArray& key, const QImage& image);

/// The image kept at `path` under exactly `key`; a null image when there is none, when it
/// was kept under another key, or when the file is damaged.
QImage LoadPixels(const QString& path, const QByteArray& key);

}  // namespace common
