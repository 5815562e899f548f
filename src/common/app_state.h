#pragma once

#include "common/settings.h"

#include <QString>

namespace common {

/// The values the windows share for the whole run. One instance is made by main (or by a
/// test, on its own temporary data root) and handed to every window.
struct AppState {
    QString dataRoot;
    QString inProgressFolder;  // dataRoot + "/対局中棋譜"
    QString backedUpFolder;    // dataRoot + "/退避後棋譜"
    QString currentGamesFolder;
    QString exportRoot;  // parent of the sibling program's tree "_1クルミ棋譜"

    /// The shared selection: opponent and game index in the current lists, -1 for none.
    int selectedOpponentIndex = -1;
    int selectedGameIndex = -1;
    /// True when the reply card's text must be built anew from the records.
    bool replyStale = false;

    Settings settings;

    QString DataFile(const QString& name) const { return dataRoot + "/" + name; }
    QString RecordPath(const QString& opponent, const QString& game) const {
        return currentGamesFolder + "/" + opponent + "/" + game + ".txt";
    }
};

}  // namespace common
