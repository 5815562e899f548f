#include "store/start_store.h"

#include "store/folder_tree.h"
#include "store/settings_file.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>

namespace store {
namespace {

enum class EntryKind { Folder, LinkedFolder, Other };

/// What a directory entry is, with a look at the disk only when the entry does not say.
EntryKind KindOf(const QByteArray& path, unsigned char type) {
    if (type == DT_DIR)
        return EntryKind::Folder;
    if (type != DT_LNK && type != DT_UNKNOWN)
        return EntryKind::Other;
    struct stat info {};
    if (lstat(path.constData(), &info) != 0)
        return EntryKind::Other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(info.st_mode) && stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return EntryKind::LinkedFolder;
    return EntryKind::Other;
}

/// Sweeps `folder` and every folder below it that is not hidden; a linked folder is swept
/// but not entered. One plain readdir a folder: every start walks the whole tree, and Qt's
/// listing, which builds a file information object for every entry, costs ten times as much.
void RemoveSaveLeftoversUnder(const QString& folder) {
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr)
        return;
    QStringList below;
    QStringList linked;
    while (const dirent* entry = readdir(dir)) {
        // Most entries are games: a file whose name has no dot seventh from the end (the
        // suffix of a leftover is plain ASCII) is passed over before its name is decoded.
        const size_t length = std::strlen(entry->d_name);
        if (entry->d_type == DT_REG && (length < 8 || entry->d_name[length - 7] != '.'))
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        const QString path = folder + '/' + name;
        const EntryKind kind = KindOf(QFile::encodeName(path), entry->d_type);
        if (kind == EntryKind::Other) {
            if (IsSaveLeftover(name))
                QFile::remove(path);
        } else if (!name.startsWith(QLatin1Char('.'))) {
            (kind == EntryKind::Folder ? below : linked).append(path);
        }
    }
    closedir(dir);
    for (const QString& path : below)
        RemoveSaveLeftoversUnder(path);
    for (const QString& path : linked)
        RemoveSaveLeftovers(path);
}

}  // namespace

void StartStore(common::AppState& state, const QString& dataRoot) {
    state.dataRoot = dataRoot;
    state.inProgressFolder = dataRoot + "/" + kInProgressFolderName;
    state.backedUpFolder = dataRoot + "/" + kBackedUpFolderName;
    QDir().mkpath(state.inProgressFolder);
    QDir().mkpath(state.backedUpFolder);
    QDir().mkpath(dataRoot + "/" + kAddressFolderName);

    state.currentGamesFolder = state.inProgressFolder;
    state.selectedGameIndex = -1;
    state.replyStale = 0;
    ReadSettings(state.DataFile(kSettingsFileName), state.settings);
    RemoveSaveLeftoversUnder(dataRoot);
}

bool FolderWritable(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

}  // namespace store
