// The program's own text window, where the data files open: every file button of the reply
// window reaches it, it reads CP932 and UTF-8 alike, an edit saves byte-exact as CP932 with
// CR LF, no edit is dropped without asking, and the desktop's editor opens only on request,
// a launcher that fails being reported.
#include "desktop/platform_qt.h"
#include "postcard/reply_card_window.h"
#include "store/start_store.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"
#include "views/text_window.h"

#include <QApplication>
#include <QLabel>
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
        postcard::ReplyCardWindow form(state, platform, &main, [] {
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

    void readsEitherEncodingSavesShiftJis_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("noted");
        QTest::newRow("Shift-JIS") << kEdited << false;
        QTest::newRow("UTF-8") << QStringLiteral("一行目\r\n二行目\r\n").toUtf8() << true;
        QTest::newRow("UTF-8 with BOM, LF")
            << "\xEF\xBB\xBF" + QStringLiteral("一行目\n二行目\n").toUtf8() << true;
    }
    void readsEitherEncodingSavesShiftJis() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, noted);
        TempRoot root;
        root.Write("用語.txt", bytes);
        FakePlatform platform;
        views::TextWindow* window = views::ShowTextWindow(root.File("用語.txt"), platform);
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("一行目\n二行目\n"));
        QCOMPARE(!window->encodingNote()->isHidden(), noted);
        QVERIFY(window->Save());
        QCOMPARE(root.Read("用語.txt"), kEdited);
        QVERIFY(window->encodingNote()->isHidden());
        QVERIFY(platform.messages.isEmpty());
    }

    void desktopEditorOnlyOnRequest_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("open") << false << MessageAnswer::Ok << true << QByteArray("a\r\n");
        QTest::newRow("cancelled")
            << false << MessageAnswer::Cancel << false << QByteArray("a\r\n");
        QTest::newRow("an edit is saved first") << true << MessageAnswer::Ok << true << kEdited;
        QTest::newRow("an edit, cancelled")
            << true << MessageAnswer::Cancel << false << QByteArray("a\r\n");
    }
    void desktopEditorOnlyOnRequest() {
        QFETCH(bool, edited);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, started);
        TempRoot root;
        root.Write("memo.txt", "a\r\n");
        FakePlatform platform;
        views::TextWindow* window = views::ShowTextWindow(root.File("memo.txt"), platform);
        if (edited)
            TypeOver(*window, "一行目\n二行目\n");
        platform.scriptedAnswers = {answer};
        window->desktopEditorButton()->click();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.startsWith(
            "ソラマメのデータファイルはシフトJIS（CP932）・改行 CR LF です。"));
        QCOMPARE(platform.messages[0].buttons, common::MessageButtons::OkCancel);
        QCOMPARE(platform.desktopEditorStarts,
                 started ? QStringList{root.File("memo.txt")} : QStringList());
        // Handed over, the window steps aside so that two editors never overwrite each other.
        QCOMPARE(window->isVisible(), !started);
        QTEST(root.Read("memo.txt"), "bytes");
    }

    void dataFilesOpenInTheOwnWindow() {
        common::QtPlatform platform;
        QStringList opened;
        platform.SetEditorFallback([&opened](const QString& path) { opened.append(path); });
        platform.OpenInEditor("/data/用語.txt");
        QCOMPARE(opened, QStringList{"/data/用語.txt"});
    }

    void launcherFailuresAreReported_data() {
        QTest::addColumn<QString>("script");  // empty: a launcher that does not exist
        QTest::addColumn<QString>("reason");  // empty: no failure
        QTest::newRow("opened") << "exit 0" << QString();
        QTest::newRow("no application (xdg-open 3)") << "exit 3"
                                                     << "終了コード 3";
        QTest::newRow("the action failed (xdg-open 4)") << "exit 4"
                                                        << "終了コード 4";
        QTest::newRow("crashed") << "kill -9 $$"
                                 << "異常終了";
        QTest::newRow("no launcher") << QString() << "起動できません";
    }
    void launcherFailuresAreReported() {
        QFETCH(QString, script);
        QFETCH(QString, reason);
        TempRoot root;
        QString launcher = root.File("no-such-launcher");
        if (!script.isEmpty()) {
            launcher = root.File("launcher.sh");
            root.Write("launcher.sh", "#!/bin/sh\n" + script.toUtf8() + "\n");
            QFile(launcher).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        QStringList failures;
        QObject* process = common::LaunchDesktopEditor(
            launcher, "/data/用語.txt",
            [&failures](const QString& text) { failures.append(text); });
        QSignalSpy ended(process, &QObject::destroyed);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 10000);
        const QStringList expected =
            reason.isEmpty()
                ? QStringList()
                : QStringList{QStringLiteral("別のエディターで開けませんでした（%1：%2）。"
                                             "\n/data/用語.txt")
                                  .arg(launcher, reason)};
        QCOMPARE(failures, expected);
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
