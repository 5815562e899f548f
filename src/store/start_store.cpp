#include "store/start_store.h"

#include "store/folder_tree.h"
#include "store/settings_file.h"
#include "store/text_file.h"

#include <QDir>
#include <QTemporaryFile>

namespace store {
namespace {

/// Sweeps `folder` and every folder below it that is not hidden; a linked folder is swept
/// but not entered.
void RemoveSaveLeftoversUnder(const QString& folder) {
    QStringList below;
    QStringList linked;
    VisitFolderEntries(folder, [&](const QString& name, EntryKind kind) {
        if (kind == EntryKind::Other) {
            RemoveIfSaveLeftover(folder, name, kind);
        } else if (!name.startsWith(QLatin1Char('.'))) {
            (kind == EntryKind::Folder ? below : linked).append(folder + '/' + name);
        }
    });
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
    state.replyStale = false;
    ReadSettings(state.DataFile(kSettingsFileName), state.settings);
    RemoveSaveLeftoversUnder(dataRoot);
}

bool FolderWritable(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

}  // namespace store
