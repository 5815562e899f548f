#include "housekeeping/trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace admin {
namespace {

/// Qt 6.4 without a trash folder it can make puts the entry into "files" and "info" under the
/// current folder, and reports success: wherever the program was started from. That is no
/// trash, so the entry goes back where it was; false when it cannot.
bool TakeBackFromCurrentFolder(const QString& strayPath, const QString& originalPath) {
    const QDir current = QDir::current();
    if (!QDir().rename(current.absoluteFilePath(strayPath), originalPath))
        return false;
    const QString name = QFileInfo(strayPath).fileName();
    QFile::remove(current.absoluteFilePath(QStringLiteral("info/%1.trashinfo").arg(name)));
    current.rmdir(QStringLiteral("files"));
    current.rmdir(QStringLiteral("info"));
    return true;
}

}  // namespace

QString MoveToTrash(const QString& path) {
    // The trash folder is made by Qt, but not the user's data folder above it, which a new
    // account may not have yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return {};
    if (QDir::isAbsolutePath(inTrash))
        return inTrash;
    if (TakeBackFromCurrentFolder(inTrash, path))
        return {};
    // It could not be put back: the player must at least learn where it is.
    return QDir::current().absoluteFilePath(inTrash);
}

}  // namespace admin
