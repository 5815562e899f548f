#include "store/link_guard.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace store {
namespace {

bool LiesWithin(const QString& canonicalPath, const QString& canonicalRoot) {
    const QString prefix =
        canonicalRoot.endsWith(QLatin1Char('/')) ? canonicalRoot : canonicalRoot + '/';
    return canonicalPath == canonicalRoot || canonicalPath.startsWith(prefix);
}

/// Whether an entry that is there resolves outside the root; one that resolves nowhere does.
bool ResolvesOutside(const QString& entry, const QString& canonicalRoot) {
    const QString target = QFileInfo(entry).canonicalFilePath();
    return target.isEmpty() || !LiesWithin(target, canonicalRoot);
}

}  // namespace

bool Occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString EntryLeadingOutside(const QString& root, const QString& path) {
    const QString base = QDir::cleanPath(root);
    // The names below the root are checked one by one on disk; a ".." would step past that
    // check, and cleanPath would take it away before it could be seen.
    if (QDir::fromNativeSeparators(path).split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return path;
    const QString full = QDir::cleanPath(path);
    if (full == base)
        return QString();
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + '/';
    if (!full.startsWith(prefix))
        return path;
    const QString canonicalRoot = QFileInfo(base).canonicalFilePath();
    if (canonicalRoot.isEmpty())
        return Occupied(base) ? base : QString();  // a root not made yet holds no link
    QString entry = base;
    const QStringList names = full.mid(prefix.size()).split(QLatin1Char('/'));
    for (const QString& name : names) {
        entry = entry.endsWith(QLatin1Char('/')) ? entry + name : entry + '/' + name;
        if (!Occupied(entry))
            return QString();  // nothing further down is there yet: it is made inside
        if (ResolvesOutside(entry, canonicalRoot))
            return entry;
    }
    return QString();
}

}  // namespace store
