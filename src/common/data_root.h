#pragma once

#include <QString>
#include <QStringList>

namespace common {

/// The name of the data folder an installed program keeps in the player's documents folder.
inline const QString kDocumentsDataFolderName = QStringLiteral("ソラマメ");

/// The folder that holds the player's data: the program's own folder when it can be written
/// to (a portable copy; empty `programFolder` for an installed program), else a visible
/// folder "ソラマメ" in the documents folder, where the player finds it to copy and back up.
/// Earlier versions kept the data in the hidden per-user data folder: where that holds the
/// player's data, it stays in use, never moved behind the player's back.
QString ChooseDataRoot(const QString& programFolder, const QString& documentsFolder,
                       const QString& earlierUserDataFolder);

/// Whether a folder holds anything of the player's: a file other than the shipped texts and
/// the program's lock. Empty folders do not count.
bool HoldsPlayerData(const QString& folder);

/// The help texts and the term list shipped with the program.
QStringList ShippedDataFiles();
/// Copies every shipped file that the data root lacks, as CP932 with CR LF. Files that are
/// there already are never touched: the player may have edited them.
void InstallShippedFiles(const QString& dataRoot);

}  // namespace common
