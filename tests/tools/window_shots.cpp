// Saves a picture of every window of the program on a fixed data root, so that a change meant
// to leave the windows as they are can be checked pixel by pixel:
//   window_shots OUTPUT_FOLDER
// writes one PNG per window (main window in its three modes, registration, board colour,
// reply card, address card, erase, games overview, results summary, text window, kifu
// figures dialog). Run it before and after the change and compare the pairs.
#include "admin/board_colour_window.h"
#include "admin/erase_window.h"
#include "admin/registration_window.h"
#include "board/kifu_figures_dialog.h"
#include "board/main_window.h"
#include "common/app_state.h"
#include "common/cp932_codec.h"
#include "common/font_setup.h"
#include "postcard/address_card_window.h"
#include "postcard/reply_card_window.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/record_lines.h"
#include "views/games_overview_window.h"
#include "views/results_summary_window.h"
#include "views/text_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextStream>

#include <cstdio>

namespace {

/// The data root is always the same folder, so that nothing a window shows depends on it.
const QString kDataRoot = QDir::tempPath() + QStringLiteral("/soramame_window_shots");

bool WriteFile(const QString& relative, const QByteArray& bytes) {
    const QString path = kDataRoot + '/' + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// Three opponents: a long game with a ko fight, a short handicap game, a backed-up game.
bool MakeDataRoot() {
    QDir(kDataRoot).removeRecursively();
    QFile longGame(QStringLiteral(SHOTS_GAME_FILE));
    if (!longGame.open(QIODevice::ReadOnly))
        return false;
    const QByteArray white("\x94\x92");  // 白
    const QByteArray black("\x8d\x95");  // 黒
    const QByteArray handicapGame = Line("2002/11/30", -2, 3, 20, white, 1) +
                                    Line("11-30-2002", -1, 4, 4) + Line("11-30-2002", 0, 16, 16) +
                                    Line("12-04-2002", 1, 16, 4) + Line("12-07-2002", 2, 3, 16);
    const QByteArray shortGame = Line("2002/10/01", 0, 1, 31, black, 1) +
                                 Line("10-01-2002", 1, 16, 4) + Line("10-05-2002", 2, 4, 16);
    const QByteArray results = common::EncodeCp932(
        QStringLiteral("佐藤 01局 互先(黒) コミ黒６目半 [黒1目半負け] 2002/12/07\r\n"
                       "鈴木 02局 ２子(白) コミなし [白3目勝ち] 2003/01/10\r\n"));
    return WriteFile(QStringLiteral("対局中棋譜/佐藤/01.txt"), longGame.readAll()) &&
           WriteFile(QStringLiteral("対局中棋譜/佐藤/02.txt"), shortGame) &&
           WriteFile(QStringLiteral("対局中棋譜/鈴木/01.txt"), handicapGame) &&
           WriteFile(QStringLiteral("退避後棋譜/田中/旧局.txt"), shortGame) &&
           WriteFile(QStringLiteral("対戦記録.txt"), results);
}

/// Shows the window, lets it settle and saves its picture as NAME.png.
bool Shoot(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(200);
    const bool saved = window.grab().save(folder + '/' + name + QStringLiteral(".png"));
    window.hide();
    QTest::qWait(50);
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: window_shots OUTPUT_FOLDER\n";
        return 2;
    }
    const QString folder = arguments[1];
    QDir().mkpath(folder);
    if (!MakeDataRoot()) {
        err << "cannot make the data root " << kDataRoot << '\n';
        return 1;
    }
    common::SubstituteWindowsFonts();
    common::AppState state;
    store::StartStore(state, kDataRoot);
    FakePlatform platform;  // the date is fixed; message boxes are answered OK
    QStringList failed;
    auto shoot = [&](QWidget& window, const QString& name) {
        if (!Shoot(window, folder, name))
            failed.append(name);
    };

    board::MainWindow main(state, platform);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        failed.append(QStringLiteral("main"));
    auto* opponents = main.findChild<QComboBox*>(QStringLiteral("Combo1"));
    opponents->setCurrentIndex(0);
    emit opponents->activated(0);
    main.findChild<QListWidget*>(QStringLiteral("List2"))->setCurrentRow(0);
    const QStringList modes{QStringLiteral("main_recording"), QStringLiteral("main_review"),
                            QStringLiteral("main_printing")};
    for (int mode = board::MenuRecording; mode <= board::MenuPrinting; ++mode) {
        main.RunCommand(board::Panel::Menu, mode);
        shoot(main, modes[mode]);
        main.show();
    }

    admin::RegistrationWindow registration(state, platform, &main);
    shoot(registration, QStringLiteral("registration"));
    admin::BoardColourWindow boardColour(state, platform, &main);
    shoot(boardColour, QStringLiteral("board_colour"));
    postcard::ReplyCardWindow reply(state, platform, &main, [] {
        return postcard::ReplySubject{QStringLiteral("佐藤"), {QStringLiteral("01")}};
    });
    shoot(reply, QStringLiteral("reply_card"));
    postcard::AddressCardWindow address(state, platform, &main);
    address.SetOpponentSource([] { return QStringLiteral("佐藤"); });
    shoot(address, QStringLiteral("address_card"));
    admin::EraseWindow erase(state, platform, &main);
    shoot(erase, QStringLiteral("erase"));
    views::GamesOverviewWindow overview(state, platform, &main);
    shoot(overview, QStringLiteral("games_overview"));
    views::ResultsSummaryWindow summary(state);
    shoot(summary, QStringLiteral("results_summary"));
    views::TextWindow text(kDataRoot + QStringLiteral("/対戦記録.txt"), platform);
    shoot(text, QStringLiteral("text_window"));
    board::KifuFiguresDialog figures(false, &main);  // no score graph kept for the game
    shoot(figures, QStringLiteral("kifu_figures_dialog"));

    if (!failed.isEmpty()) {
        err << "not saved: " << failed.join(' ') << '\n';
        return 1;
    }
    return 0;
}
