#include "app/instance_lock.h"

#include "store/data_root_backup.h"

#include <QDir>

namespace app {

DataRootLock::DataRootLock(const QString& dataRoot)
    : file_(dataRoot + '/' + store::kInstanceLockName) {
    // The window may stay open for days: the lock never goes stale by age, only when the
    // program that made it is gone.
    file_.setStaleLockTime(0);
}

bool DataRootLock::TryLock() {
    return file_.tryLock(0);
}

QString AlreadyRunningText(const QString& dataRoot) {
    return QStringLiteral(
               "ソラマメは、このデータフォルダですでに動いています。\n%1\n"
               "開いているソラマメの画面をお使いください。")
        .arg(QDir::toNativeSeparators(dataRoot));
}

}  // namespace app
