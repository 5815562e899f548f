#include "store/start_store.h"

#include "store/folder_tree.h"
#include "store/settings_file.h"

#include <QDir>

namespace store {

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
}

}  // namespace store
