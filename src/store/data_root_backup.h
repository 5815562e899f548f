#pragma once

#include "store/data_root_copy.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

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
    /// What the copy left out (links, unreadable folders, odd files), with the reasons.
    QList<SkippedEntry> skipped;
    /// Leftovers of interrupted backups and restores removed before this one began.
    QStringList removedLeftovers;
};

/// For the player, after the main report: what was left out and which leftovers were removed,
/// as paragraphs separated by a blank line; empty when there is nothing to add.
QString BackupNotes(const BackupOutcome& outcome);

/// The number of games (record files in the two games folders) under a folder.
int CountGames(const QString& root);

/// Copies the whole data root into a new backup folder inside `targetFolder`. The copy is made
/// under a working name and renamed only once every file compares equal byte for byte, so a
/// failed backup never leaves a folder that looks finished. Links are never followed out of the
/// data root; whatever is left out is listed in the outcome. Working folders of backups that
/// were killed are removed first.
BackupOutcome BackUpDataRoot(const QString& dataRoot, const QString& targetFolder,
                             const QDateTime& now);

/// Reads the marker of a backup folder; invalid for any folder the program did not make.
BackupInfo ReadBackupInfo(const QString& backupFolder);

/// Puts a backup in place of the data root: the backup is copied and verified beside the data
/// root first and marked ready, then the current data root is moved aside (never deleted) and
/// the copy takes its name; a data root holding nothing but the lock is not kept. `folder` of
/// the outcome is where the old data root now is, empty when none was kept. Should the program
/// die between the two renames, RecoverInterruptedRestore finishes the job at the next start.
BackupOutcome RestoreDataRoot(const QString& backupFolder, const QString& dataRoot,
                              const QDateTime& now);

}  // namespace store
