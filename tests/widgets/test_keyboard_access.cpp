// Every window worked from the keyboard alone, and what a screen reader learns of its controls.
#include "admin/board_colour_window.h"
#include "admin/erase_window.h"
#include "admin/registration_window.h"
#include "board/main_window.h"
#include "postcard/address_card_window.h"
#include "postcard/reply_card_window.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "views/games_overview_window.h"
#include "views/results_summary_window.h"
#include "views/text_window.h"
#include "widgets/keyboard_access.h"
#include "widgets/menu_entry.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using common::MessageAnswer;

namespace {

enum class Expect {
    Reaches,    // pressing the keys again and again brings the focus to the target
    Presses,    // the keys press the target (a button or a menu entry)
    Closes,     // the keys close the window
    StaysOpen,  // the keys ask first, and "Cancel" keeps the window open
    Moves       // the keys move the target scroll bar
};

QStringList Game(int moves) {
    QStringList lines{store::HeaderLine(QDate(2002, 11, 1), 1, 31, true)};
    for (int n = 1; n <= moves; ++n)
        lines.append(store::RecordLine(QStringLiteral("11-%1-2002").arg(n + 10), n, n, 3, {}));
    return lines;
}

/// The program's windows on a data root with two games, each made as the program makes it.
struct Windows {
    Windows() {
        for (const auto& [game, moves] : {std::pair("山田/01", 9), std::pair("鈴木/01", 4)}) {
            const QString relative =
                QStringLiteral("対局中棋譜/%1.txt").arg(QString::fromUtf8(game));
            root.Write(relative, {});
            QVERIFY(store::WriteTextLines(root.File(relative), Game(moves)));
        }
        root.Write(QStringLiteral("対戦記録.txt"), "a\r\n");
        state.dataRoot = root.path();
        main = std::make_unique<board::MainWindow>(state, platform);
    }

    ~Windows() {
        other.reset();
        // Hidden while whole: a focused comment box reports its end of editing to the window.
        main->hide();
    }

    QWidget* Make(const QString& name) {
        if (name == QLatin1String("main"))
            return main.get();
        QWidget* made = nullptr;
        if (name == QLatin1String("registration"))
            made = new admin::RegistrationWindow(state, platform, main.get());
        else if (name == QLatin1String("board_colour"))
            made = new admin::BoardColourWindow(state, platform, main.get());
        else if (name == QLatin1String("reply"))
            made = new postcard::ReplyCardWindow(state, platform, main.get(), [] {
                return postcard::ReplySubject{QStringLiteral("山田"), {QStringLiteral("01")}};
            });
        else if (name == QLatin1String("address"))
            made = new postcard::AddressCardWindow(state, platform, main.get());
        else if (name == QLatin1String("erase"))
            made = new admin::EraseWindow(state, platform, main.get());
        else if (name == QLatin1String("overview"))
            made = new views::GamesOverviewWindow(state, platform);
        else if (name == QLatin1String("results"))
            made = new views::ResultsSummaryWindow(state);
        else if (name == QLatin1String("text"))
            made = new views::TextWindow(root.File(QStringLiteral("対戦記録.txt")), platform);
        other.reset(made);
        if (made != nullptr)
            made->setAttribute(Qt::WA_DeleteOnClose, false);  // the text window's own
        return made;
    }

    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    std::unique_ptr<board::MainWindow> main;
    std::unique_ptr<QWidget> other;
};

QWidget* ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        return nullptr;
    return window;
}

void Press(const QKeyCombination& key) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        target = QApplication::activeWindow();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void PressAll(const QKeySequence& keys) {
    for (int i = 0; i < keys.count(); ++i)
        Press(keys[i]);
}

QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

/// What a screen reader says a control is: its name, or for a combo box (which Qt on Linux names
/// by its current item) the name of the caption that labels it.
QString ReadName(QAccessibleInterface* accessible) {
    if (accessible->role() != QAccessible::ComboBox)
        return accessible->text(QAccessible::Name);
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

/// The signal that tells that `target` was pressed: a button's click, a menu entry's choice.
std::unique_ptr<QSignalSpy> PressSpy(QObject* target) {
    if (auto* entry = qobject_cast<widgets::MenuEntry*>(target))
        return std::make_unique<QSignalSpy>(entry, &widgets::MenuEntry::Chosen);
    return std::make_unique<QSignalSpy>(qobject_cast<QAbstractButton*>(target),
                                        &QAbstractButton::clicked);
}

}  // namespace

Q_DECLARE_METATYPE(Expect)

class TestKeyboardAccess : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { widgets::InstallKeyboardAccess(*QCoreApplication::instance()); }

    void Keys_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("menu");  // the main window's mode first, -1 for none
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<Expect>("expect");
        QTest::addColumn<QString>("target");
        const QKeySequence tab(Qt::Key_Tab);
        const QKeySequence enter(Qt::Key_Return);
        const QKeySequence escape(Qt::Key_Escape);
        auto row = [](const char* name, const char* window, int menu, const char* focus,
                      const QKeySequence& keys, Expect expect, const char* target) {
            QTest::newRow(name) << QString::fromLatin1(window) << menu << QString::fromLatin1(focus)
                                << keys << expect << QString::fromLatin1(target);
        };
        using enum Expect;
        row("main: Tab reaches 登録", "main", -1, "", tab, Reaches, "Label1_3");
        row("main: Tab reaches the comment box", "main", -1, "", tab, Reaches, "Text3");
        row("main: Enter chooses 登録", "main", -1, "Label1_3", enter, Presses, "Label1_3");
        row("main: keypad Enter chooses 成績", "main", -1, "Label1_9",
            QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), Presses, "Label1_9");
        row("main: Space chooses 一覧", "main", -1, "Label1_8", QKeySequence(Qt::Key_Space),
            Presses, "Label1_8");
        row("main: Alt+4 chooses 登録 from the comment box", "main", -1, "Text3",
            QKeySequence(Qt::ALT | Qt::Key_4), Presses, "Label1_3");
        row("main: Alt+0 chooses 成績", "main", -1, "", QKeySequence(Qt::ALT | Qt::Key_0), Presses,
            "Label1_9");
        row("main: F2 presses 着手記録", "main", -1, "Text3", QKeySequence(Qt::Key_F2), Presses,
            "Command1_1");
        row("main: F1 presses the review panel's 操作説明", "main", board::MenuReview, "",
            QKeySequence(Qt::Key_F1), Presses, "Command2_4");
        row("main: Enter presses 再表示", "main", -1, "Command1_0", enter, Presses, "Command1_0");
        row("main: a focused print position bar keeps Right", "main", board::MenuPrinting,
            "HScroll1", QKeySequence(Qt::Key_Right), Moves, "HScroll1");
        row("registration: Tab reaches the handicap bar", "registration", -1, "", tab, Reaches,
            "VScroll1");
        row("registration: Down moves the komi bar", "registration", -1, "VScroll2",
            QKeySequence(Qt::Key_Down), Moves, "VScroll2");
        row("registration: Enter presses 戻る", "registration", -1, "Command2", enter, Presses,
            "Command2");
        row("registration: Escape goes back", "registration", -1, "Text1", escape, Closes, "");
        row("board colour: Tab reaches the red bar", "board_colour", -1, "", tab, Reaches,
            "HScroll1_0");
        row("board colour: Escape goes back", "board_colour", -1, "", escape, Closes, "");
        row("board colour: Escape asks about a colour not stored", "board_colour", -1, "HScroll1_1",
            QKeySequence(Qt::Key_Right, Qt::Key_Escape), StaysOpen, "");
        row("reply: Right moves the left space", "reply", -1, "HScroll1",
            QKeySequence(Qt::Key_Right), Moves, "HScroll1");
        row("reply: Escape goes back", "reply", -1, "", escape, Closes, "");
        row("address: Enter presses 設定登録／変更", "address", -1, "Command3", enter, Presses,
            "Command3");
        row("address: Escape goes back", "address", -1, "", escape, Closes, "");
        row("address: Escape asks about a typed address", "address", -1, "Text2_0",
            QKeySequence(Qt::Key_A, Qt::Key_Escape), StaysOpen, "");
        row("erase: Escape goes back", "erase", -1, "", escape, Closes, "");
        row("overview: Escape closes", "overview", -1, "", escape, Closes, "");
        row("results: Escape closes", "results", -1, "", escape, Closes, "");
        row("text: Escape closes", "text", -1, "", escape, Closes, "");
        row("text: Escape asks about an edit", "text", -1, "",
            QKeySequence(Qt::Key_B, Qt::Key_Escape), StaysOpen, "");
    }

    void Keys() {
        QFETCH(QString, window);
        QFETCH(int, menu);
        QFETCH(QString, focus);
        QFETCH(QKeySequence, keys);
        QFETCH(Expect, expect);
        QFETCH(QString, target);
        Windows windows;
        QWidget* shown = ShowActive(windows.Make(window));
        QVERIFY(shown != nullptr);
        if (menu >= 0)
            windows.main->RunCommand(board::Panel::Menu, menu);
        if (!focus.isEmpty()) {
            auto* control = shown->findChild<QWidget*>(focus);
            QVERIFY(control != nullptr);
            control->setFocus(Qt::OtherFocusReason);
            QCOMPARE(FocusName(), focus);
        }
        QObject* targetControl = target.isEmpty() ? nullptr : shown->findChild<QObject*>(target);
        QVERIFY(target.isEmpty() || targetControl != nullptr);
        switch (expect) {
            case Expect::Reaches:
                for (int i = 0; i < 80 && FocusName() != target; ++i)
                    PressAll(keys);
                QCOMPARE(FocusName(), target);
                break;
            case Expect::Presses: {
                const std::unique_ptr<QSignalSpy> pressed = PressSpy(targetControl);
                PressAll(keys);
                QTRY_COMPARE(pressed->count(), 1);  // a shortcut's click comes a moment later
                break;
            }
            case Expect::Closes:
                PressAll(keys);
                QVERIFY(!shown->isVisible());
                QVERIFY(windows.platform.messages.isEmpty());
                break;
            case Expect::StaysOpen:
                windows.platform.scriptedAnswers = {MessageAnswer::Cancel};
                PressAll(keys);
                QVERIFY(shown->isVisible());
                QCOMPARE(windows.platform.messages.size(), 1);
                break;
            case Expect::Moves: {
                auto* bar = qobject_cast<QScrollBar*>(targetControl);
                const int before = bar->value();
                const int rows = windows.main->model().table().lastRow;
                PressAll(keys);
                QCOMPARE(bar->value(), before + bar->singleStep());
                QCOMPARE(FocusName(), target);
                QCOMPARE(windows.main->model().table().lastRow, rows);
                QVERIFY(windows.platform.messages.isEmpty());  // no step without a game was tried
                break;
            }
        }
    }

    void OverviewOpensTheRowChosenWithDown() {
        Windows windows;
        auto* overview = static_cast<views::GamesOverviewWindow*>(windows.Make("overview"));
        QVERIFY(ShowActive(overview) != nullptr);
        QCOMPARE(QApplication::focusWidget(), overview->table());
        QSignalSpy chosen(overview, &views::GamesOverviewWindow::GameChosen);
        Press(Qt::Key_Down);
        QCOMPARE(overview->table()->currentRow(), 1);
        const QList<QVariant> second{overview->table()->item(1, 0)->text(),
                                     overview->table()->item(1, 1)->text()};
        Press(Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first(), second);
    }

    void Names_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<bool>("focusable");
        auto row = [](const char* window, const char* control, const char* name,
                      QAccessible::Role role, bool focusable) {
            QTest::addRow("%s %s", window, control)
                << QString::fromLatin1(window) << QString::fromLatin1(control)
                << QString::fromUtf8(name) << role << focusable;
        };
        using enum QAccessible::Role;
        row("main", "Label1_0", "着手", Button, true);
        row("main", "Label1_3", "登録", Button, true);
        row("main", "Label1_9", "成績", Button, true);
        row("main", "Combo1", "対局者", ComboBox, true);
        row("main", "List2", "対局名", List, true);
        row("main", "Text3", "コメント", EditableText, true);
        row("main", "Combo2", "着手の説明", ComboBox, true);
        row("main", "Combo3", "用語", ComboBox, true);
        row("main", "Label3_0", "ハマ", StaticText, false);
        row("main", "Command1_1", "着手記録", Button, true);
        row("main", "Text1", "何手目から", EditableText, true);
        row("main", "HScroll2", "印字位置（縦）", ScrollBar, true);
        row("registration", "Text1", "対局者", EditableText, true);
        row("registration", "Text2", "対局名", EditableText, true);
        row("registration", "VScroll1", "手合割", ScrollBar, true);
        row("registration", "VScroll2", "コミ出し", ScrollBar, true);
        row("registration", "List3", "自分の石", List, true);
        row("registration", "List1", "対局者", List, true);
        row("registration", "ComboDisplaySize", "表示サイズ", ComboBox, true);
        row("board_colour", "HScroll1_2", "青", ScrollBar, true);
        row("reply", "Text1", "返信の文面", EditableText, true);
        row("reply", "List3", "発信日", List, true);
        row("reply", "VScroll3", "文字サイズ", ScrollBar, true);
        row("address", "Text1_0", "郵便番号 1桁目", EditableText, true);
        row("address", "Text2_5", "差出人 1行目", EditableText, true);
        row("address", "Command2_1", "宛名・住所 レイアウト 右", Button, true);
        row("erase", "Text2", "対局名", EditableText, false);
        row("erase", "List2", "対局名", List, true);
    }

    void Names() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(bool, focusable);
        Windows windows;
        QWidget* made = windows.Make(window);
        auto* widget = made->findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible != nullptr);
        QCOMPARE(ReadName(accessible), name);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(bool(accessible->state().focusable), focusable);
        if (role != QAccessible::Button)
            return;
        // A screen reader presses a button, or a menu entry, through its action.
        QAccessibleActionInterface* actions = accessible->actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        if (qobject_cast<widgets::MenuEntry*>(widget) != nullptr) {
            QSignalSpy chosen(widget, SIGNAL(Chosen()));
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(chosen.count(), 1);
        }
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "test_keyboard_access.moc"
