#include "store/folder_tree.h"

#include <QDir>

namespace store {

QStringList ListOpponents(const QString& gamesFolder) {
    if (gamesFolder.isEmpty())
        return {};
    return QDir(gamesFolder)
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList ListGames(const QString& gamesFolder, const QString& opponent) {
    if (gamesFolder.isEmpty() || opponent.isEmpty())
        return {};
    QStringList games =
        QDir(gamesFolder + "/" + opponent)
            .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (QString& game : games)
        game.chop(4);
    return games;
}

}  // namespace store
