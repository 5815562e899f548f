// Times choosing a game of 440 rows until its board is fully drawn: load, rebuild, drawing.
#include "board/board_picture.h"
#include "common/font_setup.h"
#include "go/board_model.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    common::SubstituteWindowsFonts();
    TempRoot root;
    const QString path = root.File("game.txt");
    QStringList lines{store::HeaderLine(QDate(2002, 12, 7), 1, 31, true)};
    for (int n = 1; n <= store::kMaxRows; ++n) {
        // Spread the stones over every point, so that the rebuild draws numbers and erases.
        const int x = (n * 7) % 19 + 1;
        const int y = (n * 11 + n / 19) % 19 + 1;
        lines.append(store::RecordLine(QStringLiteral("12-07-2002"), n, x, y, QString()));
    }
    store::WriteTextLines(path, lines);

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
