// The games overview window: its rows, filter and sort, and a chosen game opened for
// recording in the main window.
#include "board/main_window.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"
#include "views/games_overview_window.h"
#include "views/time_limits_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

QStringList Game(bool playerIsBlack, int moves) {
    QStringList lines{store::HeaderLine(QDate(2002, 11, 1), 1, 31, playerIsBlack)};
    for (int n = 1; n <= moves; ++n)
        lines.append(store::RecordLine(QStringLiteral("11-%1-2002").arg(n + 10), n, n, 3, {}));
    return lines;
}

/// A data root with three games in play and the main window on it, the overview beside it
/// wired as the program wires them.
struct Windows {
    Windows() {
        Write("山田/01", Game(true, 9));   // Black moved last: the opponent's move
        Write("山田/02", Game(true, 12));  // White moved last: mine
        Write("鈴木/01", Game(false, 1));  // the player is White: mine
        root.Write(QStringLiteral("対局中棋譜/鈴木/壊れ.txt"), "?\r\n");
        platform.today = QDate(2002, 12, 7);
        state.dataRoot = root.path();
        form = std::make_unique<board::MainWindow>(state, platform);
        form->show();
        overview = std::make_unique<views::GamesOverviewWindow>(state, platform);
        QObject::connect(overview.get(), &views::GamesOverviewWindow::GameChosen, form.get(),
                         &board::MainWindow::OpenGameForRecording);
        overview->show();
        QVERIFY(QTest::qWaitForWindowExposed(overview.get()));
    }
    void Write(const QString& game, const QStringList& lines) {
        const QString relative = QStringLiteral("対局中棋譜/") + game + QStringLiteral(".txt");
        root.Write(relative, {});
        QVERIFY(store::WriteTextLines(root.File(relative), lines));
    }
    /// Each shown row as "opponent game moves turn days".
    QStringList Rows() const {
        QStringList rows;
        const QTableWidget* table = overview->table();
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c : {0, 1, 5, 7, 8})
                cells.append(table->item(r, c)->text());
            rows.append(cells.join(' ').trimmed());
        }
        return rows;
    }
    TempRoot root;
    FakePlatform platform;
    common::AppState state;
    std::unique_ptr<board::MainWindow> form;
    std::unique_ptr<views::GamesOverviewWindow> overview;
};

}  // namespace

class TestGamesOverviewWindow : public QObject {
    Q_OBJECT
  private slots:
    void rowsFilterAndSort() {
        Windows w;
        const QStringList byDefault{"鈴木 01 1 自分 26", "山田 02 12 自分 15", "山田 01 9 相手 18",
                                    "鈴木 壊れ  ?"};
        QCOMPARE(w.Rows(), byDefault);
        QCOMPARE(w.overview->table()->item(3, 11)->text(), QStringLiteral("読めない行があります"));

        w.overview->myTurnOnly()->setChecked(true);
        QCOMPARE(w.Rows(), byDefault.mid(0, 2));
        w.overview->myTurnOnly()->setChecked(false);

        // Move counts sort as numbers: 12 after 9.
        w.overview->table()->sortByColumn(5, Qt::AscendingOrder);
        QStringList sorted = w.Rows();
        sorted.removeAll(byDefault.last());
        QCOMPARE(sorted, (QStringList{byDefault[0], byDefault[2], byDefault[1]}));
        // A move recorded meanwhile shows when the window is read again, the sort kept.
        w.Write("山田/01", Game(true, 10));
        w.overview->Refresh();
        QCOMPARE(w.Rows().last(), byDefault[1]);
        QVERIFY(w.Rows().contains(QStringLiteral("山田 01 10 自分 17")));
    }

    /// By 残り日数 the player's overdue games come first, then the fewest days left, the
    /// games waiting for the opponent after the player's own.
    void daysLeftSortByUrgency() {
        Windows w;
        w.root.Write(QStringLiteral("期限設定.dat"), "\x8a\xfa\x8c\xc0=20\r\n");  // 期限=20
        w.overview->Refresh();
        QTableWidget* table = w.overview->table();
        table->sortByColumn(10, Qt::AscendingOrder);
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c : {0, 1, 7, 9, 10})
                cells.append(table->item(r, c)->text());
            rows.append(cells.join(' ').simplified());
        }
        QCOMPARE(rows, (QStringList{"鈴木 01 自分 20 6日超過", "山田 02 自分 20 残り5日",
                                    "山田 01 相手 20 残り2日", "鈴木 壊れ ?"}));
    }

    /// A limit set for one game in the dialog reaches the file and the row; a game overdue on
    /// the opponent's side offers the reminder; leaving with changes unsaved asks first.
    void timeLimitsDialogAndReminder() {
        Windows w;
        const QString path = w.root.File(QStringLiteral("期限設定.dat"));
        views::TimeLimitsDialog dialog(path, "山田", "01", w.platform);
        dialog.gameLimit()->setValue(14);
        dialog.pauseFrom()->setDate(QDate(2002, 12, 1));
        dialog.pauseTo()->setDate(QDate(2002, 11, 30));
        dialog.AddPause();  // ends before it starts: refused
        dialog.pauseTo()->setDate(QDate(2002, 12, 2));
        dialog.pauseReason()->setText("旅行");
        dialog.AddPause();
        QCOMPARE(dialog.pauseTable()->rowCount(), 1);
        QVERIFY(dialog.Save());
        QStringList lines;
        QVERIFY(store::ReadTextLines(path, lines));
        QCOMPARE(lines,
                 (QStringList{"期限=14\t山田\t01", "休み=2002/12/01\t2002/12/02\t旅行\t山田\t01"}));
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].text,
                 QStringLiteral("休みの終わりの日が、始まりの日より前です。"));

        w.overview->Refresh();
        QTableWidget* table = w.overview->table();
        table->setCurrentCell(2, 0);  // 山田 01, waiting for the opponent 18 days, 2 paused
        QCOMPARE(table->item(2, 10)->text(), QStringLiteral("2日超過"));
        QVERIFY(w.overview->reminderButton()->isEnabled());
        table->setCurrentCell(0, 0);  // 鈴木 01: no limit
        QVERIFY(!w.overview->reminderButton()->isEnabled());

        views::TimeLimitsDialog again(path, "山田", "01", w.platform);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.gameLimit()->value(), 14);
        again.defaultLimit()->setValue(5);
        w.platform.scriptedAnswers = {common::MessageAnswer::No};
        QTest::keyClick(&again, Qt::Key_Escape);
        QVERIFY(again.isVisible());
        QCOMPARE(w.platform.messages.last().text,
                 QStringLiteral("変更を保存せずに閉じてよろしいですか？"));
        QVERIFY(w.platform.messages.last().defaultButton == common::DefaultButton::Safe);
    }

    void chosenGameOpensForRecording_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Enter") << true;
        QTest::newRow("double click") << false;
    }
    void chosenGameOpensForRecording() {
        QFETCH(bool, byEnter);
        Windows w;
        // The main window looks at another game in the review panel of the other folder.
        w.form->RunCommand(board::Panel::Menu, board::MenuReview);
        FindControl<QRadioButton>(*w.form, QStringLiteral("Option2"))->click();
        QTableWidget* table = w.overview->table();
        table->setCurrentCell(1, 0);  // 山田 02
        if (byEnter) {
            QTest::keyClick(table, Qt::Key_Return);
        } else {
            const QRect cell = table->visualItemRect(table->item(1, 0));
            // An item view takes a double click only on the item the first press was on.
            QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(FindControl<QComboBox>(*w.form, QStringLiteral("Combo1"))->currentText(),
                 QStringLiteral("山田"));
        QCOMPARE(w.form->GameName(), QStringLiteral("02"));
        QCOMPARE(w.form->model().mode(), go::Mode::Recording);
        QCOMPARE(w.form->model().table().lastRow, 12);
        QVERIFY(FindControl<QRadioButton>(*w.form, QStringLiteral("Option1"))->isChecked());
        QVERIFY(w.platform.messages.isEmpty());
    }

    void gameGoneSinceListedIsSaid() {
        Windows w;
        QFile::remove(w.root.File(QStringLiteral("対局中棋譜/山田/02.txt")));
        w.overview->table()->setCurrentCell(1, 0);
        w.overview->OpenCurrentGame();
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].text,
                 QStringLiteral("対局者「山田」の対局「02」が見つかりません。"));
        QCOMPARE(w.platform.messages[0].title, QStringLiteral("対局がありません。"));
    }
};

QTEST_MAIN(TestGamesOverviewWindow)
#include "test_games_overview_window.moc"
