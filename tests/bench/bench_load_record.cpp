// Times loading a 440-row record from disk and rebuilding its final position.
#include "go/board_model.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TempRoot root;
    const QString path = root.File("game.txt");
    QStringList lines{store::HeaderLine(QDate(2002, 12, 7), 1, 31, true)};
    for (int n = 1; n <= store::kMaxRows; ++n) {
        const int x = (n * 7) % 19 + 1;
        const int y = (n * 11 + n / 19) % 19 + 1;
        lines.append(
            store::RecordLine(QStringLiteral("12-07-2002"), n, x, y, QStringLiteral("右上隅小目")));
    }
    store::WriteTextLines(path, lines);

    go::BoardModel model;
    constexpr int kRounds = 2000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i)
        model.ShowRecord(path);
    const double perLoad = double(timer.nsecsElapsed()) / kRounds / 1e6;
    std::printf("load + rebuild of a %d-row record: %.3f ms\n", model.table().savedRowCount,
                perLoad);
    return 0;
}
