#pragma once

#include <QString>

namespace store {

/// A file, a folder or a link, even a link that leads nowhere: anything a write would land on.
bool Occupied(const QString& path);

/// The first entry on the way from `root` down to `path` (each one that is there, `path`
/// included) that leads out of `root`: a link whose target lies outside it, or a link that
/// leads nowhere, since writing through that would create its target wherever it points.
/// Empty when writing `path` stays inside `root`, the root itself being trusted as it is. A
/// path that does not lie under `root`, or takes a ".." step, is returned whole.
QString EntryLeadingOutside(const QString& root, const QString& path);

}  // namespace store
