#include "board/form1.h"
#include "common/app_state.h"
#include "common/data_root.h"
#include "common/font_setup.h"
#include "common/platform_qt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("soramame"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ソラマメ Ｖ３．０ — 郵便碁の棋譜管理"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRootOption(QStringLiteral("data-root"),
                                            QStringLiteral("Keep the games in DIR."),
                                            QStringLiteral("DIR"));
    parser.addOption(dataRootOption);
    parser.process(app);

    QString dataRoot = parser.value(dataRootOption);
    if (dataRoot.isEmpty()) {
        dataRoot = common::ChooseDataRoot(
            QApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    } else {
        QDir().mkpath(dataRoot);
    }
    dataRoot = QDir(dataRoot).absolutePath();
    common::InstallShippedFiles(dataRoot);
    common::SubstituteWindowsFonts();

    common::AppState state;
    state.dataRoot = dataRoot;
    state.exportRoot = QDir::homePath();
    common::QtPlatform platform;
    board::Form1 form(state, platform);
    form.show();
    return app.exec();
}
