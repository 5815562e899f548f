#include "store/data_root_backup.h"

#include "store/folder_tree.h"
#include "store/text_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace store {
namespace {

const QString kMadeKey = QStringLiteral("作成日時=");
const QString kGamesKey = QStringLiteral("棋譜数=");
const QString kFilesKey = QStringLiteral("ファイル数=");
const QString kMadeFormat = QStringLiteral("yyyy/MM/dd HH:mm");

/// The files and folders under `root`, relative to it, hidden ones included; `skipped` names
/// top-level entries that do not belong to the copy.
void ListTree(const QString& root, const QStringList& skipped, QStringList& folders,
              QStringList& files) {
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        if (skipped.contains(relative.section('/', 0, 0)))
            continue;
        if (it.fileInfo().isDir() && !it.fileInfo().isSymLink())
            folders << relative;
        else if (it.fileInfo().isFile())
            files << relative;
    }
    folders.sort();
    files.sort();
}

bool SameBytes(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    return first.readAll() == second.readAll();
}

/// Copies the tree into `to` (which must not exist yet) and compares every file after the
/// copy. Returns the failure text, empty on success; `fileCount` gets the files copied.
QString CopyAndVerify(const QString& fromFolder, const QString& to, const QStringList& skipped,
                      int& fileCount) {
    const QString from = QFileInfo(fromFolder).absoluteFilePath();
    QStringList folders;
    QStringList files;
    ListTree(from, skipped, folders, files);
    if (!QDir().mkpath(to))
        return QStringLiteral("フォルダ「%1」を作れませんでした。")
            .arg(QDir::toNativeSeparators(to));
    for (const QString& folder : folders) {
        if (!QDir(to).mkpath(folder))
            return QStringLiteral("フォルダ「%1」を作れませんでした。").arg(folder);
    }
    for (const QString& file : files) {
        if (!CopyFileAtomically(from + '/' + file, to + '/' + file))
            return QStringLiteral(
                       "「%1」をコピーできませんでした（空き容量が足りない、"
                       "または書き込みが許されていません）。")
                .arg(file);
    }
    for (const QString& file : files) {
        if (!SameBytes(from + '/' + file, to + '/' + file))
            return QStringLiteral("「%1」のコピーが元のファイルと一致しません。").arg(file);
    }
    fileCount = static_cast<int>(files.size());
    return {};
}

/// A name in `parent` that is not taken yet: `name`, else `name_2`, `name_3`, ...
QString FreeName(const QString& parent, const QString& name) {
    QString candidate = name;
    for (int n = 2; QFileInfo::exists(parent + '/' + candidate); ++n)
        candidate = name + QStringLiteral("_%1").arg(n);
    return parent + '/' + candidate;
}

bool IsInside(const QString& folder, const QString& root) {
    const QString f = QFileInfo(folder).absoluteFilePath() + '/';
    const QString r = QFileInfo(root).absoluteFilePath() + '/';
    return f.startsWith(r);
}

int CountInt(const QString& line, const QString& key, bool& ok) {
    return line.startsWith(key) ? line.mid(key.size()).toInt(&ok) : (ok = false, 0);
}

}  // namespace

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
    const QString name = kBackupFolderPrefix + now.toString(QStringLiteral("yyyyMMdd_HHmm"));
    const QString working = FreeName(targetFolder, QStringLiteral(".作成中_") + name);
    int files = 0;
    outcome.failure = CopyAndVerify(dataRoot, working, {kInstanceLockName}, files);
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
        QDir(working).removeRecursively();
        return outcome;
    }
    outcome.ok = true;
    outcome.folder = finished;
    outcome.games = games;
    outcome.files = files;
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
    const QFileInfo root(dataRoot);
    const QString parent = root.absolutePath();
    const QString incoming = FreeName(parent, root.fileName() + QStringLiteral("_戻し中"));
    int files = 0;
    outcome.failure = CopyAndVerify(backupFolder, incoming, {kBackupMarkerName}, files);
    if (!outcome.failure.isEmpty()) {
        QDir(incoming).removeRecursively();
        return outcome;
    }
    const QString aside = FreeName(
        parent, root.fileName() + now.toString(QStringLiteral("'_戻す前_'yyyyMMdd_HHmmss")));
    const bool hadDataRoot = root.exists();
    if (hadDataRoot && !QDir().rename(root.absoluteFilePath(), aside)) {
        QDir(incoming).removeRecursively();
        outcome.failure = QStringLiteral("今のデータフォルダ「%1」を移せませんでした。")
                              .arg(QDir::toNativeSeparators(dataRoot));
        return outcome;
    }
    if (!QDir().rename(incoming, root.absoluteFilePath())) {
        QDir().rename(aside, root.absoluteFilePath());  // the old data root goes back in place
        outcome.failure =
            QStringLiteral("フォルダ名を「%1」に変えられませんでした。").arg(root.fileName());
        return outcome;
    }
    // The lock of the running program belongs to the data root's path, not to the old files.
    QFile::rename(aside + '/' + kInstanceLockName, dataRoot + '/' + kInstanceLockName);
    outcome.ok = true;
    outcome.folder = hadDataRoot ? aside : QString();
    outcome.games = CountGames(dataRoot);
    outcome.files = files;
    return outcome;
}

}  // namespace store
