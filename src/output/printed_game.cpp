#include "output/printed_game.h"

#include "store/folder_tree.h"

#include <QFileInfo>

namespace output {

bool ParseGameName(const QString& text, GameName& name) {
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0 || slash == text.size() - 1)
        return false;
    name.opponent = text.left(slash);
    name.game = text.mid(slash + 1);
    // A name that climbs out of the games folder names no game.
    return !name.opponent.contains(QStringLiteral("..")) &&
           !name.game.contains(QStringLiteral(".."));
}

QString FindRecordFile(const QString& dataRoot, const GameName& name) {
    for (const QString& folder : {store::kInProgressFolderName, store::kBackedUpFolderName}) {
        const QString path = dataRoot + QLatin1Char('/') + folder + QLatin1Char('/') +
                             name.opponent + QLatin1Char('/') + name.game + QStringLiteral(".txt");
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

int RowAfterMove(const store::RecordTable& table, int move) {
    const int lastRow = qMin(table.lastRow, store::kMaxRows);
    int found = 0;
    for (int r = 1; r <= lastRow; ++r) {
        const store::RecordRow& row = table.rows[size_t(r)];
        if (found == 0) {
            if (row.IsPlacement() && row.number == move)
                found = r;
        } else if (row.IsPlacement()) {
            return r - 1;
        }
    }
    return found == 0 ? 0 : lastRow;
}

}  // namespace output
