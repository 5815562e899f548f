// The reply window: the text rebuilt on activation, the send date, the two modes, restoring
// the settings, printing with the files that follow it, and the files opened in the editor.
#include "cards/message_files.h"
#include "cards/reply_options.h"
#include "cards/reply_settings.h"
#include "common/font_setup.h"
#include "postcard/reply_card.h"
#include "postcard/reply_card_window.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "testing/window_probe.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace postcard;

namespace {

const QByteArray kYamada("\x8e\x52\x93\x63");                              // 山田
const QByteArray kMincho("\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9");  // ＭＳ Ｐ明朝
const QByteArray kTomorrow("\x96\xbe\x93\xfa\x94\xad\x90\x4d");            // 明日発信

QByteArray Line(const QByteArray& date, int number, int x, int y, const QByteArray& text = {}) {
    auto field = [](int value) { return (value < 0 ? "" : " ") + QByteArray::number(value) + ' '; };
    return date + ',' + field(number) + ',' + field(x) + ',' + field(y) + ',' + text +
           QByteArray(30 - text.size() / 2, ' ') + "\r\n";
}

// Even game, the player Black: White's 2 and Black's 3 were saved on 7 December.
const QByteArray kGame = Line("2002/11/30", 0, 1, 31, "\x8d\x95") + Line("11-30-2002", 1, 16, 4) +
                         Line("12-07-2002", 2, 4, 16) + Line("12-07-2002", 3, 16, 16);
const QByteArray kNoCheckLines("\x8f\xc6\x8d\x87\x8d\x73=0\r\n");  // 照合行=0
const QString kBuilt = "発信 2002/12/08\r\n\r\nNo.01\r\n○2:４・十六\r\n●3:１６・十六\r\n\r\n";

/// A reply window on a fresh data root, answering whatever `subject` holds.
struct Window {
    TempRoot root;
    common::AppState state;
    FakePlatform platform;
    QWidget main;
    ReplySubject subject{"山田", {"01"}};
    std::unique_ptr<ReplyCardWindow> form;

    Window() {
        store::StartStore(state, root.path());
        root.Write("対局中棋譜/山田/01.txt", kGame);
        // The texts below are the cards without check lines; checkLinesBox has them.
        root.Write(kReplyOptionsName, kNoCheckLines);
    }
    ReplyCardWindow& Create() {
        form =
            std::make_unique<ReplyCardWindow>(state, platform, &main, [this] { return subject; });
        return *form;
    }
    template <typename Control>
    Control* Find(const QString& name) const {
        return FindControl<Control>(*form, name);
    }
    void Click(const QString& button) { Find<QPushButton>(button)->click(); }
    QPlainTextEdit* TextBox() const { return Find<QPlainTextEdit>("Text1"); }
    QStringList Files() const {
        QStringList files;
        for (const QString& name : {kReuseFileName, kSendRecordName, QStringLiteral("Message")}) {
            if (QFileInfo::exists(root.File(name)))
                files.append(name);
        }
        return files;
    }
};

}  // namespace

class TestReplyCardWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { common::SubstituteWindowsFonts(); }

    void activationRebuildsOnlyWhenStale() {
        Window w;
        w.state.replyStale = true;
        w.Create().show();
        QCOMPARE(w.form->ReplyText(), kBuilt);
        QCOMPARE(w.Find<QLabel>("Label6")->text(), "山田");
        QVERIFY(!w.state.replyStale);

        // The player's edits survive hiding and showing while nothing changed.
        w.TextBox()->setPlainText("発信 2002/12/08\n\nよろしく");
        w.Click("Command5");
        QVERIFY(w.form->isHidden());
        w.form->show();
        QCOMPARE(w.form->ReplyText(), "発信 2002/12/08\r\n\r\nよろしく");

        // A new choice in the main window brings a fresh text, in the input mode.
        w.Click("Command7");
        w.subject = {"山田", {}};
        w.state.replyStale = true;
        w.form->RefreshIfStale();
        QCOMPARE(w.form->ReplyText(), "発信 2002/12/08\r\n\r\n");
        QCOMPARE(w.Find<QPushButton>("Command7")->text(), "レイアウトへ");
        QVERIFY(w.TextBox()->isVisibleTo(w.form.get()));

        // No opponent: the text stays, the flag clears.
        w.subject = {};
        w.state.replyStale = true;
        w.form->RefreshIfStale();
        QCOMPARE(w.form->ReplyText(), "発信 2002/12/08\r\n\r\n");
        QVERIFY(!w.state.replyStale);
    }

    void sendDateReplacesOnlyHeading() {
        Window w;
        QFile::remove(w.root.File(kReplyOptionsName));  // so that what is written shows alone
        w.Create();
        QCOMPARE(w.Find<QListWidget>("List3")->currentItem()->text(), "明日発信");
        w.TextBox()->setPlainText("発信 2002/12/01\n\nNo.01\n●1:４・四\n\nお元気で,また");
        w.Find<QListWidget>("List3")->setCurrentRow(0);
        QCOMPARE(w.form->ReplyText(),
                 "発信 2002/12/07\r\n\r\nNo.01\r\n●1:４・四\r\n\r\nお元気で\r\nまた\r\n");
        w.Find<QListWidget>("List3")->setCurrentRow(1);
        QVERIFY(w.form->ReplyText().startsWith("発信 2002/12/08\r\n\r\nNo.01\r\n"));
        // Only the card's settings were written; no font was chosen, and the list shows the
        // one the card is printed in.
        QCOMPARE(w.Find<QListWidget>("List1")->currentItem()->text(), "ＭＳ Ｐゴシック");
        QCOMPARE(w.root.Read(kReplySettingsFileName),
                 "\r\n 13 \r\n" + kTomorrow + "\r\n 0 \r\n 0 \r\n 10 \r\n");
        QCOMPARE(QDir(w.root.path()).entryList(QDir::Files), QStringList{kReplySettingsFileName});
        // A font the player picks is the one written.
        w.Find<QListWidget>("List1")->setCurrentRow(1);
        QVERIFY(w.root.Read(kReplySettingsFileName).startsWith(kMincho + "\r\n 13 \r\n"));
    }

    void modeButtonSwitchesCardAndLabels_data() {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label8");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("layout");
        QTest::newRow("loaded") << 0 << "レイアウトへ"
                                << "文字入力ができます。" << QColor(0, 128, 0) << false;
        QTest::newRow("to layout") << 1 << "入力へ"
                                   << "文字入力はできません。" << QColor(255, 0, 0) << true;
        QTest::newRow("back to input") << 2 << "レイアウトへ"
                                       << "文字入力ができます。" << QColor(0, 128, 0) << false;
    }
    void modeButtonSwitchesCardAndLabels() {
        QFETCH(int, clicks);
        QFETCH(QString, caption);
        QFETCH(QString, label8);
        QFETCH(QColor, colour);
        QFETCH(bool, layout);
        Window w;
        w.Create().show();
        w.TextBox()->setPlainText("発信 2002/12/08\n\nNo.01\n○2:４・十六");
        for (int i = 0; i < clicks; ++i)
            w.Click("Command7");
        QCOMPARE(w.Find<QPushButton>("Command7")->text(), caption);
        const QLabel* label = w.Find<QLabel>("Label8");
        QCOMPARE(label->text(), label8);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(w.Find<QScrollBar>("VScroll2")->isEnabled(), layout);
        QCOMPARE(w.TextBox()->isVisible(), !layout);
        const QWidget* card = w.Find<QWidget>("Picture1");
        QCOMPARE(card->palette().color(QPalette::Window),
                 layout ? QColor(232, 253, 232) : QColor(Qt::white));
        if (layout) {
            const QLabel* white = w.Find<QLabel>("Label7_3");
            QCOMPARE(white->text(), "○2:４・十六");
            QCOMPARE(white->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(w.Find<QLabel>("Label7_2")->palette().color(QPalette::WindowText),
                     QColor(Qt::black));
            const double height = ReplyCard::LineHeightTwips("ＭＳ Ｐゴシック", 13);
            QCOMPARE(white->pos(), QPoint(11, qRound((170 + 3 * height) / 15)));
        }
    }

    void settingsRestoredAtLoad_data() {
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QByteArray>("font");
        QTest::addColumn<QString>("chosenFont");
        const QStringList windowsNames = FakePlatform().fontFamilies;
        QTest::newRow("offered font") << windowsNames << kMincho << "ＭＳ Ｐ明朝";
        QTest::newRow("font no longer offered") << windowsNames << QByteArray("Gone") << "";
        // A card set up on Windows: the list shows the font it is printed in here.
        QTest::newRow("Windows name, printed in its stand-in")
            << QStringList{"DejaVu Sans", "IPAPGothic", "IPAPMincho"} << kMincho << "IPAPMincho";
    }
    void settingsRestoredAtLoad() {
        QFETCH(QStringList, offered);
        QFETCH(QByteArray, font);
        QFETCH(QString, chosenFont);
        Window w;
        w.platform.fontFamilies = offered;
        w.root.Write(kReplySettingsFileName,
                     font + "\r\n 9 \r\n" + kTomorrow + "\r\n 5 \r\n 7 \r\n 15 \r\n");
        w.Create();
        const QListWidgetItem* chosen = w.Find<QListWidget>("List1")->currentItem();
        QCOMPARE(chosen != nullptr ? chosen->text() : QString(), chosenFont);
        QCOMPARE(w.Find<QListWidget>("List3")->currentRow(), 1);
        QStringList values;
        for (int i = 0; i < 4; ++i)
            values.append(w.Find<QLabel>(QStringLiteral("Label1_%1").arg(i))->text());
        QCOMPARE(values, QStringList({"5", "7", "1.5", "9"}));
        QCOMPARE(w.form->ReplyText(), "発信 2002/12/08\r\n");
        // The text box stands 170 twips plus the spaces inside the card: 15 twips a pixel.
        QCOMPARE(w.TextBox()->pos(),
                 QPoint(qRound((170 + 5 * 56.7) / 15), qRound((170 + 7 * 56.7) / 15)));
        // The stored name stays as it was, offered here or not.
        QCOMPARE(w.root.Read(kReplySettingsFileName),
                 font + "\r\n 9 \r\n" + kTomorrow + "\r\n 5 \r\n 7 \r\n 15 \r\n");
    }

    void printPlacesLinesThenWritesFiles() {
        Window w;
        w.state.replyStale = true;
        w.Create().show();
        w.Find<QScrollBar>("HScroll1")->setValue(5);
        w.Find<QScrollBar>("VScroll1")->setValue(2);
        w.Find<QScrollBar>("VScroll2")->setValue(15);
        w.Click("Command4");
        QCOMPARE(w.platform.messages.size(), 0);
        QCOMPARE(w.platform.prints.size(), 1);
        QCOMPARE(w.platform.prints[0].orientation, common::PageOrientation::AsPrinterIs);
        const double height = ReplyCard::LineHeightTwips("ＭＳ Ｐゴシック", 13);
        QVERIFY2(height > 13 * 20 && height < 13 * 20 * 1.6, qPrintable(QString::number(height)));
        auto op = [&](int line, const QString& colour, const QString& text) {
            return "text 283.5," + OperationNumber(113.4 + line * height * 1.5) +
                   " ＭＳ Ｐゴシック 13 " + colour + ' ' + text;
        };
        QCOMPARE(w.platform.prints[0].operations,
                 QStringList({op(0, "#000000", "発信 2002/12/08"), op(2, "#000000", "No.01"),
                              op(3, "#ff0000", "○2:４・十六"), op(4, "#000000", "●3:１６・十六")}));
        QCOMPARE(w.root.Read(kSendRecordName), "12-07-2002:" + kYamada + "\r\n");
        QVERIFY(w.root.Read("Message/山田.txt")
                    .startsWith("\x94\xad\x90\x4d 2002/12/08\r\n\r\nNo.01\r\n"));
        QCOMPARE(w.root.Read(kReuseFileName), "\x94\xad\x90\x4d 2002/12/08\r\n\r\n\r\n");
    }

    void checkLinesBox() {
        Window w;
        QFile::remove(w.root.File(kReplyOptionsName));  // a data root of an earlier version
        w.state.replyStale = true;
        w.Create().show();
        auto* box = w.Find<QCheckBox>("Check1");
        QVERIFY(box->isChecked());
        const QString withCheckLine =
            kBuilt.chopped(2) + "照合 第3手まで 黒石2 白石1\r\nアゲハマ 黒0 白0 符号 7953\r\n\r\n";
        QCOMPARE(w.form->ReplyText(), withCheckLine);
        box->click();
        QCOMPARE(w.form->ReplyText(), kBuilt);
        QCOMPARE(w.root.Read(kReplyOptionsName), kNoCheckLines);
        box->click();
        QCOMPARE(w.form->ReplyText(), withCheckLine);
    }

    void refusedOrFailedPrintWritesNothing_data() {
        QTest::addColumn<QString>("opponent");
        QTest::addColumn<bool>("failPrint");
        QTest::addColumn<int>("prints");
        QTest::addColumn<QString>("title");
        QTest::newRow("no opponent") << "" << false << 0 << "印字できません。";
        QTest::newRow("printer failed") << "山田" << true << 1 << "印刷ができません。";
    }
    void refusedOrFailedPrintWritesNothing() {
        QFETCH(QString, opponent);
        QFETCH(bool, failPrint);
        QFETCH(int, prints);
        QFETCH(QString, title);
        Window w;
        w.subject.opponent = opponent;
        w.platform.failPrints = failPrint;
        w.Create();
        w.Click("Command4");
        QCOMPARE(w.platform.prints.size(), prints);
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].title, title);
        QCOMPARE(w.Files(), QStringList());
    }

    void fileStepFailureIsReported() {
        Window w;
        w.Create();
        // A folder where the send record belongs cannot be replaced by a file.
        QDir(w.root.path()).mkdir(kSendRecordName);
        w.Click("Command4");
        QCOMPARE(w.platform.prints.size(), 1);
        QCOMPARE(w.platform.messages.size(), 1);
        QVERIFY(w.platform.messages[0].text.contains(kSendRecordName));
        QVERIFY(!w.platform.messages[0].text.contains(kReuseFileName));
        QVERIFY(QFileInfo(w.root.File("Message/山田.txt")).isFile());
    }

    void buttonsOpenFilesInEditor_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::newRow("reuse") << "Command1" << kReuseFileName;
        QTest::newRow("archive") << "Command2"
                                 << "Message/山田.txt";
        QTest::newRow("help") << "Command3" << kReplyHelpName;
        QTest::newRow("send record") << "Command8" << kSendRecordName;
    }
    void buttonsOpenFilesInEditor() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        Window w;
        w.Create();
        w.Click(button);
        QCOMPARE(w.platform.editorStarts, QStringList{w.root.File(file)});
        // The archive folder is there before the editor looks into it.
        QCOMPARE(QFileInfo(w.root.File("Message")).isDir(), button == "Command2");
    }
};

QTEST_MAIN(TestReplyCardWindow)
#include "test_reply_card_window.moc"
