// One program per data root: the lock, and a later start bringing the running window forward.
#include "app/instance_lock.h"
#include "testing/temp_root.h"

#include <QWidget>
#include <QtTest>

class TestInstanceLock : public QObject {
    Q_OBJECT
  private slots:
    void secondLockIsRefused() {
        TempRoot root;
        app::DataRootLock first(root.path());
        app::DataRootLock second(root.path());
        QVERIFY(first.TryLock());
        QVERIFY(!second.TryLock());
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
