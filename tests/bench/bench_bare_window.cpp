// The floor for the start-up benchmark: a bare Qt window showing one Japanese label, ended
// the moment it is first painted, exactly as the program is under SORAMAME_EXIT_WHEN_SHOWN.
#include "app/exit_when_shown.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("ソラマメ　郵便碁の棋譜"));
    label.resize(800, 621);
    common::ExitWhenFirstPainted(label);
    label.show();
    return app.exec();
}
