#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace app
{

namespace
{

    // The runtime folder is the user's own (mode 0700); the user id in the names
    // keeps users apart where it falls back to a shared temporary folder.
    QString runtimePath(const char *suffix)
    {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (folder.isEmpty())
            folder = QDir::tempPath();
        return QStringLiteral("%1/lumo-%2.%3").arg(folder).arg(::getuid()).arg(QLatin1String(suffix));
    }

    constexpr int HandOverMs = 5000;
    constexpr int ConnectMs = 250;
    constexpr int RetryMs = 50;

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
    , m_socketPath(runtimePath("socket"))
    , m_lock(runtimePath("lock"))
{
    // The lock is held for the whole run: never treat it as stale by its age,
    // only when the process that holds it is gone.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_server) {
        m_server->close();
        QLocalServer::removeServer(m_socketPath);
    }
}

SingleInstance::Claim SingleInstance::claim()
{
    const QDeadlineTimer deadline(HandOverMs);
    for (;;) {
        if (m_lock.tryLock(0)) {
            listen();
            return Claim::First;
        }
        // Without a usable lock file there is no telling; run rather than refuse.
        if (m_lock.error() != QLockFile::LockFailedError)
            return Claim::First;

        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(ConnectMs)) {
            // The connection is the request; the running Lumo closes it once it acted.
            socket.waitForDisconnected(ConnectMs * 4);
            return Claim::HandedOver;
        }
        if (deadline.hasExpired())
            return Claim::NoAnswer;
        // The holder is still starting: its socket comes right after its lock.
        QThread::msleep(RetryMs);
    }
}

void SingleInstance::listen()
{
    // Holding the lock, any socket file left behind is a dead process's.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        delete m_server;
        m_server = nullptr;
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit activationRequested();
            socket->disconnectFromServer();
        }
    });
}

} // namespace app
