// Times what the player waits for after a click on a long game: a step forward or back, the
// position at a typed move number, and the reply text of an opponent with many games. Each
// step includes the board's repaint, as the window shows it.
#include "bench_games.h"
#include "cards/reply_text.h"
#include "common/font_setup.h"
#include "go/board_model.h"
#include "testing/temp_root.h"
#include "widgets/board_picture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

/// Milliseconds per call of `work`, over `rounds` calls.
double MillisecondsPer(int rounds, const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work();
    return double(timer.nsecsElapsed()) / rounds / 1e6;
}

void TimeSteps(const QString& path) {
    board::BoardPicture picture;
    picture.show();
    QCoreApplication::processEvents();  // exposed, so that repaint() really paints
    go::BoardModel model(&picture);
    model.SetMode(go::Mode::Review);
    model.options().numbersWhileRecording = true;
    model.ShowRecord(path);
    const int rows = model.table().savedRowCount;
    int stepped = 0;
    const double back = MillisecondsPer(rows, [&] {
        stepped += model.StepBack() == go::StepResult::Stepped;
        picture.repaint();
    });
    const double forward = MillisecondsPer(rows, [&] {
        stepped += model.StepForward() == go::StepResult::Stepped;
        picture.repaint();
    });
    if (stepped != 2 * rows)
        std::printf("only %d of %d steps were taken\n", stepped, 2 * rows);
    std::printf("step back, %d-row game, drawn\t%.3f ms\t<= 1 ms\n", rows, back);
    std::printf("step forward, %d-row game, drawn\t%.3f ms\t<= 1 ms\n", rows, forward);
    for (int move : {1, 220, rows}) {
        const double shown = MillisecondsPer(50, [&] {
            model.ShowFromMove(move);
            picture.repaint();
        });
        std::printf("show the position at move %d, drawn\t%.3f ms\t<= 5 ms\n", move, shown);
    }
}

void TimeReplyText(const TempRoot& root) {
    const QString folder = root.File(QStringLiteral("games"));
    const QString opponent = QStringLiteral("相手");
    QDir().mkpath(folder + '/' + opponent);
    QStringList games;
    for (int i = 1; i <= 100; ++i) {
        games.append(QString::number(i).rightJustified(3, '0'));
        WriteSpreadGame(folder + '/' + opponent + '/' + games.last() + ".txt", 300);
    }
    const double ms = MillisecondsPer(
        20, [&] { postcard::BuildReplyText(opponent, games, folder, QDate(2026, 12, 8)); });
    std::printf("reply text, 100 games of 300 rows\t%.3f ms\t<= 20 ms\n", ms);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    common::SubstituteWindowsFonts();
    TempRoot root;
    const QString path = root.File("game.txt");
    WriteSpreadGame(path, store::kMaxRows);
    TimeSteps(path);
    TimeReplyText(root);
    return 0;
}
