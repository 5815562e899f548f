#include "store/data_root_backup.h"

#include "store/data_root_recovery.h"
#include "store/folder_tree.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace store {
namespace {

const QString kMadeKey = QStringLiteral("作成日時=");
const QString kGamesKey = QStringLiteral("棋譜数=");
const QString kFilesKey = QStringLiteral("ファイル数=");
const QString kMadeFormat = QStringLiteral("yyyy/MM/dd HH:mm");

/// Files of the program's own bookkeeping that never travel with the data.
QStringList Bookkeeping() {
    return {kInstanceLockName, kRestoreReadyMarkName, kWorkingLockName, kBackupMarkerName};
}

/// Makes `folder` and fills it with a verified copy of the plan, holding the working lock
/// meanwhile so that no other backup or restore takes it for a leftover. Returns the failure.
QString MakeVerifiedCopy(const TreePlan& plan, const QString& folder) {
    if (!QDir().mkdir(folder))
        return QStringLiteral("フォルダ「%1」を作れませんでした。")
            .arg(QDir::toNativeSeparators(folder));
    const WorkingFolderLock lock(folder);
    if (!lock.held())
        return QStringLiteral("フォルダ「%1」に書き込めませんでした。")
            .arg(QDir::toNativeSeparators(folder));
    return CopyAndVerify(plan, folder);
}

/// A name in `parent` that nothing takes yet, not even a link: `name`, else `name_2`, ...
QString FreeName(const QString& parent, const QString& name) {
    QString candidate = name;
    for (int n = 2;; ++n) {
        const QFileInfo taken(parent + '/' + candidate);
        if (!taken.exists() && !taken.isSymLink())
            return parent + '/' + candidate;
        candidate = name + QStringLiteral("_%1").arg(n);
    }
}

QString RealPath(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

bool IsInside(const QString& folder, const QString& root) {
    return (RealPath(folder) + '/').startsWith(RealPath(root) + '/');
}

int CountInt(const QString& line, const QString& key, bool& ok) {
    return line.startsWith(key) ? line.mid(key.size()).toInt(&ok) : (ok = false, 0);
}

/// Only tests/kill_backups.sh sets this, to kill a restore at the one moment when the data
/// root is not there.
void PauseBetweenRenamesWhenAsked() {
    const int seconds = qEnvironmentVariableIntValue("SORAMAME_PAUSE_BETWEEN_RENAMES");
    if (seconds > 0)
        QThread::sleep(seconds);
}

bool HoldsMoreThanTheLock(const QString& folder) {
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    return !entries.isEmpty() && entries != QStringList{kInstanceLockName};
}

/// Moves the data root aside (when it holds anything) and the ready copy into its place.
/// Returns the failure; `aside` gets where the old data root went, empty when none was kept.
QString SwitchDataRoot(const QString& incoming, const QString& dataRoot, const QDateTime& now,
                       QString& aside) {
    const QFileInfo root(dataRoot);
    const QString lock = dataRoot + '/' + kInstanceLockName;
    aside.clear();
    if (root.exists() && HoldsMoreThanTheLock(dataRoot)) {
        aside = FreeName(
            root.absolutePath(),
            RestoreAsideName(root.fileName(), now.toString(QStringLiteral("yyyyMMdd_HHmmss"))));
        if (!QDir().rename(dataRoot, aside))
            return QStringLiteral("今のデータフォルダ「%1」を移せませんでした。")
                .arg(QDir::toNativeSeparators(dataRoot));
    } else if (root.exists()) {
        // A data root made only for this run (the lock in it) is no data to keep aside.
        QFile::rename(lock, incoming + '/' + kInstanceLockName);
        if (!QDir().rmdir(dataRoot)) {
            QFile::rename(incoming + '/' + kInstanceLockName, lock);
            return QStringLiteral("今のデータフォルダ「%1」を移せませんでした。")
                .arg(QDir::toNativeSeparators(dataRoot));
        }
    }
    PauseBetweenRenamesWhenAsked();
    if (!QDir().rename(incoming, dataRoot)) {
        if (aside.isEmpty()) {
            QDir().mkdir(dataRoot);
            QFile::rename(incoming + '/' + kInstanceLockName, lock);
        } else {
            QDir().rename(aside, dataRoot);  // the old data root goes back in place
        }
        aside.clear();
        return QStringLiteral("フォルダ名を「%1」に変えられませんでした。").arg(root.fileName());
    }
    // The lock of the running program belongs to the data root's path, not to the old files.
    if (!aside.isEmpty())
        QFile::rename(aside + '/' + kInstanceLockName, lock);
    QFile::remove(dataRoot + '/' + kRestoreReadyMarkName);
    return {};
}

}  // namespace

QString BackupNotes(const BackupOutcome& outcome) {
    QStringList paragraphs;
    if (!outcome.skipped.isEmpty()) {
        QStringList lines{
            QStringLiteral("次の %1 個はコピーしていません。").arg(outcome.skipped.size())};
        for (const SkippedEntry& entry : outcome.skipped)
            lines.append(QStringLiteral("「%1」：%2").arg(entry.path, entry.reason));
        paragraphs.append(lines.join('\n'));
    }
    if (!outcome.removedLeftovers.isEmpty())
        paragraphs.append(
            QStringLiteral("前に中断されたときの作りかけのフォルダ %1 個を削除しました：「%2」")
                .arg(outcome.removedLeftovers.size())
                .arg(outcome.removedLeftovers.join(QStringLiteral("」「"))));
    return paragraphs.join(QStringLiteral("\n\n"));
}

int CountGames(const QString& root) {
    int games = 0;
    for (const QString& gamesFolder : {kInProgressFolderName, kBackedUpFolderName}) {
        const QString folder = root + '/' + gamesFolder;
        for (const QString& opponent : ListOpponents(folder))
            games += static_cast<int>(ListGames(folder, opponent).size());
    }
    return games;
}

BackupOutcome BackUpDataRoot(const QString& dataRoot, const QString& targetFolder,
                             const QDateTime& now) {
    BackupOutcome outcome;
    if (IsInside(targetFolder, dataRoot)) {
        outcome.failure = QStringLiteral("データフォルダの中にはバックアップを作れません。");
        return outcome;
    }
    QDir().mkpath(targetFolder);
    outcome.removedLeftovers = RemoveInterruptedLeftovers(dataRoot, targetFolder);
    const QString name = kBackupFolderPrefix + now.toString(QStringLiteral("yyyyMMdd_HHmm"));
    const QString working = FreeName(targetFolder, BackupWorkingName(name));
    const TreePlan plan = PlanTreeCopy(dataRoot, Bookkeeping(), QStringLiteral("データフォルダ"));
    outcome.failure = MakeVerifiedCopy(plan, working);
    const int files = static_cast<int>(plan.files.size());
    const int games = CountGames(working);
    const QStringList marker = {kBackupMarkerTitle, kMadeKey + now.toString(kMadeFormat),
                                kGamesKey + QString::number(games),
                                kFilesKey + QString::number(files)};
    if (outcome.failure.isEmpty() && !WriteTextLines(working + '/' + kBackupMarkerName, marker))
        outcome.failure = QStringLiteral("「%1」を書けませんでした。").arg(kBackupMarkerName);
    const QString finished = FreeName(targetFolder, name);
    if (outcome.failure.isEmpty() && !QDir().rename(working, finished))
        outcome.failure = QStringLiteral("フォルダ名を「%1」に変えられませんでした。")
                              .arg(QFileInfo(finished).fileName());
    if (!outcome.failure.isEmpty()) {
        // Only the working copy made just now is removed; it never looks like a backup.
        if (QFileInfo(working).isDir() && !QFileInfo(working).isSymLink())
            QDir(working).removeRecursively();
        return outcome;
    }
    outcome.ok = true;
    outcome.folder = finished;
    outcome.games = games;
    outcome.files = files;
    outcome.skipped = plan.skipped;
    return outcome;
}

BackupInfo ReadBackupInfo(const QString& backupFolder) {
    BackupInfo info;
    QStringList lines;
    if (!ReadTextLines(backupFolder + '/' + kBackupMarkerName, lines) || lines.size() < 4 ||
        lines[0] != kBackupMarkerTitle || !lines[1].startsWith(kMadeKey))
        return info;
    bool gamesOk = false;
    bool filesOk = false;
    info.games = CountInt(lines[2], kGamesKey, gamesOk);
    info.files = CountInt(lines[3], kFilesKey, filesOk);
    info.made = QDateTime::fromString(lines[1].mid(kMadeKey.size()), kMadeFormat);
    info.valid = gamesOk && filesOk && info.made.isValid();
    return info;
}

BackupOutcome RestoreDataRoot(const QString& backupFolder, const QString& dataRoot,
                              const QDateTime& now) {
    BackupOutcome outcome;
    if (!ReadBackupInfo(backupFolder).valid) {
        outcome.failure = QStringLiteral("「%1」はソラマメのバックアップではありません。")
                              .arg(QDir::toNativeSeparators(backupFolder));
        return outcome;
    }
    outcome.removedLeftovers =
        RemoveInterruptedLeftovers(dataRoot, QFileInfo(backupFolder).absolutePath());
    const QFileInfo root(dataRoot);
    const QString incoming = FreeName(root.absolutePath(), RestoreIncomingName(root.fileName()));
    const TreePlan plan = PlanTreeCopy(backupFolder, Bookkeeping(), QStringLiteral("バックアップ"));
    outcome.failure = MakeVerifiedCopy(plan, incoming);
    if (outcome.failure.isEmpty() && !WriteRestoreReadyMark(incoming, backupFolder))
        outcome.failure = QStringLiteral("「%1」を書けませんでした。").arg(kRestoreReadyMarkName);
    QString aside;
    if (outcome.failure.isEmpty())
        outcome.failure = SwitchDataRoot(incoming, dataRoot, now, aside);
    if (!outcome.failure.isEmpty()) {
        if (QFileInfo(incoming).isDir() && !QFileInfo(incoming).isSymLink())
            QDir(incoming).removeRecursively();
        return outcome;
    }
    outcome.ok = true;
    outcome.folder = aside;
    outcome.games = CountGames(dataRoot);
    outcome.files = static_cast<int>(plan.files.size());
    outcome.skipped = plan.skipped;
    return outcome;
}

}  // namespace store
