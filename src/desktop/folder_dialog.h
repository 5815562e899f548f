#pragma once

#include <QString>

class QWidget;

namespace common {

/// Asks for a folder (backup target, backup to restore, old data folder). The dialog starts in
/// the folder chosen last, remembered in the program's settings file, else in the documents
/// folder; a path typed into its box chooses exactly that folder. Empty when cancelled.
QString AskFolder(QWidget* parent, const QString& title);

/// The folder a typed text names, relative to the folder the dialog shows ("~" is the home
/// folder); empty unless that folder exists.
QString TypedFolder(const QString& typed, const QString& shownFolder);

}  // namespace common
