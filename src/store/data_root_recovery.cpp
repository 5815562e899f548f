#include "store/data_root_recovery.h"

#include "store/data_root_backup.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

namespace store {
namespace {

const QString kRestoreReadyTitle = QStringLiteral("ソラマメ　戻す準備のできたデータ");
const QString kRestoreSourceKey = QStringLiteral("バックアップ=");

QRegularExpression ExactName(const QString& pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

bool IsBackupWorkingName(const QString& name) {
    static const QRegularExpression pattern =
        ExactName(QRegularExpression::escape(BackupWorkingName(kBackupFolderPrefix)) +
                  QStringLiteral("[0-9]{8}_[0-9]{4}(_[0-9]+)?"));
    return pattern.match(name).hasMatch();
}

bool IsRestoreIncomingName(const QString& rootName, const QString& name) {
    return ExactName(QRegularExpression::escape(RestoreIncomingName(rootName)) +
                     QStringLiteral("(_[0-9]+)?"))
        .match(name)
        .hasMatch();
}

bool IsRestoreAsideName(const QString& rootName, const QString& name) {
    return ExactName(QRegularExpression::escape(RestoreAsideName(rootName, QString())) +
                     QStringLiteral("[0-9]{8}_[0-9]{6}(_[0-9]+)?"))
        .match(name)
        .hasMatch();
}

bool IsRealFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

bool IsEmptyFolder(const QString& path) {
    return QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                              QDir::NoDotAndDotDot);
}

/// The real folders (no links) of `parent` whose names pass `wanted`, in name order.
QStringList FoldersNamed(const QString& parent, const std::function<bool(const QString&)>& wanted) {
    QStringList found;
    const QStringList names = QDir(parent).entryList(
        QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QString& name : names) {
        if (wanted(name) && IsRealFolder(parent + '/' + name))
            found.append(name);
    }
    return found;
}

bool IsReadyRestore(const QString& folder) {
    QStringList lines;
    return IsRealFolder(folder) && ReadTextLines(folder + '/' + kRestoreReadyMarkName, lines) &&
           !lines.isEmpty() && lines[0] == kRestoreReadyTitle;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

WorkingFolderLock::WorkingFolderLock(const QString& folder)
    : path_(folder + '/' + kWorkingLockName) {
    const QByteArray path = QFile::encodeName(path_);
    fd_ = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

WorkingFolderLock::~WorkingFolderLock() {
    if (fd_ < 0)
        return;
    unlink(QFile::encodeName(path_).constData());
    close(fd_);
}

bool WorkingFolderInUse(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder + '/' + kWorkingLockName);
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool inUse = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return inUse;
}

QString BackupWorkingName(const QString& backupName) {
    return QStringLiteral(".作成中_") + backupName;
}

QString RestoreIncomingName(const QString& rootName) {
    return rootName + QStringLiteral("_戻し中");
}

QString RestoreAsideName(const QString& rootName, const QString& stamp) {
    return rootName + QStringLiteral("_戻す前_") + stamp;
}

bool WriteRestoreReadyMark(const QString& folder, const QString& backupFolder) {
    return WriteTextLines(folder + '/' + kRestoreReadyMarkName,
                          {kRestoreReadyTitle, kRestoreSourceKey + Native(backupFolder)});
}

QStringList RemoveInterruptedLeftovers(const QString& dataRoot, const QString& targetFolder) {
    QStringList removed;
    const auto removeIfLeftOver = [&removed](const QString& parent, const QString& name) {
        const QString folder = parent + '/' + name;
        if (!WorkingFolderInUse(folder) && QDir(folder).removeRecursively())
            removed.append(name);
    };
    if (!targetFolder.isEmpty()) {
        for (const QString& name : FoldersNamed(targetFolder, IsBackupWorkingName))
            removeIfLeftOver(targetFolder, name);
    }
    const QFileInfo root(dataRoot);
    const QString parent = root.absolutePath();
    const QString rootName = root.fileName();
    const bool rootThere = root.isDir();
    const auto isIncoming = [&rootName](const QString& name) {
        return IsRestoreIncomingName(rootName, name);
    };
    for (const QString& name : FoldersNamed(parent, isIncoming)) {
        // With the data root gone, a verified copy is the data the player asked for.
        if (rootThere || !IsReadyRestore(parent + '/' + name))
            removeIfLeftOver(parent, name);
    }
    // An older restore into a missing data root moved an empty folder aside; rmdir takes
    // nothing else.
    const auto isAside = [&rootName](const QString& name) {
        return IsRestoreAsideName(rootName, name);
    };
    for (const QString& name : FoldersNamed(parent, isAside)) {
        if (IsEmptyFolder(parent + '/' + name) && QDir(parent).rmdir(name))
            removed.append(name);
    }
    return removed;
}

namespace {

/// Where the data of an interrupted restore may be, beside the data root.
struct RestoreTraces {
    QString parent;
    QString rootName;
    QString readyCopy;         // verified restore copy, or empty
    QString interruptedAside;  // old data root an unfinished restore moved aside, or empty
    QString lastAside;         // the newest old data root moved aside, or empty
};

RestoreTraces FindRestoreTraces(const QString& dataRoot) {
    RestoreTraces traces;
    const QFileInfo root(dataRoot);
    traces.parent = root.absolutePath();
    traces.rootName = root.fileName();
    const QString rootName = traces.rootName;
    const QStringList incoming = FoldersNamed(traces.parent, [&rootName](const QString& name) {
        return IsRestoreIncomingName(rootName, name);
    });
    for (const QString& name : incoming) {
        if (traces.readyCopy.isEmpty() && IsReadyRestore(traces.parent + '/' + name))
            traces.readyCopy = name;
    }
    const QStringList asides = FoldersNamed(traces.parent, [&rootName](const QString& name) {
        return IsRestoreAsideName(rootName, name);
    });
    // The stamp in the name orders them; "_2" and on come later in the same second.
    for (const QString& name : asides) {
        traces.lastAside = name;
        // The program that moved it aside was killed holding the data root's lock: a finished
        // restore takes the lock along into the new data root.
        if (QFileInfo::exists(traces.parent + '/' + name + '/' + kInstanceLockName))
            traces.interruptedAside = name;
    }
    return traces;
}

QString StoppedRestoreText() {
    return QStringLiteral("前回の「バックアップから戻す」が途中で止まっていました。");
}

RestoreRecovery PutInPlace(const RestoreTraces& traces, const QString& dataRoot,
                           const QString& folderName) {
    const QString from = traces.parent + '/' + folderName;
    // An empty data root is only what this start made; rmdir never takes more.
    const bool placed =
        (!QFileInfo(dataRoot).exists() || QDir().rmdir(dataRoot)) && QDir().rename(from, dataRoot);
    RestoreRecovery recovery;
    if (!placed) {
        recovery.message =
            StoppedRestoreText() +
            QStringLiteral(
                "データは「%1」にありますが、データフォルダ「%2」に戻せませんでした。"
                "ソラマメを終了して、フォルダ名を「%3」に変えてください。")
                .arg(Native(from), Native(dataRoot), traces.rootName);
        return recovery;
    }
    recovery.recovered = true;
    return recovery;
}

}  // namespace

RestoreRecovery RecoverInterruptedRestore(const QString& dataRoot) {
    const QFileInfo root(dataRoot);
    if (root.exists() && !(root.isDir() && IsEmptyFolder(dataRoot)))
        return {};
    const RestoreTraces traces = FindRestoreTraces(dataRoot);
    if (!traces.readyCopy.isEmpty()) {
        RestoreRecovery recovery = PutInPlace(traces, dataRoot, traces.readyCopy);
        if (!recovery.recovered)
            return recovery;
        QFile::remove(dataRoot + '/' + kRestoreReadyMarkName);
        recovery.message =
            StoppedRestoreText() +
            QStringLiteral("戻す準備のできていた「%1」をデータフォルダ「%2」にしました。")
                .arg(Native(traces.parent + '/' + traces.readyCopy), Native(dataRoot));
        if (!traces.interruptedAside.isEmpty()) {
            const QString aside = traces.parent + '/' + traces.interruptedAside;
            // The lock of the killed program stays with the data root's path, not the old files.
            QFile::remove(aside + '/' + kInstanceLockName);
            recovery.message +=
                QStringLiteral("これまでのデータは「%1」に残してあります。").arg(Native(aside));
        }
        return recovery;
    }
    if (!traces.interruptedAside.isEmpty()) {
        RestoreRecovery recovery = PutInPlace(traces, dataRoot, traces.interruptedAside);
        if (recovery.recovered)
            recovery.message =
                StoppedRestoreText() +
                QStringLiteral(
                    "「%1」に移してあったデータをデータフォルダ「%2」に戻しました。"
                    "バックアップからは戻っていません。")
                    .arg(Native(traces.parent + '/' + traces.interruptedAside), Native(dataRoot));
        return recovery;
    }
    RestoreRecovery recovery;
    if (!traces.lastAside.isEmpty())
        recovery.message =
            QStringLiteral(
                "データフォルダ「%1」がないため、新しく作ります。以前のデータは「%2」に"
                "あります。そのデータを使うときは、ソラマメを終了して「%1」を別の名前"
                "にし、「%2」の名前を「%3」に変えてください。")
                .arg(Native(dataRoot), Native(traces.parent + '/' + traces.lastAside),
                     traces.rootName);
    return recovery;
}

}  // namespace store
