// The SGF buttons of the registration window: reading a file into a new game under the typed
// names and colour, and writing the listed games, with their messages.
#include "admin/registration_window.h"
#include "common/font_setup.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

struct Window {
    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    QWidget main;
    std::unique_ptr<admin::RegistrationWindow> form;
    QString chosenFile;
    QList<bool> chooserSaves;

    Window() {
        store::StartStore(state, root.path());
        state.exportRoot = root.path();
        form = std::make_unique<admin::RegistrationWindow>(state, platform, &main);
        form->SetSgfFileChooser([this](bool save, const QString&) {
            chooserSaves << save;
            return chosenFile;
        });
    }
    template <typename Control>
    Control* Find(const char* name) const {
        return FindControl<Control>(*form, QLatin1String(name));
    }
};

}  // namespace

class TestRegistrationWindowSgf : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void importThenExport() {
        Window w;
        w.root.Write("in.sgf", "(;FF[4]DT[2026-10-01]KM[6.5];B[pd];W[];B[dd])");
        w.form->show();
        w.Find<QLineEdit>("Text1")->setText("相手");
        w.Find<QLineEdit>("Text2")->setText("一");
        w.Find<QListWidget>("List3")->setCurrentRow(1);
        w.chosenFile = w.root.File("in.sgf");
        w.Find<QPushButton>("Command7")->click();
        QCOMPARE(w.chooserSaves, QList<bool>{false});
        QCOMPARE(w.platform.messages.last().title, QStringLiteral("SGF読込"));
        QCOMPARE(w.platform.messages.last().text,
                 QStringLiteral("パス（1回）は棋譜に書けないため飛ばしました。\n"
                                "相手 さんの 一 局を SGF から読み込みました（2行）。"));
        QCOMPARE(w.root.Read("対局中棋譜/相手/一.txt").left(30),
                 QByteArray("2026/10/01, 0 , 1 , 33 ,\x94\x92    "));
        QCOMPARE(Items(w.Find<QListWidget>("List1")), QStringList{"相手"});
        QCOMPARE(Items(w.Find<QListWidget>("List2")), QStringList{"一"});

        // The same names again: refused, the record kept.
        w.Find<QPushButton>("Command7")->click();
        QCOMPARE(w.platform.messages.last().text,
                 QStringLiteral("相手 さんの 一 局はすでにあります。別の対局名にしてください。"));

        w.Find<QListWidget>("List1")->setCurrentRow(0);
        w.Find<QListWidget>("List2")->setCurrentRow(0);
        w.chosenFile = w.root.File("out.sgf");
        w.Find<QPushButton>("Command8")->click();
        QCOMPARE(w.platform.messages.last().text, w.root.File("out.sgf") + " に書き出しました。");
        QCOMPARE(QString::fromUtf8(w.root.Read("out.sgf")),
                 QStringLiteral("(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]PB[相手]PW[自分]"
                                "KM[6.5]DT[2026-10-01]\n;B[pd]\n;B[dd])\n"));
    }

    void exportNeedsAnOpponent() {
        Window w;
        w.form->show();
        w.Find<QPushButton>("Command8")->click();
        QVERIFY(w.chooserSaves.isEmpty());
        QCOMPARE(w.platform.messages.last().text,
                 QStringLiteral("書き出す対局をリストで選んでください。"));
    }
};

QTEST_MAIN(TestRegistrationWindowSgf)
#include "test_registration_window_sgf.moc"
