#include "store/start_store.h"

#include "store/folder_tree.h"
#include "store/settings_file.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <dirent.h>
#include <sys/stat.h>

namespace store {
namespace {

/// Sweeps `folder` and every folder below it that is not hidden; a linked folder is swept
/// but not entered. Plain readdir, as in RemoveSaveLeftovers: every start walks the whole tree.
void RemoveSaveLeftoversUnder(const QString& folder) {
    RemoveSaveLeftovers(folder);
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr)
        return;
    QStringList below;
    QStringList linked;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')  // hidden, and "." and ".."
            continue;
        const QString path = folder + '/' + QFile::decodeName(entry->d_name);
        struct stat info {};
        if (entry->d_type == DT_DIR) {
            below.append(path);
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            const QByteArray local = QFile::encodeName(path);
            if (lstat(local.constData(), &info) == 0 && S_ISDIR(info.st_mode))
                below.append(path);
            else if (S_ISLNK(info.st_mode) && stat(local.constData(), &info) == 0 &&
                     S_ISDIR(info.st_mode))
                linked.append(path);
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
