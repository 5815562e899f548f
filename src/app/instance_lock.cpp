#include "app/instance_lock.h"

#include "store/data_root_backup.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace app {

DataRootLock::DataRootLock(const QString& dataRoot)
    : dataRoot_(dataRoot), file_(dataRoot + '/' + store::kInstanceLockName) {
    // The window may stay open for days: the lock never goes stale by age, only when the
    // program that made it is gone.
    file_.setStaleLockTime(0);
}

namespace {

QString NotALockFileText(const QString& lockPath) {
    return QStringLiteral(
               "データフォルダの「%1」がふつうのファイルではない（フォルダ、リンクなど）ため、"
               "ソラマメを始められません。\n%2\n"
               "ほかにソラマメが動いていないことを確かめてから、これを取り除いてください。")
        .arg(store::kInstanceLockName, QDir::toNativeSeparators(lockPath));
}

QString CannotMakeLockText(const QString& lockPath) {
    return QStringLiteral(
               "データフォルダに「%1」を作れないため、ソラマメを始められません。\n%2\n"
               "ディスクの空きと、フォルダに書き込めることを確かめてください。")
        .arg(store::kInstanceLockName, QDir::toNativeSeparators(lockPath));
}

QString ReadOnlyRootText(const QString& dataRoot) {
    return QStringLiteral("フォルダ「%1」に書き込めません。棋譜や設定は保存できません。")
        .arg(QDir::toNativeSeparators(dataRoot));
}

/// A program killed while it wrote the lock leaves it empty or cut short: no program can be
/// read from it, so it would count as held for ever. One that old is no one's any more; a
/// younger one may be in the middle of being written.
void RemoveUnreadableLock(QLockFile& lock, const struct stat& status) {
    if (!S_ISREG(status.st_mode))
        return;
    qint64 pid = 0;
    QString host;
    QString application;
    const bool readable = lock.getLockInfo(&pid, &host, &application);
    if (!readable && time(nullptr) - status.st_mtime > 5)
        QFile::remove(lock.fileName());
}

}  // namespace

LockResult DataRootLock::TryLock() {
    const QString lockPath = file_.fileName();
    // The lock file is read when it exists: a FIFO there would block the start for ever, and
    // a link would be followed out of the data root. Only a plain file is ever opened.
    struct stat status {};
    const QByteArray encoded = QFile::encodeName(lockPath);
    if (lstat(encoded.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return {LockState::Blocked, NotALockFileText(lockPath)};
    RemoveUnreadableLock(file_, status);
    if (file_.tryLock(0))
        return {LockState::Taken, {}};
    if (file_.error() == QLockFile::LockFailedError)
        return {LockState::HeldElsewhere, AlreadyRunningText(dataRoot_)};
    if (access(QFile::encodeName(dataRoot_).constData(), W_OK) != 0)
        return {LockState::ReadOnlyRoot, ReadOnlyRootText(dataRoot_)};
    return {LockState::Blocked, CannotMakeLockText(lockPath)};
}

QString AlreadyRunningText(const QString& dataRoot) {
    return QStringLiteral(
               "ソラマメは、このデータフォルダですでに動いています。\n%1\n"
               "開いているソラマメの画面をお使いください。")
        .arg(QDir::toNativeSeparators(dataRoot));
}

QString BroughtForwardText(const QString& dataRoot) {
    return QStringLiteral(
               "ソラマメは、このデータフォルダですでに動いています。\n%1\n"
               "開いているソラマメの画面を前に出しました。")
        .arg(QDir::toNativeSeparators(dataRoot));
}

}  // namespace app
