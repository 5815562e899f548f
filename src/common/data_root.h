#pragma once

#include <QString>
#include <QStringList>

namespace common {

/// The folder that holds the player's data: the program's own folder when it can be
/// written to (a portable install), else the per-user data folder.
QString ChooseDataRoot(const QString& programFolder, const QString& userDataFolder);

/// The help texts and the term list shipped with the program.
QStringList ShippedDataFiles();
/// Copies every shipped file that the data root lacks, as CP932 with CR LF. Files that are
/// there already are never touched: the player may have edited them.
void InstallShippedFiles(const QString& dataRoot);

}  // namespace common
