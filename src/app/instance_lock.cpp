#include "app/instance_lock.h"

#include "store/data_root_backup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QWidget>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

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

QByteArray ChannelPath(const QString& dataRoot) {
    return QFile::encodeName(LaterStartChannel(dataRoot));
}

/// The socket address of `path`; false when the path is too long for one.
bool ChannelAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

}  // namespace

// One channel per data root and user, in the temporary folder: the path's hash keeps its name
// short and plain.
QString LaterStartChannel(const QString& dataRoot) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir(dataRoot).absolutePath().toUtf8(), QCryptographicHash::Sha1);
    return QDir::tempPath() +
           QStringLiteral("/soramame-%1-%2")
               .arg(qEnvironmentVariable("USER"), QString::fromLatin1(hash.toHex().left(16)));
}

// The channel is a plain Unix socket rather than QLocalServer: QtNetwork and the libraries it
// brings (Kerberos, proxy lookup) cost a start more than the rest of the program's own setup.
void ListenForLaterStarts(const QString& dataRoot, QWidget* window) {
    const QByteArray path = ChannelPath(dataRoot);
    sockaddr_un address{};
    if (!ChannelAddress(path, address))
        return;
    const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server < 0)
        return;
    // A channel left by a program that died is in the way; the lock says it is ours now.
    unlink(path.constData());
    // Only this user may knock.
    const mode_t oldMask = umask(077);
    const bool bound = bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    umask(oldMask);
    if (!bound || listen(server, 8) != 0) {
        close(server);
        return;
    }
    auto* notifier = new QSocketNotifier(server, QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [server, window] {
        int knock = -1;
        while ((knock = accept4(server, nullptr, nullptr, SOCK_CLOEXEC)) >= 0)
            close(knock);
        if (window->isMinimized())
            window->showNormal();
        window->show();
        window->raise();
        window->activateWindow();
    });
    QObject::connect(notifier, &QObject::destroyed, [server, path] {
        close(server);
        unlink(path.constData());
    });
}

bool BringRunningWindowToFront(const QString& dataRoot) {
    sockaddr_un address{};
    if (!ChannelAddress(ChannelPath(dataRoot), address))
        return false;
    const int client = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (client < 0)
        return false;
    // A listening local socket takes the connection at once or refuses it; a full queue
    // refuses too instead of blocking the start.
    const bool reached =
        ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(client);
    return reached;
}

QString AlreadyRunningText(const QString& dataRoot) {
    return QStringLiteral(
               "ソラマメは、このデータフォルダですでに動いています。\n%1\n"
               "開いているソラマメの画面をお使いください。")
        .arg(QDir::toNativeSeparators(dataRoot));
}

}  // namespace app
