#include "testing/board_text.h"

#include <QString>
#include <QStringList>

go::BoardGrid BoardFromText(const char* picture) {
    go::BoardGrid grid;
    int nextBlack = 1;
    int nextWhite = 2;
    int y = 0;
    for (QString line : QString::fromUtf8(picture).split('\n')) {
        line.remove(' ');
        if (line.isEmpty())
            continue;
        ++y;
        for (int i = 0; i < line.size() && i < go::kBoardSize; ++i) {
            const int x = i + 1;
            switch (line[i].toLatin1()) {
                case 'X':
                    grid.Set(x, y, qint16(nextBlack));
                    nextBlack += 2;
                    break;
                case 'O':
                    grid.Set(x, y, qint16(nextWhite));
                    nextWhite += 2;
                    break;
                case 'H':
                    grid.Set(x, y, 0);
                    break;
                default:
                    break;
            }
        }
    }
    return grid;
}
