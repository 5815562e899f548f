#pragma once

#include <QDateTime>
#include <QString>

namespace store {

/// A whole backup is a folder "ソラマメバックアップ_YYYYMMDD_HHMM" holding a copy of the data
/// root and this marker file (CP932, CR LF), which tells the program's backups from any other
/// folder.
inline const QString kBackupFolderPrefix = QStringLiteral("ソラマメバックアップ_");
inline const QString kBackupMarkerName = QStringLiteral("ソラマメバックアップ.dat");
/// The first line of the marker file.
inline const QString kBackupMarkerTitle = QStringLiteral("ソラマメ　全データのバックアップ");
/// The lock that keeps one program per data root; it lives in the data root itself, beside
/// the games folders, where no game listing looks, and is never backed up.
inline const QString kInstanceLockName = QStringLiteral(".soramame.lock");

/// What a whole backup holds, as its marker file tells.
struct BackupInfo {
    bool valid = false;
    QDateTime made;
    int games = 0;
    int files = 0;
};

/// The outcome of a backup or a restore. On failure, `failure` says exactly what failed.
struct BackupOutcome {
    bool ok = false;
    /// The finished backup folder, or the folder the old data root was moved to.
    QString folder;
    int games = 0;
    int files = 0;
    QString failure;
};

/// The number of games (record files in the two games folders) under a folder.
int CountGames(const QString& root);

/// Copies the whole data root into a new backup folder inside `targetFolder`. The copy is made
/// under a working name and renamed only once every file compares equal byte for byte, so a
/// failed backup never leaves a folder that looks finished.
BackupOutcome BackUpDataRoot(const QString& dataRoot, const QString& targetFolder,
                             const QDateTime& now);

/// Reads the marker of a backup folder; invalid for any folder the program did not make.
BackupInfo ReadBackupInfo(const QString& backupFolder);

/// Puts a backup in place of the data root: the backup is copied and verified beside the data
/// root first, then the current data root is moved aside (never deleted) and the copy takes
/// its name. `folder` of the outcome is where the old data root now is.
BackupOutcome RestoreDataRoot(const QString& backupFolder, const QString& dataRoot,
                              const QDateTime& now);

}  // namespace store
