#pragma once

#include <QString>
#include <QStringList>

namespace store {

inline const QString kInProgressFolderName = QStringLiteral("対局中棋譜");
inline const QString kBackedUpFolderName = QStringLiteral("退避後棋譜");
inline const QString kAddressFolderName = QStringLiteral("Address");
inline const QString kSettingsFileName = QStringLiteral("KurumiSet.dat");
inline const QString kUndoCopyName = QStringLiteral("Tmp.txt");
inline const QString kTermListName = QStringLiteral("用語.txt");

/// The opponents of a games folder: its sub-folders, in the listing's alphabetical order.
QStringList ListOpponents(const QString& gamesFolder);
/// The games of one opponent: the "*.txt" files of its folder without ".txt".
QStringList ListGames(const QString& gamesFolder, const QString& opponent);

}  // namespace store
