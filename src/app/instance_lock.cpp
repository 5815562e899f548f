#include "app/instance_lock.h"

#include "store/data_root_backup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace app {

DataRootLock::DataRootLock(const QString& dataRoot)
    : file_(dataRoot + '/' + store::kInstanceLockName) {
    // The window may stay open for days: the lock never goes stale by age, only when the
    // program that made it is gone.
    file_.setStaleLockTime(0);
}

bool DataRootLock::TryLock() {
    return file_.tryLock(0);
}

namespace {

/// One channel name per data root and user: the path's hash keeps it short and plain.
QString ChannelName(const QString& dataRoot) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir(dataRoot).absolutePath().toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("soramame-%1-%2")
        .arg(qEnvironmentVariable("USER"), QString::fromLatin1(hash.toHex().left(16)));
}

}  // namespace

void ListenForLaterStarts(const QString& dataRoot, QWidget* window) {
    auto* server = new QLocalServer(window);
    // A channel left by a program that died is in the way; the lock says it is ours now.
    QLocalServer::removeServer(ChannelName(dataRoot));
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(ChannelName(dataRoot)))
        return;
    QObject::connect(server, &QLocalServer::newConnection, window, [server, window] {
        while (QLocalSocket* socket = server->nextPendingConnection())
            socket->deleteLater();
        if (window->isMinimized())
            window->showNormal();
        window->show();
        window->raise();
        window->activateWindow();
    });
}

bool BringRunningWindowToFront(const QString& dataRoot) {
    QLocalSocket socket;
    socket.connectToServer(ChannelName(dataRoot));
    if (!socket.waitForConnected(1000))
        return false;
    socket.disconnectFromServer();
    return true;
}

QString AlreadyRunningText(const QString& dataRoot) {
    return QStringLiteral(
               "ソラマメは、このデータフォルダですでに動いています。\n%1\n"
               "開いているソラマメの画面をお使いください。")
        .arg(QDir::toNativeSeparators(dataRoot));
}

}  // namespace app
