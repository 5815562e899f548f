// The printing panel's record print and screen copy, through the recorded print operations.
#include "board/main_window.h"
#include "common/cp932_codec.h"
#include "common/font_setup.h"
#include "engine/dead_stone_proposal.h"
#include "engine/score_series.h"
#include "testing/fake_platform.h"
#include "testing/record_lines.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

/// An even game, komi code 33, the player Black: four moves, then Black 3 taken off.
QByteArray GameWithRemoval() {
    return Line("2002/12/07", 0, 1, 33, "\x8d\x95", 1) + Line("11-30-2002", 1, 4, 4) +
           Line("11-30-2002", 2, 16, 4) + Line("11-30-2002", 3, 17, 4) +
           Line("11-30-2002", 4, 16, 5) + Line("11-30-2002", 3, 17, 4);
}

/// A main window on its own data root, in the printing mode.
struct TestWindow {
    explicit TestWindow(bool numbers = false, int offsetX = 0) {
        root.Write(QStringLiteral("対局中棋譜/山田/第3.txt"), GameWithRemoval());
        state.dataRoot = root.path();
        form = std::make_unique<board::MainWindow>(state, platform);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::mouseClick(Find<QLabel>(QStringLiteral("Label1_2")), Qt::LeftButton);
        if (numbers)
            QTest::mouseClick(Find<QCheckBox>(QStringLiteral("Check3")), Qt::LeftButton);
        Find<QScrollBar>(QStringLiteral("HScroll1"))->setValue(offsetX);
    }
    template <typename T>
    T* Find(const QString& name) const {
        return FindControl<T>(*form, name);
    }
    void ChooseGame() { Find<QListWidget>(QStringLiteral("List2"))->setCurrentRow(0); }
    void Press(const QString& button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    QStringList RemovedList() const {
        QStringList entries;
        const auto* list = Find<QListWidget>(QStringLiteral("List4"));
        for (int i = 0; i < list->count(); ++i)
            entries.append(list->item(i)->text());
        return entries;
    }

    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    std::unique_ptr<board::MainWindow> form;
};

const QString kHeaderFont = QStringLiteral(" ＭＳ Ｐ明朝 13 bold #000000 ");
const QString kGothic = QStringLiteral(" ＭＳ Ｐゴシック ");
const QString kPaperQuestion =
    QStringLiteral("用紙サイズはＡ４としてください。") + '\n' + QStringLiteral("印字しますか？");

}  // namespace

class TestMainWindowPrint : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        common::SubstituteWindowsFonts();
        // Kept score graphs go to a cache of the test's own, never the user's.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome_.path()));
    }

    void removedListFollowsTheChosenGame() {
        TestWindow window;
        window.root.Write(
            QStringLiteral("対局中棋譜/山田/第4.txt"),
            Line("2002/12/07", 0, 1, 33, "\x8d\x95", 1) + Line("11-30-2002", 1, 4, 4));
        window.form->Reactivate();  // lists the new game too
        auto* games = window.Find<QListWidget>(QStringLiteral("List2"));
        games->setCurrentRow(0);
        QCOMPARE(window.RemovedList(), QStringList{"003: 17･4"});
        games->setCurrentRow(1);
        QCOMPARE(window.RemovedList(), QStringList{});
    }

    // Ticking a box of the printing panel redraws the position shown, and 印字 prints it.
    void printingOptionsKeepTheShownPosition_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("moveBox");
        QTest::addColumn<QString>("expected");
        QTest::newRow("石数字 after choosing") << "Check3"
                                               << ""
                                               << "…" + kGothic + "16 bold #ffffff 1";
        QTest::newRow("抜石を盤に残す at move 3")
            << "Check4"
            << "3"
            << "text 420,0" + kHeaderFont + "対局名 : No.第3  ［ 3 手まで ］";
    }
    void printingOptionsKeepTheShownPosition() {
        QFETCH(QString, box);
        QFETCH(QString, moveBox);
        QFETCH(QString, expected);
        TestWindow window;
        window.ChooseGame();
        if (!moveBox.isEmpty())
            window.Find<QLineEdit>(QStringLiteral("Text2"))->setText(moveBox);
        QTest::mouseClick(window.Find<QCheckBox>(box), Qt::LeftButton);
        if (!moveBox.isEmpty())
            QCOMPARE(window.Find<QLineEdit>(QStringLiteral("Text2"))->text(), moveBox);
        window.Press(QStringLiteral("Command3_5"));
        QCOMPARE(window.platform.prints.size(), 1);
        const QStringList& operations = window.platform.prints[0].operations;
        const bool found =
            expected.startsWith(u'…')
                ? std::any_of(operations.begin(), operations.end(),
                              [&](const QString& op) { return op.endsWith(expected.mid(1)); })
                : operations.contains(expected);
        QVERIFY2(found, qPrintable(expected));
    }

    void printRecord_data() {
        QTest::addColumn<bool>("numbers");
        QTest::addColumn<int>("offsetX");
        QTest::addColumn<int>("stepsBack");
        QTest::addColumn<QStringList>("removedList");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("absent");
        QTest::newRow("final position")
            << false << 0 << 0 << QStringList{"003: 17･4"}
            << QStringList{"text 420,0" + kHeaderFont + "対局名 : No.第3  ［ 4 手まで ］",
                           "text 420,340.2" + kHeaderFont + "対局者 : (白) 山田  vs  ",
                           "text 420,680.4" + kHeaderFont + "手合割 : 互先 ［コミ黒６目半］",
                           "text 8610,1417.5" + kGothic + "10 bold #000000 ●3:  17･4"}
            << "text 1574.3,3033.8";  // no number on Black 1
        // Two steps back: the removal and move 4 are undone; stone 3 is back with its number.
        QTest::newRow("two steps back, numbers, 10 mm right")
            << true << 10 << 2 << QStringList{}
            << QStringList{"text 987,0" + kHeaderFont + "対局名 : No.第3  ［ 3 手まで ］",
                           "…" + kGothic + "16 bold #ffffff 1",
                           "circle 7797.3,3187.8 r210 w9.6 #000000",
                           "…" + kGothic + "16 bold #ffffff 3"}
            << "circle 7377.3,3607.8";  // White 4 is gone
    }
    void printRecord() {
        QFETCH(bool, numbers);
        QFETCH(int, offsetX);
        QFETCH(int, stepsBack);
        QFETCH(QStringList, removedList);
        QFETCH(QStringList, expected);
        QFETCH(QString, absent);
        TestWindow window(numbers, offsetX);
        window.ChooseGame();
        for (int i = 0; i < stepsBack; ++i)
            window.Press(QStringLiteral("Command3_2"));
        window.Press(QStringLiteral("Command3_5"));

        QCOMPARE(window.platform.messages.size(), 0);
        QCOMPARE(window.platform.prints.size(), 1);
        const FakePlatform::Print& print = window.platform.prints[0];
        QCOMPARE(print.orientation, common::PageOrientation::Portrait);
        QCOMPARE(window.RemovedList(), removedList);
        // A stone's number is placed by the font's measure, so only its text is compared.
        const auto found = [&](const QString& operation) {
            if (!operation.startsWith(u'…'))
                return print.operations.contains(operation);
            return std::any_of(print.operations.begin(), print.operations.end(),
                               [&](const QString& op) { return op.endsWith(operation.mid(1)); });
        };
        for (const QString& operation : expected)
            QVERIFY2(found(operation), qPrintable(operation));
        QVERIFY(print.operations.filter(absent).isEmpty());
    }

    void screenCopy_data() {
        QTest::addColumn<common::MessageAnswer>("answer");
        QTest::addColumn<int>("prints");
        QTest::newRow("Cancel") << common::MessageAnswer::Cancel << 0;
        QTest::newRow("OK") << common::MessageAnswer::Ok << 1;
    }
    void screenCopy() {
        QFETCH(common::MessageAnswer, answer);
        QFETCH(int, prints);
        TestWindow window;
        window.ChooseGame();
        window.platform.scriptedAnswers = {answer};
        window.Press(QStringLiteral("Command3_6"));

        QCOMPARE(window.platform.messages.size(), 1);
        QCOMPARE(window.platform.messages[0].text, kPaperQuestion);
        QCOMPARE(window.platform.messages[0].title, QStringLiteral("用紙の確認"));
        QCOMPARE(window.platform.messages[0].buttons, common::MessageButtons::OkCancel);
        QCOMPARE(window.platform.prints.size(), prints);
        if (prints == 0)
            return;
        const FakePlatform::Print& print = window.platform.prints[0];
        QCOMPARE(print.orientation, common::PageOrientation::Landscape);
        const QSize size = window.form->size();
        QCOMPARE(print.operations, QStringList{QStringLiteral("image 0,0 %1x%2 %3x%4")
                                                   .arg(size.width() * 15)
                                                   .arg(size.height() * 15)
                                                   .arg(size.width())
                                                   .arg(size.height())});
    }

    // "棋譜図" asks for the figures' options; the game of four moves in figures of 50 or in
    // figures counted from 1 fits one figure on one page.
    void kifuFigures_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts");  // the title, the first stone's number
        QTest::newRow("50 a figure") << "Figures50"
                                     << "PrintFigures" << QStringList{"第1譜 (1〜4)", "#ffffff 1"};
        QTest::newRow("cancelled") << "FromOne"
                                   << "CancelFigures" << QStringList{};
    }
    void kifuFigures() {
        QFETCH(QString, choice);
        QFETCH(QString, button);
        QFETCH(QStringList, texts);
        TestWindow window;
        window.ChooseGame();
        window.Press(QStringLiteral("Command3_7"));
        auto* dialog = window.form->findChild<QDialog*>(QStringLiteral("KifuFiguresDialog"));
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QTest::mouseClick(FindControl<QRadioButton>(*dialog, choice), Qt::LeftButton);
        QTest::mouseClick(FindControl<QPushButton>(*dialog, button), Qt::LeftButton);
        QCOMPARE(window.platform.messages.size(), 0);
        QCOMPARE(window.platform.prints.size(), texts.isEmpty() ? 0 : 1);
        if (texts.isEmpty())
            return;
        const FakePlatform::Print& print = window.platform.prints[0];
        QCOMPARE(print.orientation, common::PageOrientation::Portrait);
        QVERIFY(print.operations.filter(QStringLiteral("new page")).isEmpty());
        for (const QString& text : texts) {
            QVERIFY2(std::any_of(print.operations.begin(), print.operations.end(),
                                 [&](const QString& op) { return op.endsWith(text); }),
                     qPrintable(text));
        }
    }

    // The score graph is offered only for a finished game whose graph a look at 形勢グラフ
    // kept: the figures' tick box, the record's question (No keeps the print as it was). It
    // is taken from the cache alone and follows on exactly one page of its own.
    void scoreGraphPage_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<common::MessageAnswer>("answer");
        QTest::addColumn<int>("graphPages");
        QTest::newRow("figures, graph kept, ticked")
            << "Command3_7" << true << true << common::MessageAnswer::Ok << 1;
        QTest::newRow("figures, no graph kept")
            << "Command3_7" << true << false << common::MessageAnswer::Ok << 0;
        QTest::newRow("figures, game in play")
            << "Command3_7" << false << true << common::MessageAnswer::Ok << 0;
        QTest::newRow("record, Yes")
            << "Command3_5" << true << true << common::MessageAnswer::Yes << 1;
        QTest::newRow("record, No")
            << "Command3_5" << true << true << common::MessageAnswer::No << 0;
        QTest::newRow("record, no graph kept, not asked")
            << "Command3_5" << true << false << common::MessageAnswer::Yes << 0;
    }
    void scoreGraphPage() {
        QFETCH(QString, button);
        QFETCH(bool, finished);
        QFETCH(bool, kept);
        QFETCH(common::MessageAnswer, answer);
        QFETCH(int, graphPages);
        TestWindow window;
        if (finished) {
            window.root.Write(QStringLiteral("対戦記録.txt"),
                              common::EncodeCp932(QStringLiteral("山田 第3局 互先(白) コミ黒６目半 "
                                                                 "[白1目半勝ち] 2002/12/07\r\n")));
        }
        const QString cache = engine::DefaultScoreCacheFolder();
        QDir(cache).removeRecursively();
        if (kept) {
            const QString command = engine::EngineCommand(
                window.root.File(engine::kEngineSettingsName));  // no file: the default engine
            QVERIFY(engine::WriteScoreCache(cache,
                                            engine::ScoreCacheKey(GameWithRemoval(), command),
                                            command, {{0, 0}, {1, 5}, {2, -3}, {3, 8}, {4, 2}}));
        }
        window.ChooseGame();
        window.platform.scriptedAnswers = {answer};
        window.Press(button);
        if (button == QStringLiteral("Command3_7")) {
            auto* dialog = window.form->findChild<QDialog*>(QStringLiteral("KifuFiguresDialog"));
            QVERIFY(dialog != nullptr);
            auto* box = FindControl<QCheckBox>(*dialog, QStringLiteral("ScoreGraphPage"));
            QCOMPARE(box->isEnabled(), finished && kept);
            QCOMPARE(box->isChecked(), false);
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::mouseClick(FindControl<QPushButton>(*dialog, QStringLiteral("PrintFigures")),
                              Qt::LeftButton);
        }
        const bool asked = button == QStringLiteral("Command3_5") && finished && kept;
        QCOMPARE(window.platform.messages.size(), asked ? 1 : 0);
        QCOMPARE(window.platform.prints.size(), 1);
        const QStringList& operations = window.platform.prints[0].operations;
        // The four moves fit one page, so every new page is the graph's.
        QCOMPARE(operations.count(QStringLiteral("new page")), graphPages);
        const qsizetype newPage = operations.indexOf(QStringLiteral("new page"));
        QCOMPARE(operations.filter(QStringLiteral("形勢グラフ")).size(), graphPages);
        if (graphPages == 1)
            QVERIFY(operations.indexOf(operations.filter(QStringLiteral("形勢グラフ"))[0]) >
                    newPage);
    }

    void failedPrintIsReported_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("messages");
        QTest::newRow("印 字") << "Command3_5" << 1;
        QTest::newRow("画面コピー") << "Command3_6" << 2;
    }
    void failedPrintIsReported() {
        QFETCH(QString, button);
        QFETCH(int, messages);
        TestWindow window;
        window.ChooseGame();
        window.platform.failPrints = true;
        window.Press(button);
        QCOMPARE(window.platform.prints.size(), 1);
        QCOMPARE(window.platform.messages.size(), messages);
        QCOMPARE(window.platform.messages.last().title, QStringLiteral("印刷ができません。"));
        QVERIFY(window.platform.messages.last().text.startsWith(
            QStringLiteral("印刷できませんでした。")));
    }

  private:
    QTemporaryDir cacheHome_;
};

QTEST_MAIN(TestMainWindowPrint)
#include "test_main_window_print.moc"
