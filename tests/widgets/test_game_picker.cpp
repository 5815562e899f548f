// The game picker on a data root: restoring the shared selection, choosing by name and by the
// player's keys, switching folders, with either opponent control and either value of each rule.
#include "common/font_setup.h"
#include "store/start_store.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"
#include "widgets/board_picture.h"
#include "widgets/game_picker.h"

#include <QComboBox>
#include <QListWidget>
#include <QtTest>

#include <memory>

using widgets::GameIndexOnNewOpponent;
using widgets::GamePicker;
using widgets::StoredOpponentMissing;

Q_DECLARE_METATYPE(GameIndexOnNewOpponent)
Q_DECLARE_METATYPE(StoredOpponentMissing)

namespace {

const QByteArray kEvenGame = "2001/01/01, 0 , 1 , 31 ,\x8d\x95                             \r\n";
const QByteArray kHandicapGame =
    "2001/01/01,-3 , 4 , 25 ,\x94\x92                             \r\n"
    "12-07-2002, 1 , 16 , 4 ,                              \r\n";

/// A picker on 佐藤 (01) and 山田 (01, 02) in progress and 鈴木 (05) backed up: with a
/// drop-down list and no board as the main window has, else with two lists and a small board.
struct Picker {
    TempRoot root;
    common::AppState state;
    QWidget window;
    QWidget* opponents = nullptr;
    QListWidget* games = new QListWidget(&window);
    std::unique_ptr<GamePicker> picker;

    Picker(bool combo, GameIndexOnNewOpponent onNewOpponent, StoredOpponentMissing whenMissing) {
        store::StartStore(state, root.path());
        root.Write("対局中棋譜/佐藤/01.txt", kEvenGame);
        root.Write("対局中棋譜/山田/01.txt", kEvenGame);
        root.Write("対局中棋譜/山田/02.txt", kHandicapGame);
        root.Write("退避後棋譜/鈴木/05.txt", kEvenGame);
        if (combo) {
            auto* box = new QComboBox(&window);
            opponents = box;
            picker = std::make_unique<GamePicker>(state, box, games, onNewOpponent, whenMissing,
                                                  nullptr, nullptr);
        } else {
            auto* list = new QListWidget(&window);
            auto* board = new board::BoardPicture(board::kSmallBoardGeometry, &window);
            opponents = list;
            picker = std::make_unique<GamePicker>(state, list, games, onNewOpponent, whenMissing,
                                                  board, nullptr);
        }
        window.show();
    }
    QStringList Opponents() const {
        if (auto* list = qobject_cast<QListWidget*>(opponents))
            return Items(list);
        return Items(static_cast<QComboBox*>(opponents));
    }
};

}  // namespace

class TestGamePicker : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void keepsTheSharedSelection_data() {
        QTest::addColumn<bool>("combo");
        QTest::addColumn<GameIndexOnNewOpponent>("onNewOpponent");
        QTest::addColumn<StoredOpponentMissing>("whenMissing");
        QTest::addColumn<int>("storedOpponent");
        QTest::addColumn<int>("storedGame");
        QTest::addColumn<QString>("refilledOpponent");  // what Refill chooses
        QTest::addColumn<QString>("refilledGame");
        QTest::addColumn<int>("gameIndexAfterNewOpponent");
        QTest::addColumn<QString>("chosenAfterSwitch");  // in the backed-up folder
        const auto keep = GameIndexOnNewOpponent::Keep;
        const auto reset = GameIndexOnNewOpponent::Reset;
        const auto none = StoredOpponentMissing::ChooseNone;
        const auto first = StoredOpponentMissing::ChooseFirst;
        QTest::newRow("list, stored game") << false << keep << none << 1 << 1 << "山田"
                                           << "02" << 1 << "";
        QTest::newRow("combo, stored game") << true << reset << first << 1 << 1 << "山田"
                                            << "02" << -1 << "鈴木";
        QTest::newRow("list, opponent gone: none") << false << keep << none << 5 << 0 << ""
                                                   << "" << 1 << "";
        QTest::newRow("combo, opponent gone: the first, the stored game")
            << true << reset << first << 5 << 0 << "佐藤"
            << "01" << -1 << "鈴木";
        QTest::newRow("list, nothing stored: the first")
            << false << reset << first << -1 << -1 << "佐藤"
            << "" << -1 << "鈴木";
        QTest::newRow("combo, nothing stored: none") << true << keep << none << -1 << -1 << ""
                                                     << "" << 1 << "";
    }
    void keepsTheSharedSelection() {
        QFETCH(bool, combo);
        QFETCH(GameIndexOnNewOpponent, onNewOpponent);
        QFETCH(StoredOpponentMissing, whenMissing);
        QFETCH(int, storedOpponent);
        QFETCH(int, storedGame);
        QFETCH(QString, refilledOpponent);
        QFETCH(QString, refilledGame);
        QFETCH(int, gameIndexAfterNewOpponent);
        QFETCH(QString, chosenAfterSwitch);
        Picker p(combo, onNewOpponent, whenMissing);
        QSignalSpy opponentChosen(p.picker.get(), &GamePicker::OpponentChosen);
        QSignalSpy gameChosen(p.picker.get(), &GamePicker::GameChosen);

        p.state.selectedOpponentIndex = storedOpponent;
        p.state.selectedGameIndex = storedGame;
        p.picker->Refill();
        QCOMPARE(p.Opponents(), (QStringList{"佐藤", "山田"}));
        QCOMPARE(p.picker->ChosenOpponent(), refilledOpponent);
        QCOMPARE(p.picker->ChosenGame(), refilledGame);
        QCOMPARE(opponentChosen.size(), refilledOpponent.isEmpty() ? 0 : 1);
        QCOMPARE(gameChosen.size(), refilledGame.isEmpty() ? 0 : 1);
        if (!refilledGame.isEmpty())
            QCOMPARE(gameChosen[0], (QVariantList{refilledOpponent, refilledGame}));

        // Only a picker with a small board reads the record.
        QVERIFY(p.picker->ChooseOpponent("山田"));
        QVERIFY(p.picker->ChooseGame("02"));
        QVERIFY(!p.picker->ChooseGame("03"));
        QCOMPARE(p.state.selectedOpponentIndex, 1);
        QCOMPARE(p.state.selectedGameIndex, 1);
        QCOMPARE(p.picker->ShownTable().handicapCode, combo ? 0 : 4);

        // The player moves up to 佐藤.
        p.opponents->setFocus();
        QTest::keyClick(p.opponents, Qt::Key_Up);
        QCOMPARE(opponentChosen.last(), QVariantList{"佐藤"});
        QCOMPARE(p.state.selectedOpponentIndex, 0);
        QCOMPARE(p.state.selectedGameIndex, gameIndexAfterNewOpponent);
        QCOMPARE(Items(p.games), QStringList{"01"});
        QCOMPARE(p.picker->ChosenGame(), QString());
        QVERIFY(!p.picker->ShownTable().headerRead);

        p.state.replyStale = false;
        p.picker->SwitchFolder(p.state.backedUpFolder);
        QCOMPARE(p.Opponents(), QStringList{"鈴木"});
        QCOMPARE(p.picker->ChosenOpponent(), chosenAfterSwitch);
        QCOMPARE(p.picker->ListedOpponent(), chosenAfterSwitch);
        QCOMPARE(p.state.selectedOpponentIndex, chosenAfterSwitch.isEmpty() ? -1 : 0);
        QCOMPARE(p.state.selectedGameIndex, -1);
        QVERIFY(p.state.replyStale);
    }
};

QTEST_MAIN(TestGamePicker)
#include "test_game_picker.moc"
