#include "admin/erase_window.h"
#include "admin/registration_window.h"
#include "app/batch_backup.h"
#include "app/batch_mode.h"
#include "app/due_games_notice.h"
#include "app/exit_when_shown.h"
#include "app/help_texts.h"
#include "app/instance_lock.h"
#include "board/main_window.h"
#include "common/app_state.h"
#include "common/data_root.h"
#include "common/font_setup.h"
#include "desktop/platform_qt.h"
#include "engine/dead_stone_proposal.h"
#include "engine/score_series.h"
#include "postcard/address_card_window.h"
#include "postcard/reply_card_window.h"
#include "store/display_settings.h"
#include "views/games_overview_window.h"
#include "views/results_summary_window.h"
#include "views/score_graph_window.h"
#include "views/text_window.h"
#include "widgets/keyboard_access.h"
#include "widgets/layout_scale.h"
#include "widgets/numeral_strips.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace {

void DescribeOptions(QCommandLineParser& parser, const QCommandLineOption& dataRoot,
                     bool withModes) {
    parser.setApplicationDescription(app::HelpDescription());
    parser.addHelpOption();
    parser.addVersionOption();
    app::DeclareOption(parser, dataRoot);
    app::DeclareOption(
        parser, {QStringLiteral("scale"),
                 QStringLiteral("Show every window at F times its size (0.7 to 2), instead of "
                                "the display size chosen in the options."),
                 QStringLiteral("F")});
    if (!withModes)
        return;
    for (const app::BatchMode& mode : app::BatchModes())
        mode.declareOptions(parser);
}

/// The parsed command line. A start of the window first tries the window's own options alone:
/// declaring every mode's options is a noticeable part of the start. Whatever they do not
/// cover (a mode's option without its mode, a mistyped option) is parsed again with every
/// option, and so answered as it always was.
std::unique_ptr<QCommandLineParser> ParseCommandLine(QCoreApplication& app,
                                                     const QCommandLineOption& dataRoot,
                                                     bool windowStart) {
    if (windowStart) {
        auto parser = std::make_unique<QCommandLineParser>();
        DescribeOptions(*parser, dataRoot, false);
        if (parser->parse(QCoreApplication::arguments()))
            return parser;
    }
    auto parser = std::make_unique<QCommandLineParser>();
    DescribeOptions(*parser, dataRoot, true);
    parser->process(app);
    return parser;
}

/// The registration window, made on the first use of its menu label.
void OfferRegistrationWindow(board::MainWindow& mainWindow) {
    mainWindow.SetWindowFactory(board::MenuRegistration, [](board::MainWindow& main) -> QWidget* {
        auto* window = new admin::RegistrationWindow(main.state(), main.platform(), &main);
        QObject::connect(window, &admin::RegistrationWindow::BoardColourChanged, &main,
                         &board::MainWindow::RefreshBoardColour);
        QObject::connect(window, &admin::RegistrationWindow::SettingsChanged, &main,
                         &board::MainWindow::DrawNumerals);
        return window;
    });
}

/// The erase, back-up and restore window, made on the first use of its menu label.
void OfferEraseWindow(board::MainWindow& mainWindow) {
    mainWindow.SetWindowFactory(board::MenuErase, [](board::MainWindow& main) -> QWidget* {
        return new admin::EraseWindow(main.state(), main.platform(), &main);
    });
}

/// The reply card window, made on the first use of its menu label; it builds the card for
/// the main window's chosen opponent and opens the address window through the menu.
void OfferReplyWindow(board::MainWindow& mainWindow) {
    mainWindow.SetWindowFactory(board::MenuReply, [](board::MainWindow& main) -> QWidget* {
        auto subject = [&main] {
            return postcard::ReplySubject{main.OpponentName(), main.GameNames()};
        };
        auto* window = new postcard::ReplyCardWindow(main.state(), main.platform(), &main, subject);
        QObject::connect(window, &postcard::ReplyCardWindow::AddressWindowRequested, &main,
                         [&main] { main.RunCommand(board::Panel::Menu, board::MenuAddress); });
        return window;
    });
}

/// The address card window, made on the first use of its menu label; it shows the address of
/// the main window's chosen opponent and opens the reply window through the menu.
void OfferAddressWindow(board::MainWindow& mainWindow) {
    mainWindow.SetWindowFactory(board::MenuAddress, [](board::MainWindow& main) -> QWidget* {
        auto* window = new postcard::AddressCardWindow(main.state(), main.platform(), &main);
        window->SetOpponentSource([&main] { return main.OpponentName(); });
        QObject::connect(window, &postcard::AddressCardWindow::ReplyWindowRequested, &main,
                         [&main] { main.RunCommand(board::Panel::Menu, board::MenuReply); });
        return window;
    });
}

/// The games overview and the results summary, each made on the first use of its menu label;
/// a game chosen in the overview is opened for recording in the main window.
void OfferOverviewWindows(board::MainWindow& mainWindow) {
    mainWindow.SetWindowFactory(board::MenuOverview, [](board::MainWindow& main) -> QWidget* {
        auto* window = new views::GamesOverviewWindow(main.state(), main.platform(), &main);
        QObject::connect(window, &views::GamesOverviewWindow::GameChosen, &main,
                         &board::MainWindow::OpenGameForRecording);
        return window;
    });
    mainWindow.SetWindowFactory(board::MenuResults, [](board::MainWindow& main) -> QWidget* {
        return new views::ResultsSummaryWindow(main.state(), &main);
    });
}

/// The score graph of a finished game, one window made on the first request; a move chosen
/// in it is shown in the main window's review.
void OfferScoreGraphWindow(board::MainWindow& mainWindow) {
    QObject::connect(
        &mainWindow, &board::MainWindow::ScoreGraphRequested, &mainWindow,
        [&mainWindow](const QString& recordPath, const QString& title) {
            auto* window = mainWindow.findChild<views::ScoreGraphWindow*>(
                QString(), Qt::FindDirectChildrenOnly);
            if (window == nullptr) {
                window = new views::ScoreGraphWindow(&mainWindow);
                QObject::connect(window, &views::ScoreGraphWindow::MoveChosen, &mainWindow,
                                 &board::MainWindow::ShowMoveInReview);
            }
            window->Start(
                recordPath, title,
                engine::EngineCommand(mainWindow.state().DataFile(engine::kEngineSettingsName)),
                engine::DefaultScoreCacheFolder());
            window->show();
            window->raise();
            window->activateWindow();
        });
}

/// Qt's own dialogs (file, print, standard buttons) speak Japanese when the system has Qt's
/// Japanese catalogue; without it they stay English and nothing is said.
void LoadQtJapanese(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

/// --help and --version print and end before any window system is needed.
bool AsksForTextOnly(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--help", "-h", "-?", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

/// A command-line mode does its job and returns the exit status; text goes out as UTF-8.
int RunBatchMode(const app::BatchMode& mode, const QString& dataRoot,
                 const QCommandLineParser& parser) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    return mode.run(app::BatchContext{dataRoot, parser, out, err});
}

/// The main window at 100 %, with room for its title bar, when shown at `scale` on a screen
/// `screenHeight` pixels high: on a screen short for the layout it leaves out the column
/// numerals.
QSize MainWindowSpace(int screenHeight, double scale) {
    const bool shortScreen = board::IsSmallScreen(qRound(screenHeight / scale));
    return QSize(800, (shortScreen ? 600 : 621) + 32);
}

/// The display size: --scale when given, else the one stored in the data root.
double WantedScale(const QCommandLineParser& parser, const QString& dataRoot) {
    bool ok = false;
    const double given = parser.value(QStringLiteral("scale")).toDouble(&ok);
    if (ok && given >= 0.7 && given <= 2.0)
        return given;
    return store::ReadDisplaySettings(dataRoot + '/' + store::kDisplaySettingsName).scalePercent /
           100.0;
}

/// Qt takes the scale only before the application object exists: the first one measures the
/// screen, and the application is made again at the size that fits it. Returns the notice to
/// show when the wanted size had to be reduced (once for each reduction).
QString ApplyDisplayScale(std::unique_ptr<QCoreApplication>& app, int& argc, char* argv[],
                          const QCommandLineParser& parser, const QString& dataRoot) {
    const double wanted = WantedScale(parser, dataRoot);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QSize available = screen->availableGeometry().size();
    const double scale = store::FittingScale(
        wanted, [&available](double at) { return MainWindowSpace(available.height(), at); },
        available);
    if (scale < 1.0) {
        // Qt's factor would shrink the windows but not what the widgets paint in them.
        widgets::SetLayoutScale(scale);
        QApplication::setFont(widgets::ScaledFont(QApplication::font()));
    } else if (scale != 1.0) {
        app.reset();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
        app = std::make_unique<QApplication>(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("soramame"));
        QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    }
    if (scale == wanted)
        return {};
    const QString path = dataRoot + '/' + store::kDisplaySettingsName;
    store::DisplaySettings settings = store::ReadDisplaySettings(path);
    const QString reduction =
        QStringLiteral("%1>%2").arg(qRound(wanted * 100)).arg(qRound(scale * 100));
    if (settings.shrinkNotice == reduction)
        return {};
    settings.shrinkNotice = reduction;
    store::WriteDisplaySettings(path, settings);
    return QStringLiteral("表示サイズ %1％ はこの画面に収まらないため、%2％ で表示します。")
        .arg(qRound(wanted * 100))
        .arg(qRound(scale * 100));
}

}  // namespace

int main(int argc, char* argv[]) {
    const app::BatchMode* batchMode = app::RequestedBatchMode(argc, argv);
    // Command-line modes that draw pages never show a window either: they run without a
    // display, whatever the environment says. The others need no window system at all.
    if (batchMode != nullptr && !batchMode->drawsNothing)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (AsksForTextOnly(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
        // Qt's own words in --help ("Usage:", "Options:", its help options) need translating.
        if (app::HelpSpeaksJapanese()) {
            LoadQtJapanese(*app);
            app::TranslateHelpOptions(*app);
        }
    } else if (batchMode != nullptr && batchMode->drawsNothing) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("soramame"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));

    const QCommandLineOption dataRootOption(QStringLiteral("data-root"),
                                            QStringLiteral("Keep the games in DIR."),
                                            QStringLiteral("DIR"));
    const std::unique_ptr<QCommandLineParser> parsed = ParseCommandLine(
        *app, dataRootOption, batchMode == nullptr && !AsksForTextOnly(argc, argv));
    const QCommandLineParser& parser = *parsed;

    QString dataRoot = parser.value(dataRootOption);
    if (dataRoot.isEmpty()) {
        // An installed program (its shipped files in ../share/soramame) keeps the games in the
        // documents folder, even where it could write beside itself (as root).
        const QString programFolder = QCoreApplication::applicationDirPath();
        const bool installed = QFileInfo::exists(programFolder + "/../share/soramame");
        const QString earlier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // A restore killed there must be finished first, or the data would seem to be gone.
        app::RecoverInterruptedRestoreAtStart(earlier, batchMode == nullptr);
        dataRoot = common::ChooseDataRoot(
            installed ? QString() : programFolder,
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), earlier);
    } else {
        QDir().mkpath(dataRoot);
    }
    dataRoot = QDir(dataRoot).absolutePath();
    // Before the lock and before the window makes files there: an empty data root may be
    // what a restore that was killed left in place of the data.
    app::RecoverInterruptedRestoreAtStart(dataRoot, batchMode == nullptr);
    if (batchMode == nullptr || !batchMode->drawsNothing)
        common::SubstituteWindowsFonts();
    app::DataRootLock lock(dataRoot);
    if (batchMode != nullptr) {
        // Modes that write share the window's lock; modes that only read run beside it.
        if (batchMode->writes) {
            const app::LockResult locked = lock.TryLock();
            if (locked.state != app::LockState::Taken) {
                QTextStream(stderr) << locked.problem << '\n';
                return locked.state == app::LockState::HeldElsewhere ? 3 : 1;
            }
        }
        return RunBatchMode(*batchMode, dataRoot, parser);
    }
    const QString scaleNotice = ApplyDisplayScale(app, argc, argv, parser, dataRoot);
    const app::LockResult locked = lock.TryLock();
    if (locked.state == app::LockState::HeldElsewhere) {
        // The player is told either way, or a start that seems to do nothing is tried again.
        const QString notice = app::BringRunningWindowToFront(dataRoot)
                                   ? app::BroughtForwardText(dataRoot)
                                   : locked.problem;
        common::QtPlatform().ShowMessage(notice, QStringLiteral("ソラマメ"),
                                         common::MessageButtons::Ok,
                                         common::MessageIcon::Information);
        return 0;
    }
    if (locked.state == app::LockState::Blocked) {
        common::QtPlatform().ShowMessage(locked.problem, QStringLiteral("ソラマメ"),
                                         common::MessageButtons::Ok, common::MessageIcon::Warning);
        return 1;
    }
    // A data root that cannot be written still opens for reading; the window says so.
    common::InstallShippedFiles(dataRoot);

    // Enter presses the focused button in every window; scroll bars keep their keys.
    widgets::InstallKeyboardAccess(*app);

    // The numeral strips are drawn once and kept for later starts.
    board::SetNumeralStripCacheFolder(
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    common::AppState state;
    state.dataRoot = dataRoot;
    state.exportRoot = QDir::homePath();
    common::QtPlatform platform;
    LoadQtJapanese(*app);
    platform.SetEditorFallback(
        [&platform](const QString& path) { views::ShowTextWindow(path, platform); });
    board::MainWindow form(state, platform);
    views::SettleTextWindowsWhenHidden(form, platform);
    OfferRegistrationWindow(form);
    OfferEraseWindow(form);
    OfferReplyWindow(form);
    OfferAddressWindow(form);
    OfferOverviewWindows(form);
    OfferScoreGraphWindow(form);
    // The start-up benchmark times the program up to its first painted window.
    if (qEnvironmentVariableIsSet("SORAMAME_EXIT_WHEN_SHOWN"))
        common::ExitWhenFirstPainted(form);
    form.show();
    app::ListenForLaterStarts(dataRoot, &form);
    if (!scaleNotice.isEmpty())
        platform.ShowMessage(scaleNotice, QStringLiteral("表示サイズ"), common::MessageButtons::Ok,
                             common::MessageIcon::Information);
    app::NoticeDueGamesAfterStart(form, state, platform);
    return app->exec();
}
