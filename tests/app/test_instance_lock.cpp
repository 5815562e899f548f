// One program per data root: the lock, and a later start bringing the running window forward.
#include "app/instance_lock.h"
#include "testing/file_size_limit.h"
#include "testing/temp_root.h"

#include <QDir>
#include <QElapsedTimer>
#include <QWidget>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestInstanceLock : public QObject {
    Q_OBJECT
  private slots:
    void secondLockIsRefused() {
        TempRoot root;
        app::DataRootLock first(root.path());
        app::DataRootLock second(root.path());
        QCOMPARE(first.TryLock().state, app::LockState::Taken);
        const app::LockResult refused = second.TryLock();
        QCOMPARE(refused.state, app::LockState::HeldElsewhere);
        QCOMPARE(refused.problem, app::AlreadyRunningText(root.path()));
    }

    // A start killed while it wrote the lock leaves it empty: once it is a few seconds old
    // it is no one's and must not block every later start; a fresh one may be being written.
    void emptyLock_data() {
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<app::LockState>("state");
        QTest::newRow("left by a killed start") << 60 << app::LockState::Taken;
        QTest::newRow("being written now") << 0 << app::LockState::HeldElsewhere;
    }
    void emptyLock() {
        QFETCH(int, ageSeconds);
        TempRoot root;
        root.Write(QStringLiteral(".soramame.lock"), QByteArray());
        QFile lock(root.File(QStringLiteral(".soramame.lock")));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
        lock.close();
        QTEST(app::DataRootLock(root.path()).TryLock().state, "state");
    }

    // Whatever stands at the lock's path is named, never opened (a FIFO would block the start)
    // and never taken for another running program.
    void lockPathStates_data() {
        QTest::addColumn<QString>("state");
        QTest::newRow("folder") << "folder";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("link to a file") << "linked file";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("full disk") << "full";
    }
    void lockPathStates() {
        QFETCH(QString, state);
        TempRoot root;
        TempRoot outside;
        const QString lockPath = root.File(QStringLiteral(".soramame.lock"));
        const QByteArray encoded = QFile::encodeName(lockPath);
        if (state == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(lockPath));
        } else if (state == QLatin1String("dangling")) {
            QVERIFY(QFile::link(outside.File(QStringLiteral("none")), lockPath));
        } else if (state == QLatin1String("linked file")) {
            outside.Write(QStringLiteral("file"), "keep");
            QVERIFY(QFile::link(outside.File(QStringLiteral("file")), lockPath));
        } else if (state == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(encoded.constData(), 0600), 0);
        }
        QElapsedTimer clock;
        clock.start();
        app::LockResult result;
        {
            const FileSizeLimit fullDisk(state == QLatin1String("full") ? 0 : RLIM_INFINITY);
            result = app::DataRootLock(root.path()).TryLock();
        }
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(result.state, app::LockState::Blocked);
        if (state == QLatin1String("full")) {
            QCOMPARE(result.problem,
                     QStringLiteral("データフォルダに「.soramame.lock」を作れないため、"
                                    "ソラマメを始められません。\n") +
                         lockPath +
                         QStringLiteral("\nディスクの空きと、フォルダに書き込めることを"
                                        "確かめてください。"));
            QVERIFY(!QFileInfo::exists(lockPath));
            return;
        }
        QCOMPARE(result.problem,
                 QStringLiteral("データフォルダの「.soramame.lock」がふつうのファイルではない"
                                "（フォルダ、リンクなど）ため、ソラマメを始められません。\n") +
                     lockPath +
                     QStringLiteral("\nほかにソラマメが動いていないことを確かめてから、"
                                    "これを取り除いてください。"));
        QVERIFY(!QFileInfo::exists(outside.File(QStringLiteral("none"))));
        if (state == QLatin1String("linked file"))
            QCOMPARE(outside.Read(QStringLiteral("file")), QByteArray("keep"));
    }

    // The channel lives in a folder only this user can enter, named by the data root's real
    // path: another user cannot listen in its place, and a linked path finds the same window.
    void channelIsPrivateAndFollowsTheRealPath() {
        TempRoot root;
        TempRoot runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadGroup |
                                                  QFile::ExeGroup);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        // A runtime folder others may enter is not used.
        const QString fallback = app::LaterStartChannel(root.path());
        QVERIFY(!fallback.startsWith(runtime.path()));
        QFileInfo folder(QFileInfo(fallback).path());
        QCOMPARE(folder.ownerId(), uint(geteuid()));
        QCOMPARE(
            int(folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther)),
            0);
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString channel = app::LaterStartChannel(root.path());
        QVERIFY(channel.startsWith(runtime.path() + '/'));
        const QString linked = runtime.File(QStringLiteral("linked-root"));
        QVERIFY(QFile::link(root.path(), linked));
        QCOMPARE(app::LaterStartChannel(linked), channel);
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void laterStartBringsTheWindowForward() {
        TempRoot root;
        TempRoot other;
        QVERIFY(!app::BringRunningWindowToFront(root.path()));
        {
            QWidget window;
            app::ListenForLaterStarts(root.path(), &window);
            QVERIFY(!window.isVisible());
            // Only the window of the same data root is reached.
            QVERIFY(!app::BringRunningWindowToFront(other.path()));
            QVERIFY(app::BringRunningWindowToFront(root.path()));
            QTRY_VERIFY(window.isVisible());
            // A window that was hidden again is brought back by the next start too.
            window.hide();
            QVERIFY(app::BringRunningWindowToFront(root.path()));
            QTRY_VERIFY(window.isVisible());
        }
        // A closed window no longer answers, and leaves no channel behind.
        QVERIFY(!app::BringRunningWindowToFront(root.path()));
        QVERIFY(!QFileInfo::exists(app::LaterStartChannel(root.path())));
    }
};

QTEST_MAIN(TestInstanceLock)
#include "test_instance_lock.moc"
