// The recording panel (clicks, save, restore, cut, comments) and stepping through a game on
// the review and printing panels, checked through the record files on disk.
#include "board/main_window.h"
#include "common/font_setup.h"
#include "testing/fake_platform.h"
#include "testing/record_lines.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"
#include "widgets/board_picture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kBlack("\x8d\x95");       // 黒
const QByteArray kSaveDate("12-07-2002");  // the fake platform's today

const QByteArray kHeader = Line("2002/12/07", 0, 1, 31, kBlack, 1);

struct SavedRow {
    int number;
    int x;
    int y;
    QByteArray comment;
};

QByteArray Bytes(const QList<SavedRow>& rows) {
    QByteArray bytes = kHeader;
    for (const SavedRow& row : rows)
        bytes += Line("11-30-2002", row.number, row.x, row.y, row.comment);
    return bytes;
}

const QByteArray kTengen("\x93\x56\x8c\xb3");  // 天元
const QList<SavedRow> kShortGame{{1, 16, 4, {}}, {2, 4, 16, {}}, {3, 17, 16, {}}, {4, 4, 3, {}}};

/// Where move n of a long game stands: along every other line from the top, all distinct.
QPoint MovePoint(int n) {
    return QPoint((n - 1) % 19 + 1, (n - 1) / 19 * 2 + 1);
}

/// Moves 1..lastMove; after a move named in `removals` the stone it names is taken off.
QList<SavedRow> LongGame(int lastMove, const QMap<int, int>& removals) {
    QList<SavedRow> rows;
    for (int n = 1; n <= lastMove; ++n) {
        rows.append({n, MovePoint(n).x(), MovePoint(n).y(),
                     n >= lastMove - 2 ? "move " + QByteArray::number(n) : QByteArray()});
        if (removals.contains(n)) {
            const int taken = removals[n];
            rows.append({taken, MovePoint(taken).x(), MovePoint(taken).y(), {}});
        }
    }
    return rows;
}

// 45 moves in 48 rows: stone 7 taken after move 12, 20 after 33, and 40 after the last move.
const QList<SavedRow> kGame45 = LongGame(45, {{12, 7}, {33, 20}, {45, 40}});
// 180 rows whose last placement is move 175.
const QList<SavedRow> kGame175 = LongGame(175, {{20, 1}, {40, 2}, {60, 3}, {80, 4}, {100, 5}});

const QString kShort = QStringLiteral("短局");
const QString kLong = QStringLiteral("長局");
const QString kShortPath = QStringLiteral("対局中棋譜/佐藤/短局.txt");

/// A main window on its own data root, shown offscreen, with one opponent's games.
struct TestWindow {
    TestWindow() {
        root.Write(kShortPath, Bytes(kShortGame));
        root.Write(QStringLiteral("対局中棋譜/佐藤/長局.txt"), Bytes(kGame45));
        root.Write(QStringLiteral("対局中棋譜/佐藤/百八十.txt"), Bytes(kGame175));
        root.Write(QStringLiteral("対局中棋譜/佐藤/空局.txt"), kHeader);
        root.Write(QStringLiteral("用語.txt"), "\x83\x63\x83\x50\r\n\x83\x6e\x83\x6c\r\n");
        state.dataRoot = root.path();
        form = std::make_unique<board::MainWindow>(state, platform);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    template <typename T>
    T* Find(const QString& name) const {
        return FindControl<T>(*form, name);
    }
    void Choose(const QString& game, int menu = board::MenuRecording) {
        auto* games = Find<QListWidget>(QStringLiteral("List2"));
        const QList<QListWidgetItem*> found = games->findItems(game, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        games->setCurrentItem(found.first());
        Menu(menu);
    }
    void Menu(int index) {
        QTest::mouseClick(Find<QLabel>(QStringLiteral("Label1_%1").arg(index)), Qt::LeftButton);
    }
    void Press(const QString& button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint pixel(int((4297 + (x - 10) * 450) / 15.0),
                           int((4297 + (y - 10) * 450) / 15.0));
        QTest::mouseClick(Find<QWidget>(QStringLiteral("Picture1")), button, {}, pixel);
    }
    void TypeComment(const QString& text) {
        auto* box = Find<QLineEdit>(QStringLiteral("Text3"));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    int Stone(int x, int y) const { return form->model().board().At(x, y); }
    /// The grey level of the picture inside a stone's circle, clear of the grid lines.
    int GreyInside(int x, int y) const {
        auto* picture = Find<board::BoardPicture>(QStringLiteral("Picture1"));
        const QRect stone = picture->StoneRect(x, y);
        const QPoint inside = stone.center() + QPoint(stone.width() / 4, stone.width() / 4);
        return qGray(picture->Pixmap().toImage().pixel(inside));
    }
    int LastRow() const { return form->model().table().lastRow; }
    QString Text(const QString& name) const {
        if (auto* box = form->findChild<QLineEdit*>(name))
            return box->text();
        return Find<QLabel>(name)->text();
    }
    QByteArray ShortFile() const { return root.Read(kShortPath); }

    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    std::unique_ptr<board::MainWindow> form;
};

constexpr int kEmpty = go::kEmptyPoint;

}  // namespace

class TestMainWindowRecording : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void threeClicksOneTakeBackSaveThenRestore() {
        TestWindow window;
        window.Choose(kShort);
        window.Click(10, 10);
        window.Click(12, 10);
        window.Click(3, 10);
        window.Click(1, 1, Qt::RightButton);
        QCOMPARE(window.Stone(3, 10), kEmpty);
        // The box shows what the save below writes for the row now last.
        QCOMPARE(window.Text(QStringLiteral("Text3")), QStringLiteral("5の右一間"));
        // The word list follows: it names move 6 again, not the move taken back.
        QCOMPARE(window.Find<QComboBox>(QStringLiteral("Combo2"))->currentText(),
                 QStringLiteral("5の右一間"));
        window.Press(QStringLiteral("Command1_1"));
        const QByteArray rightOneGap("5\x82\xcc\x89\x45\x88\xea\x8a\xd4");  // 5の右一間
        QCOMPARE(window.ShortFile(), Bytes(kShortGame) + Line(kSaveDate, 5, 10, 10, kTengen, 2) +
                                         Line(kSaveDate, 6, 12, 10, rightOneGap, 5));
        QCOMPARE(window.root.Read(QStringLiteral("Tmp.txt")), Bytes(kShortGame));
        QCOMPARE(window.form->model().table().savedRowCount, 6);
        QVERIFY(window.state.replyStale);
        QCOMPARE(window.Text(QStringLiteral("Text3")), QString());
        auto* restore = window.Find<QPushButton>(QStringLiteral("Command1_5"));
        QVERIFY(restore->isEnabled());

        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(window.ShortFile(), Bytes(kShortGame));
        QVERIFY(!restore->isEnabled());
        QVERIFY(!QFile::exists(window.root.File(QStringLiteral("Tmp.txt"))));
        QCOMPARE(window.Stone(10, 10), kEmpty);
        QCOMPARE(window.LastRow(), 4);
    }

    void failedSaveKeepsRows() {
        TestWindow window;
        window.Choose(kShort);
        window.Click(10, 10);
        // The record cannot be written: a folder stands where the file was.
        const QString path = window.root.File(kShortPath);
        QFile::remove(path);
        QDir().mkdir(path);
        window.Press(QStringLiteral("Command1_1"));
        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].buttons, common::MessageButtons::Ok);
        QCOMPARE(window.LastRow(), 5);
        QCOMPARE(window.Stone(10, 10), 5);
        QDir().rmdir(path);
        window.root.Write(kShortPath, Bytes(kShortGame));
        window.Press(QStringLiteral("Command1_1"));
        QCOMPARE(window.ShortFile(), Bytes(kShortGame) + Line(kSaveDate, 5, 10, 10, kTengen, 2));
    }

    void undoCopyThatCannotBeMadeStopsTheSave() {
        TestWindow window;
        window.Choose(kShort);
        window.Click(10, 10);
        QDir().mkdir(window.root.File(QStringLiteral("Tmp.txt")));
        window.Press(QStringLiteral("Command1_1"));
        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].title, QStringLiteral("着手記録ができません。"));
        QCOMPARE(window.ShortFile(), Bytes(kShortGame));
        QCOMPARE(window.LastRow(), 5);
    }

    void recordThatCannotBeReadIsNamed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("2 MB") << kHeader + QByteArray(2 << 20, 'x')
                              << QStringLiteral("棋譜ファイル「短局」は大きすぎるため読めません。");
        QTest::newRow("bad line")
            << kHeader + "junk\r\n"
            << QStringLiteral(
                   "棋譜ファイル「短局」に読めない行があります。その前までを表示します。");
        QTest::newRow("whole") << Bytes(kShortGame) << QString();
    }
    void recordThatCannotBeReadIsNamed() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        TestWindow window;
        window.root.Write(kShortPath, bytes);
        window.Choose(kShort);
        QCOMPARE(window.platform.messages.size(), text.isEmpty() ? 0 : 1);
        if (!text.isEmpty()) {
            QCOMPARE(window.platform.messages[0].text, text);
            QCOMPARE(window.platform.messages[0].title, QStringLiteral("棋譜が読めません。"));
        }
    }

    void cutModeThenRestore() {
        // Which stones a cut may fall on is the game session's; here the window's part.
        TestWindow window;
        window.Choose(kLong);
        auto* label = window.Find<QLabel>(QStringLiteral("Label4"));
        window.Press(QStringLiteral("Command1_4"));
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("指定の着手以降を抹消する"));
        window.Click(MovePoint(30).x(), MovePoint(30).y());
        QVERIFY(!label->isVisible());
        QVERIFY(window.Find<QPushButton>(QStringLiteral("Command1_5"))->isEnabled());
        // Rows 1-30: moves 1-29 with the removal of stone 7; the removal of 20 comes later.
        QCOMPARE(window.root.Read(QStringLiteral("対局中棋譜/佐藤/長局.txt")),
                 Bytes(kGame45.mid(0, 30)));
        QCOMPARE(window.Stone(MovePoint(29).x(), MovePoint(29).y()), 29);
        window.Press(QStringLiteral("Command1_5"));
        QCOMPARE(window.root.Read(QStringLiteral("対局中棋譜/佐藤/長局.txt")), Bytes(kGame45));
    }

    void choosingAGameEndsTheCutModeAndOldDescriptions() {
        TestWindow window;
        window.Choose(kShort);
        window.Click(10, 10);
        auto* descriptions = window.Find<QComboBox>(QStringLiteral("Combo2"));
        QVERIFY(descriptions->count() > 0);
        window.Press(QStringLiteral("Command1_4"));
        window.Choose(kLong);
        QVERIFY(!window.Find<QLabel>(QStringLiteral("Label4"))->isVisible());
        QCOMPARE(descriptions->count(), 0);
        // The armed cut was for the other game: this click only takes stone 30 off the board.
        window.Click(MovePoint(30).x(), MovePoint(30).y());
        QCOMPARE(window.root.Read(QStringLiteral("対局中棋譜/佐藤/長局.txt")), Bytes(kGame45));
        QCOMPARE(window.Stone(MovePoint(30).x(), MovePoint(30).y()), kEmpty);
    }

    void commentTerms_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("term");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<int>("savedChars");
        QTest::newRow("empty box") << QString() << 0 << QByteArray("\x83\x63\x83\x50") << 2;
        QTest::newRow("text in box") << "ab" << 1 << QByteArray("ab\xa4\x83\x6e\x83\x6c") << 5;
    }
    void commentTerms() {
        QFETCH(QString, typed);
        QFETCH(int, term);
        QFETCH(QByteArray, saved);
        QFETCH(int, savedChars);
        TestWindow window;
        window.Choose(kShort);
        window.Click(10, 10);
        window.TypeComment(typed);
        auto* terms = window.Find<QComboBox>(QStringLiteral("Combo3"));
        QCOMPARE(terms->count(), 2);
        terms->setCurrentIndex(term);
        emit terms->activated(term);
        window.Press(QStringLiteral("Command1_1"));
        QCOMPARE(window.ShortFile(),
                 Bytes(kShortGame) + Line(kSaveDate, 5, 10, 10, saved, savedChars));
    }

    void descriptionChoice() {
        TestWindow window;
        window.Choose(kShort);
        window.Click(16, 3);
        auto* descriptions = window.Find<QComboBox>(QStringLiteral("Combo2"));
        QCOMPARE(descriptions->count(), 2);
        QCOMPARE(window.Text(QStringLiteral("Text3")), QStringLiteral("1の上"));
        descriptions->setCurrentIndex(1);
        emit descriptions->activated(1);
        window.Press(QStringLiteral("Command1_1"));
        QCOMPARE(window.ShortFile(),
                 Bytes(kShortGame) +
                     Line(kSaveDate, 5, 16, 3, "\x89\x45\x8f\xe3\x8b\xf7\x8f\xac\x96\xda", 5));
    }

    void commaWarnedOnceAndNeverSaved() {
        TestWindow window;
        window.Choose(kShort);
        window.Click(10, 10);
        window.TypeComment(QStringLiteral("a,b,0123456789012345678901234567890123"));
        window.Find<QWidget>(QStringLiteral("Combo1"))->setFocus();
        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].text,
                 QStringLiteral("コメントにカンマ「，」は使用できません。"));
        QCOMPARE(window.platform.messages[0].title,
                 QStringLiteral("カンマは使用できない文字です。"));
        QCOMPARE(window.Text(QStringLiteral("Text3")).left(3), QStringLiteral("a,b"));
        window.Press(QStringLiteral("Command1_1"));
        // 30 characters kept; a comma never reaches the file as a separator.
        const QByteArray kept =
            "a\x81\x41"
            "b\x81\x41"
            "01234567890123456789012345";  // a、b、 and 26 digits
        QCOMPARE(window.ShortFile(), Bytes(kShortGame) + Line(kSaveDate, 5, 10, 10, kept, 30));
    }

    void forwardAtTheEnd_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("forward");
        QTest::newRow("review") << 1 << "Command2_3";
        QTest::newRow("printing") << 2 << "Command3_3";
    }
    void forwardAtTheEnd() {
        QFETCH(int, menu);
        QFETCH(QString, forward);
        TestWindow window;
        window.Choose(kShort, menu);
        window.Press(forward);
        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].text,
                 QStringLiteral("これより先の着手はありません。"));
        QCOMPARE(window.platform.messages[0].title, QStringLiteral("最終着手の状態です。"));
        QCOMPARE(window.LastRow(), 4);
        QCOMPARE(window.Stone(4, 3), 4);
    }

    void backOverRemovalAndPlacements() {
        TestWindow window;
        window.Choose(kLong, board::MenuReview);
        QCOMPARE(window.Text(QStringLiteral("Label3_2")), QStringLiteral("1"));
        QCOMPARE(window.Text(QStringLiteral("Label3_4")), QStringLiteral("2"));
        QCOMPARE(window.Text(QStringLiteral("Text3")), QStringLiteral("move 45"));
        window.Press(QStringLiteral("Command2_2"));
        QCOMPARE(window.Stone(MovePoint(40).x(), MovePoint(40).y()), 40);
        QCOMPARE(window.Text(QStringLiteral("Label3_4")), QStringLiteral("1"));
        QCOMPARE(window.LastRow(), 47);
        window.Press(QStringLiteral("Command2_2"));
        QCOMPARE(window.Stone(MovePoint(45).x(), MovePoint(45).y()), kEmpty);
        QCOMPARE(window.Text(QStringLiteral("Text3")), QStringLiteral("move 45"));
        window.Press(QStringLiteral("Command2_2"));
        // The comment of the move just taken off, not of the one now last on the board.
        QCOMPARE(window.Text(QStringLiteral("Text3")), QStringLiteral("move 44"));
    }

    void moveNumberBox_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("row");
        QTest::newRow("move 50") << 1 << "50"
                                 << "50" << 52;
        QTest::newRow("250 stops at move 175") << 1 << "250"
                                               << "175" << 180;
        QTest::newRow("printing, 250") << 2 << "250"
                                       << "175" << 180;
        QTest::newRow("0") << 1 << "0"
                           << "0" << 0;
    }
    void moveNumberBox() {
        QFETCH(int, menu);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, row);
        TestWindow window;
        window.Choose(QStringLiteral("百八十"), menu);
        auto* box =
            window.Find<QLineEdit>(menu == 1 ? QStringLiteral("Text1") : QStringLiteral("Text2"));
        box->setFocus();
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), shown);
        QCOMPARE(window.LastRow(), row);
        const int move = shown.toInt();
        if (move > 0)
            QCOMPARE(window.Stone(MovePoint(move).x(), MovePoint(move).y()), move);
        QCOMPARE(window.Stone(MovePoint(move + 1).x(), MovePoint(move + 1).y()), kEmpty);
    }

    void modeSwitchKeepsThePosition() {
        TestWindow window;
        window.Choose(kShort, board::MenuReview);
        window.Press(QStringLiteral("Command2_2"));
        window.Press(QStringLiteral("Command2_2"));
        window.Menu(board::MenuPrinting);
        QVERIFY(window.GreyInside(16, 4) < 60);    // Black 1 drawn again
        QVERIFY(window.GreyInside(17, 16) > 200);  // the white printing board
        QCOMPARE(window.LastRow(), 2);
        QCOMPARE(window.Stone(4, 16), 2);
        QCOMPARE(window.Stone(17, 16), kEmpty);
        window.Press(QStringLiteral("Command3_3"));
        QCOMPARE(window.Stone(17, 16), 3);
    }

    void variationThenForward() {
        TestWindow window;
        window.Choose(kShort, board::MenuReview);
        window.Press(QStringLiteral("Command2_2"));
        window.Press(QStringLiteral("Command2_2"));
        window.Click(10, 10);
        window.Click(12, 10);
        QCOMPARE(window.Stone(12, 10), 4);
        window.Press(QStringLiteral("Command2_3"));
        QCOMPARE(window.LastRow(), 2);
        QCOMPARE(window.Stone(10, 10), kEmpty);
        QCOMPARE(window.Stone(17, 16), kEmpty);
        window.Press(QStringLiteral("Command2_3"));
        QCOMPARE(window.Stone(17, 16), 3);
        QVERIFY(window.platform.messages.isEmpty());
        QCOMPARE(window.ShortFile(), Bytes(kShortGame));
    }

    void recordingStartsFromTheSavedGame_data() {
        QTest::addColumn<int>("stepsBack");
        QTest::addColumn<bool>("variation");
        QTest::newRow("variation on the review board") << 0 << true;
        QTest::newRow("review stepped back") << 2 << false;
    }
    void recordingStartsFromTheSavedGame() {
        QFETCH(int, stepsBack);
        QFETCH(bool, variation);
        TestWindow window;
        window.Choose(kShort, board::MenuReview);
        for (int i = 0; i < stepsBack; ++i)
            window.Press(QStringLiteral("Command2_2"));
        if (variation)
            window.Click(10, 10);
        window.Menu(board::MenuRecording);
        QCOMPARE(window.LastRow(), 4);
        QCOMPARE(window.Stone(4, 3), 4);
        QCOMPARE(window.Stone(10, 10), kEmpty);
        window.Click(10, 10);
        window.Press(QStringLiteral("Command1_1"));
        QCOMPARE(window.ShortFile(), Bytes(kShortGame) + Line(kSaveDate, 5, 10, 10, kTengen, 2));
    }

    void transforms_data() {
        QTest::addColumn<int>("transform");
        QTest::addColumn<QPoint>("shownAt");
        QTest::newRow("90度回転") << 2 << QPoint(4, 4);
        QTest::newRow("180度回転") << 4 << QPoint(16, 4);
    }
    void transforms() {
        QFETCH(int, transform);
        QFETCH(QPoint, shownAt);
        TestWindow window;
        window.Choose(kShort, board::MenuReview);
        auto* list = window.Find<QListWidget>(QStringLiteral("List3"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(transform)).center());
        QCOMPARE(window.Stone(shownAt.x(), shownAt.y()), 2);  // recorded at (4, 16)
        QVERIFY(window.Stone(4, 16) != 2);
        QCOMPARE(window.ShortFile(), Bytes(kShortGame));
        window.Menu(board::MenuRecording);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(window.Stone(4, 16), 2);
    }

    void boardCursorPlacesAndTakesBack() {
        TestWindow window;
        window.Choose(kShort);
        auto* board = window.Find<board::BoardPicture>(QStringLiteral("Picture1"));
        board->setFocus();
        board->SetCursorPoint(QPoint(10, 10));
        QTest::keyClick(board, Qt::Key_Return);
        QCOMPARE(window.Stone(10, 10), 5);
        QCOMPARE(window.Text(QStringLiteral("Text3")), QStringLiteral("天元"));
        QVERIFY(board->AccessibleDescription().contains(QStringLiteral("天元")));
        QTest::keyClick(board, Qt::Key_Left);  // the cursor moves; the game does not step
        QCOMPARE(board->CursorPoint(), QPoint(9, 10));
        QCOMPARE(window.LastRow(), 5);
        QTest::keyClick(board, Qt::Key_Backspace);
        QCOMPARE(window.Stone(10, 10), kEmpty);
        QCOMPARE(window.LastRow(), 4);
    }

    void arrowKeys_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<bool>("steps");
        QTest::newRow("review") << 1 << true;
        QTest::newRow("printing") << 2 << true;
        QTest::newRow("recording") << 0 << false;
    }
    void arrowKeys() {
        QFETCH(int, menu);
        QFETCH(bool, steps);
        TestWindow window;
        window.Choose(kShort, menu);
        // Away from the board, whose cursor takes the arrow keys while it has the focus.
        auto* board = window.Find<QWidget>(QStringLiteral("Command%1_0").arg(menu + 1));
        board->setFocus();
        const QList<QPair<Qt::Key, int>> keys{{Qt::Key_Left, 3},
                                              {Qt::Key_Left, 2},
                                              {Qt::Key_Right, 3},
                                              {Qt::Key_Home, 0},
                                              {Qt::Key_End, 4}};
        for (const auto& [key, row] : keys) {
            QTest::keyClick(board, key);
            QCOMPARE(window.LastRow(), steps ? row : 4);
        }
        QCOMPARE(window.Stone(4, 3), 4);
        if (!steps)
            return;
        // Enter held on a focused "後 退" repeats the step.
        auto* back = window.Find<QPushButton>(QStringLiteral("Command%1_2").arg(menu + 1));
        back->setFocus();
        QTest::keyClick(back, Qt::Key_Return);
        QTest::keyClick(back, Qt::Key_Return);
        QCOMPARE(window.LastRow(), 2);
    }
};

QTEST_MAIN(TestMainWindowRecording)
#include "test_main_window_recording.moc"
