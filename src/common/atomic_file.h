#pragma once

#include <QByteArray>
#include <QString>

namespace common {

/// Replaces a file by the bytes atomically: the old file stays whole if anything fails, a
/// full disk included.
bool ReplaceFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace common
