// Times choosing a game of 440 rows until its board is fully drawn: load, rebuild, drawing.
#include "bench_games.h"
#include "common/font_setup.h"
#include "go/board_model.h"
#include "testing/temp_root.h"
#include "widgets/board_picture.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    common::SubstituteWindowsFonts();
    TempRoot root;
    const QString path = root.File("game.txt");
    WriteSpreadGame(path, store::kMaxRows);

    board::BoardPicture picture;
    go::BoardModel model(&picture);
    model.options().numbersWhileRecording = qEnvironmentVariableIsEmpty("NO_NUMBERS");
    model.ShowRecord(path);  // warm the font caches once

    constexpr int kRounds = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i) {
        picture.DrawBoard();
        model.ShowRecord(path);
    }
    const double perGame = double(timer.nsecsElapsed()) / kRounds / 1e6;
    std::printf("choose a %d-row game until its board is drawn: %.2f ms\n",
                model.table().savedRowCount, perGame);
    return 0;
}
