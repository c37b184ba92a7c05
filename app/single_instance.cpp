// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace app
{

namespace
{

    using Clock = std::chrono::steady_clock;
    using std::chrono::milliseconds;

    // How long a later start keeps trying while the holder of the lock starts
    // up (its socket comes right after its lock), how long one connection may
    // take, and how long it waits for the answer, which the running Lumo gives
    // once its window exists.
    constexpr milliseconds HandOverTime { 5000 };
    constexpr milliseconds RetryTime { 50 };
    constexpr int ConnectMs = 250;
    constexpr int AnswerMs = 3000;
    // A request is a few short lines; a connection that sends more, or takes
    // longer, is dropped.
    constexpr qsizetype RequestLimit = 4096;
    constexpr int RequestMs = 2000;
    constexpr char Answer[] = "ok\n";
    constexpr char StartupIdKey[] = "startup-id ";
    constexpr char TokenKey[] = "activation-token ";

    bool ownedPrivateFolder(const QByteArray &path)
    {
        struct stat st;
        return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
            && (st.st_mode & 07777) == 0700;
    }

    QByteArray homeFolder()
    {
        QByteArray home = qgetenv("HOME");
        if (home.isEmpty()) {
            if (const passwd *entry = ::getpwuid(::geteuid()))
                home = entry->pw_dir;
        }
        return home;
    }

    // The host's name keeps two hosts apart where the folder is shared (a home
    // folder on NFS), since a lock or socket is only ever this host's.
    QString hostName()
    {
        char name[256] = {};
        if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
            return QStringLiteral("localhost");
        return QString::fromLocal8Bit(name).replace(QLatin1Char('/'), QLatin1Char('_'));
    }

    // Moves whatever blocks a path (a directory, a FIFO, another user's file)
    // out of the way, so that a later start is never left without a calendar.
    void moveAside(const QByteArray &path)
    {
        const QByteArray aside = path + ".moved-" + QByteArray::number(::getpid());
        if (::rename(path.constData(), aside.constData()) == 0)
            std::fprintf(stderr, "lumo: moved %s aside to %s\n", path.constData(), aside.constData());
        else if (errno != ENOENT)
            std::fprintf(stderr, "lumo: %s is in the way: %s\n", path.constData(), std::strerror(errno));
    }

    // Opens the lock file, a regular file of this user's; -1 when the folder
    // cannot hold one.
    int openLock(const QByteArray &path)
    {
        for (int attempt = 0; attempt < 2; ++attempt) {
            const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
            struct stat st;
            if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
                return fd;
            const bool blocked = fd >= 0 || errno == EISDIR || errno == ELOOP;
            if (fd >= 0)
                ::close(fd);
            if (!blocked)
                break;
            moveAside(path);
        }
        return -1;
    }

    bool peerIsThisUser(int fd)
    {
#ifdef SO_PEERCRED
        ucred cred {};
        socklen_t size = sizeof cred;
        return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &size) == 0 && cred.uid == ::geteuid();
#else
        uid_t uid = 0;
        gid_t gid = 0;
        return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::geteuid();
#endif
    }

    bool socketAddress(const QByteArray &path, sockaddr_un &address)
    {
        address = {};
        address.sun_family = AF_UNIX;
        if (path.size() >= qsizetype(sizeof address.sun_path))
            return false;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        return true;
    }

    enum class HandOver { NotYet, Answered, Silent };

    HandOver handOver(const QByteArray &path, const QByteArray &request)
    {
        sockaddr_un address;
        if (!socketAddress(path, address))
            return HandOver::NotYet;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return HandOver::NotYet;
        // A full backlog would block connect() without a time-out.
        const timeval connectTime { 0, suseconds_t { ConnectMs } * 1000 };
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &connectTime, sizeof connectTime);
        HandOver result = HandOver::NotYet;
        // Only a Lumo of this user may be handed the start; anything else
        // listening there is waited out like a socket not made yet.
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 && peerIsThisUser(fd)) {
            result = HandOver::Silent;
            if (::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) == request.size()) {
                ::shutdown(fd, SHUT_WR);
                pollfd answer { fd, POLLIN, 0 };
                char reply[sizeof Answer] = {};
                if (::poll(&answer, 1, AnswerMs) == 1 && ::recv(fd, reply, sizeof reply - 1, 0) > 0
                    && std::strcmp(reply, Answer) == 0)
                    result = HandOver::Answered;
            }
        }
        ::close(fd);
        return result;
    }

    // One later start's connection, read from the event loop until it closes
    // its side; dropped when it sends too much or too slowly.
    class Connection final : public QObject
    {
    public:
        Connection(int fd, SingleInstance *instance)
            : QObject(instance)
            , m_fd(fd)
            , m_notifier(fd, QSocketNotifier::Read, this)
        {
            connect(&m_notifier, &QSocketNotifier::activated, this, [this, instance] { read(instance); });
            m_deadline.setSingleShot(true);
            connect(&m_deadline, &QTimer::timeout, this, &QObject::deleteLater);
            m_deadline.start(RequestMs);
        }
        ~Connection() override
        {
            m_notifier.setEnabled(false);
            ::close(m_fd);
        }

    private:
        void read(SingleInstance *instance)
        {
            char chunk[512];
            const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, MSG_DONTWAIT);
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                return;
            if (n > 0 && m_request.size() + n <= RequestLimit) {
                m_request.append(chunk, n);
                return;
            }
            m_notifier.setEnabled(false);
            if (n == 0) {
                emit instance->activationRequested(Activation::decode(m_request));
                ::send(m_fd, Answer, sizeof Answer - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
            }
            deleteLater();
        }

        int m_fd;
        QSocketNotifier m_notifier;
        QTimer m_deadline;
        QByteArray m_request;
    };

} // namespace

QByteArray Activation::encode() const
{
    // A value never holds a line break: one would end its line early.
    const auto line = [](const char *key, QByteArray value) {
        value.replace('\n', "");
        return value.isEmpty() ? QByteArray() : key + value + '\n';
    };
    return line(StartupIdKey, startupId) + line(TokenKey, activationToken);
}

Activation Activation::decode(const QByteArray &request)
{
    Activation result;
    for (const QByteArray &line : request.split('\n')) {
        if (line.startsWith(StartupIdKey))
            result.startupId = line.mid(qsizetype(std::strlen(StartupIdKey)));
        else if (line.startsWith(TokenKey))
            result.activationToken = line.mid(qsizetype(std::strlen(TokenKey)));
    }
    return result;
}

SingleInstance::SingleInstance(QString folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder.isEmpty() ? privateFolder() : std::move(folder))
{
}

SingleInstance::~SingleInstance()
{
    if (m_serverFd >= 0) {
        ::close(m_serverFd);
        ::unlink(QFile::encodeName(socketPath()).constData());
    }
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

QString SingleInstance::lockPath() const
{
    return QStringLiteral("%1/lumo-%2.lock").arg(m_folder, hostName());
}

QString SingleInstance::socketPath() const
{
    return QStringLiteral("%1/lumo-%2.socket").arg(m_folder, hostName());
}

QString SingleInstance::privateFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && ownedPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    QByteArray cache = qgetenv("XDG_CACHE_HOME");
    if (!cache.startsWith('/'))
        cache = homeFolder() + "/.cache";
    if (!cache.startsWith('/'))
        return {};
    ::mkdir(cache.constData(), 0700);
    const QByteArray folder = cache + "/lumo";
    ::mkdir(folder.constData(), 0700);
    struct stat st;
    if (::lstat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return {};
    if ((st.st_mode & 07777) != 0700 && ::chmod(folder.constData(), 0700) != 0)
        return {};
    return QFile::decodeName(folder);
}

SingleInstance::Claim SingleInstance::claim(const Activation &request)
{
    if (m_folder.isEmpty())
        return Claim::First;
    m_lockFd = openLock(QFile::encodeName(lockPath()));
    if (m_lockFd < 0)
        return Claim::First;
    const QByteArray socket = QFile::encodeName(socketPath());
    const QByteArray message = request.encode();
    const auto deadline = Clock::now() + HandOverTime;
    for (;;) {
        if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
            const QByteArray pid = QByteArray::number(::getpid()) + '\n';
            if (::ftruncate(m_lockFd, 0) == 0 && ::pwrite(m_lockFd, pid.constData(), size_t(pid.size()), 0) < 0)
                std::fputs("lumo: cannot write the lock file\n", stderr);
            listen();
            return Claim::First;
        }
        if (errno != EWOULDBLOCK)
            break;
        const HandOver result = handOver(socket, message);
        if (result != HandOver::NotYet || Clock::now() >= deadline) {
            ::close(m_lockFd);
            m_lockFd = -1;
            return result == HandOver::Answered ? Claim::HandedOver : Claim::NoAnswer;
        }
        std::this_thread::sleep_for(RetryTime);
    }
    ::close(m_lockFd);
    m_lockFd = -1;
    return Claim::First;
}

void SingleInstance::listen()
{
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un address;
    if (!socketAddress(path, address)) {
        std::fprintf(
            stderr, "lumo: %s is too long for a socket; later starts will not find this one\n", path.constData());
        return;
    }
    // Holding the lock, whatever is at the socket's path is a dead Lumo's or
    // in the way.
    if (::unlink(path.constData()) != 0 && errno != ENOENT)
        moveAside(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 16) != 0) {
        std::fprintf(stderr, "lumo: cannot listen on %s: %s\n", path.constData(), std::strerror(errno));
        ::close(fd);
        return;
    }
    m_serverFd = fd;
}

void SingleInstance::serve()
{
    if (m_serverFd < 0)
        return;
    auto *notifier = new QSocketNotifier(m_serverFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptAll);
    // Starts that came while this one was starting wait in the backlog.
    acceptAll();
}

void SingleInstance::acceptAll()
{
    for (;;) {
        const int fd = ::accept4(m_serverFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        if (peerIsThisUser(fd))
            new Connection(fd, this);
        else
            ::close(fd);
    }
}

} // namespace app
