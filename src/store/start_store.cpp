#include "store/start_store.h"

#include "store/folder_tree.h"
#include "store/settings_file.h"
#include "store/text_file.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryFile>

namespace store {
namespace {

void RemoveSaveLeftoversUnder(const QString& root) {
    RemoveSaveLeftovers(root);
    QDirIterator folders(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (folders.hasNext())
        RemoveSaveLeftovers(folders.next());
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
