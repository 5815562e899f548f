// The program's own text window, used when the desktop cannot open a data file: every file
// button of the reply window reaches it, an edit saves byte-exact as CP932 with CR LF, and
// no edit is dropped without asking.
#include "postcard/form4.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "views/text_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using common::MessageAnswer;

namespace {

// "一行目" CR LF "二行目" CR LF in CP932.
const QByteArray kEdited("\x88\xea\x8d\x73\x96\xda\r\n\x93\xf1\x8d\x73\x96\xda\r\n");

views::TextWindow* OpenTextWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<views::TextWindow*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

/// Replaces the text as the player would, by typing over everything.
void TypeOver(views::TextWindow& window, const QString& text) {
    window.editor()->selectAll();
    window.editor()->insertPlainText(text);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

}  // namespace

class TestTextWindow : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<views::TextWindow*>(widget)) {
                window->editor()->document()->setModified(false);
                window->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void fileButtonsOpenTheOwnWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("再利用文") << "Command1";
        QTest::newRow("通信文参照") << "Command2";
        QTest::newRow("操作説明") << "Command3";
        QTest::newRow("送信記録") << "Command8";
    }
    void fileButtonsOpenTheOwnWindow() {
        QFETCH(QString, button);
        TempRoot root;
        common::AppState state;
        store::StartStore(state, root.path());
        FakePlatform platform;
        platform.cannotOpen = true;
        platform.SetEditorFallback(
            [&platform](const QString& path) { views::ShowTextWindow(path, platform); });
        QWidget main;
        postcard::Form4 form(state, platform, &main, [] {
            return postcard::ReplySubject{"山田", {"01"}};
        });
        form.findChild<QPushButton*>(button)->click();

        views::TextWindow* window = OpenTextWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(window->path(), platform.editorStarts.last());
        TypeOver(*window, "一行目\n二行目\n");
        QVERIFY(window->windowTitle().startsWith("＊"));
        window->saveButton()->click();
        QCOMPARE(Bytes(window->path()), kEdited);
        QVERIFY(!window->IsModified());
        QVERIFY(platform.messages.isEmpty());
    }

    void closingAsksBeforeDroppingAnEdit_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("保存する") << MessageAnswer::Yes << true << kEdited;
        QTest::newRow("保存しない") << MessageAnswer::No << true << QByteArray("a\r\nb\r\n");
        QTest::newRow("取り消し") << MessageAnswer::Cancel << false << QByteArray("a\r\nb\r\n");
    }
    void closingAsksBeforeDroppingAnEdit() {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, closed);
        QFETCH(QByteArray, bytes);
        TempRoot root;
        root.Write("memo.txt", "a\r\nb\r\n");
        FakePlatform platform;
        views::TextWindow* window = views::ShowTextWindow(root.File("memo.txt"), platform);
        QCOMPARE(window->editor()->toPlainText(), QString("a\nb\n"));
        QCOMPARE(views::ShowTextWindow(root.File("memo.txt"), platform), window);

        TypeOver(*window, "一行目\n二行目\n");
        platform.scriptedAnswers = {answer};
        window->closeButton()->click();
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, QString("「memo.txt」への変更を保存しますか？"));
        QCOMPARE(platform.messages[0].buttons, common::MessageButtons::YesNoCancel);
        QCOMPARE(window->isVisible(), !closed);
        QCOMPARE(root.Read("memo.txt"), bytes);
    }

    void closingTheMainWindowAsksAboutEdits_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("保存する") << MessageAnswer::Yes << kEdited;
        QTest::newRow("保存しない") << MessageAnswer::No << QByteArray("a\r\n");
    }
    void closingTheMainWindowAsksAboutEdits() {
        QFETCH(MessageAnswer, answer);
        QFETCH(QByteArray, bytes);
        TempRoot root;
        root.Write("memo.txt", "a\r\n");
        FakePlatform platform;
        QWidget main;
        views::SettleTextWindowsWhenHidden(main, platform);
        main.show();
        views::TextWindow* window = views::ShowTextWindow(root.File("memo.txt"), platform);
        TypeOver(*window, "一行目\n二行目\n");
        platform.scriptedAnswers = {answer};
        main.close();
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].buttons, common::MessageButtons::YesNo);
        QCOMPARE(root.Read("memo.txt"), bytes);
    }

    void withoutAFallbackThePlayerIsTold() {
        FakePlatform platform;
        platform.cannotOpen = true;
        platform.OpenInEditor("/data/対戦記録.txt");
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text,
                 QString("このファイルを開くアプリケーションがありません。\n/data/対戦記録.txt"));
    }
};

QTEST_MAIN(TestTextWindow)
#include "test_text_window.moc"
