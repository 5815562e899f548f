#include "app/instance_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QWidget>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace app {
namespace {

/// Whether `folder` is a real folder (not a link) of this user that nobody else may enter or
/// write: a socket there cannot be replaced or listened on by another user.
bool IsPrivateFolder(const QByteArray& folder) {
    struct stat status {};
    return lstat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == geteuid() && (status.st_mode & 077) == 0;
}

/// The folder for this user's channels: the session's runtime folder where the desktop gives
/// one, otherwise a folder of the user's own in the temporary folder, made private. Empty when
/// neither can be had safely.
QString PrivateChannelFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    const QString own = QDir::tempPath() + QStringLiteral("/soramame-%1").arg(geteuid());
    const QByteArray encoded = QFile::encodeName(own);
    // Made with no rights for anyone else; a folder someone else made first is never used.
    mkdir(encoded.constData(), 0700);
    return IsPrivateFolder(encoded) ? own : QString();
}

QByteArray ChannelPath(const QString& dataRoot) {
    return QFile::encodeName(LaterStartChannel(dataRoot));
}

/// The socket address of `path`; false when the path is empty or too long for one.
bool ChannelAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

void BringForward(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

// One channel per data root, named by the hash of the root's real path, so that a start
// through a linked path knocks at the same door.
QString LaterStartChannel(const QString& dataRoot) {
    const QString folder = PrivateChannelFolder();
    if (folder.isEmpty())
        return {};
    QString real = QFileInfo(dataRoot).canonicalFilePath();
    if (real.isEmpty())
        real = QDir(dataRoot).absolutePath();
    const QByteArray hash = QCryptographicHash::hash(real.toUtf8(), QCryptographicHash::Sha1);
    return folder + QStringLiteral("/soramame-%1").arg(QString::fromLatin1(hash.toHex().left(16)));
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
        BringForward(window);
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

}  // namespace app
