#pragma once

#include <QString>
#include <QStringList>

namespace store {

/// A restore copies the backup beside the data root as "<data root>_戻し中" and writes this
/// mark into it once every file is verified; only a copy with the mark may become the data
/// root. Hidden, and never backed up.
inline const QString kRestoreReadyMarkName = QStringLiteral(".ソラマメ戻す準備完了.dat");
/// The lock a backup or restore holds inside the folder it is filling, so that a later one
/// tells a folder in use from the leftover of a program that was killed. Gone once the folder
/// is finished.
inline const QString kWorkingLockName = QStringLiteral(".作成中.lock");

/// Held by a backup or restore while it fills a working folder. It is the system's advisory
/// lock on kWorkingLockName, which the system drops when the program ends however it ends:
/// a killed run can never leave it held, nor leave a lock that cannot be read.
class WorkingFolderLock {
  public:
    explicit WorkingFolderLock(const QString& folder);
    ~WorkingFolderLock();
    WorkingFolderLock(const WorkingFolderLock&) = delete;
    WorkingFolderLock& operator=(const WorkingFolderLock&) = delete;
    bool held() const { return fd_ >= 0; }

  private:
    QString path_;
    int fd_ = -1;
};

/// Whether a running backup or restore holds the working lock of `folder`.
bool WorkingFolderInUse(const QString& folder);

/// The working name of a backup being made inside the target folder.
QString BackupWorkingName(const QString& backupName);
/// The name the restore copies a backup to, beside the data root named `rootName`.
QString RestoreIncomingName(const QString& rootName);
/// The name the old data root is moved to, when `stamp` is "yyyyMMdd_HHmmss".
QString RestoreAsideName(const QString& rootName, const QString& stamp);

/// Marks `folder` as a verified copy of `backupFolder`, ready to become the data root.
bool WriteRestoreReadyMark(const QString& folder, const QString& backupFolder);

/// Removes what interrupted backups left in `targetFolder` and what interrupted restores left
/// beside the data root: only real folders (never links) named exactly as the program names
/// them, and a restore's copy only while the data root is there (otherwise it is the data,
/// see RecoverInterruptedRestore). Returns the names of the folders removed.
QStringList RemoveInterruptedLeftovers(const QString& dataRoot, const QString& targetFolder);

/// What the start did about a restore that was stopped between moving the old data root aside
/// and putting the new one in its place.
struct RestoreRecovery {
    /// True when a folder was renamed into the data root.
    bool recovered = false;
    /// For the player; empty when there was nothing to say.
    QString message;
};

/// Run at start before anything makes the data root. When the data root is missing or an
/// empty folder, a verified restore copy beside it becomes the data root; failing that, the old
/// data root that an interrupted restore moved aside is moved back; failing that, the player is
/// told where the last data moved aside is. A data root with anything in it is left alone.
RestoreRecovery RecoverInterruptedRestore(const QString& dataRoot);

}  // namespace store
