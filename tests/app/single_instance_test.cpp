// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over between starts in a temporary folder, against small fakes of
// a running Lumo made with fork(): what another user, a crash or a stray file
// can leave in the way must never leave a start without a calendar, and
// nothing but this user's Lumo may be handed a start.
#include "app/single_instance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// flock() for the whole test binary: while failLocks is set it refuses every
// lock, as an NFS home without a lock daemon does.
namespace
{
bool failLocks = false;
}
extern "C" int flock(int fd, int operation) noexcept
{
    if (failLocks) {
        errno = ENOLCK;
        return -1;
    }
    return int(::syscall(SYS_flock, fd, operation));
}

namespace
{

using Claim = app::SingleInstance::Claim;
constexpr uid_t Nobody = 65534;

// A child process that runs body(ready) and then sleeps until it is killed;
// the parent goes on once the child has called ready() (its set-up is done).
class Fake
{
public:
    using Ready = std::function<void()>;
    explicit Fake(const std::function<void(const Ready &)> &body)
    {
        int pipe[2];
        EXPECT_EQ(::pipe(pipe), 0);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(pipe[0]);
            body([&] { (void)!::write(pipe[1], "x", 1); });
            for (;;)
                ::pause();
        }
        ::close(pipe[1]);
        char c;
        EXPECT_EQ(::read(pipe[0], &c, 1), 1);
        ::close(pipe[0]);
    }
    ~Fake()
    {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }

private:
    pid_t m_pid;
};

sockaddr_un socketAddress(const QString &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return address;
}

int listeningSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = socketAddress(path);
    ::unlink(address.sun_path);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    return fd;
}

// A running Lumo as far as a later start can see: holds the lock, and once
// socketAfterMs have passed listens as uid and answers each request with
// answer after answerAfterMs (never when negative).
void holder(const Fake::Ready &ready, const QString &folder, int socketAfterMs, uid_t uid, int answerAfterMs,
    const QByteArray &answer)
{
    const app::SingleInstance probe(folder);
    const int lock = ::open(QFile::encodeName(probe.lockPath()).constData(), O_RDWR | O_CREAT, 0600);
    if (::flock(lock, LOCK_EX) != 0)
        ::_exit(1);
    ready();
    ::usleep(useconds_t(socketAfterMs) * 1000);
    const int server = listeningSocket(probe.socketPath());
    // The peer's credentials are those of its listen().
    if (::setuid(uid) != 0 || ::listen(server, 4) != 0)
        ::_exit(1);
    for (;;) {
        const int client = ::accept(server, nullptr, nullptr);
        char request[512];
        while (::read(client, request, sizeof request) > 0) { }
        if (answerAfterMs < 0)
            continue; // held open, never answered
        ::usleep(useconds_t(answerAfterMs) * 1000);
        (void)!::send(client, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
        ::close(client);
    }
}

// How many descriptors this process has open (it never has a thousand).
int openFds()
{
    int count = 0;
    for (int fd = 0; fd < 1024; ++fd)
        count += ::fcntl(fd, F_GETFD) != -1 ? 1 : 0;
    return count;
}

bool isRoot()
{
    return ::geteuid() == 0;
}

TEST(SingleInstance, FirstStartServesALaterOneWithItsIds)
{
    QTemporaryDir folder;
    app::SingleInstance first(folder.path());
    ASSERT_EQ(first.claim({}), Claim::First);
    first.serve();
    QSignalSpy spy(&first, &app::SingleInstance::activationRequested);
    const pid_t later = ::fork();
    if (later == 0) {
        app::SingleInstance second(folder.path());
        ::_exit(second.claim({ "lumo-1_TIME42", "token\nwith a break" }) == Claim::HandedOver ? 0 : 1);
    }
    ASSERT_TRUE(spy.wait(5000));
    int status = -1;
    ::waitpid(later, &status, 0);
    EXPECT_EQ(status, 0);
    const auto request = spy.at(0).at(0).value<app::Activation>();
    EXPECT_EQ(request.startupId, "lumo-1_TIME42");
    EXPECT_EQ(request.activationToken, "tokenwith a break");
}

// What another user, a crash or a stray file left behind never keeps the
// calendar from starting, and the start then serves the later ones, holds the
// lock with its pid in it and, once gone, keeps no descriptor open. A launcher
// may have closed stdin, so that the lock can get descriptor 0.
TEST(SingleInstance, LeftoversNeverBlockAStart)
{
    struct Row {
        const char *what;
        std::function<std::unique_ptr<Fake>(const app::SingleInstance &)> plant;
        bool asRoot;
        bool stdinClosed = false;
    };
    const auto file = [](const QString &path, const QByteArray &content) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return nullptr;
    };
    const auto directory = [](const QString &path) {
        ::mkdir(QFile::encodeName(path).constData(), 0700);
        return nullptr;
    };
    const auto fifo = [](const QString &path) {
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
        return nullptr;
    };
    const Row rows[] = {
        { "empty lock", [&](auto &i) { return file(i.lockPath(), {}); }, false },
        { "garbage lock", [&](auto &i) { return file(i.lockPath(), QByteArray("\x01\xfe not a pid\n\0\0", 16)); },
            false },
        { "directory at the lock", [&](auto &i) { return directory(i.lockPath()); }, false },
        { "FIFO at the lock, stdin closed", [&](auto &i) { return fifo(i.lockPath()); }, false, true },
        { "directory at the socket", [&](auto &i) { return directory(i.socketPath()); }, false },
        { "dead start's socket",
            [](auto &i) {
                ::close(listeningSocket(i.socketPath()));
                return nullptr;
            },
            false },
        { "lock held by another user",
            [](auto &i) {
                const QByteArray path = QFile::encodeName(i.lockPath());
                return std::make_unique<Fake>([path](const Fake::Ready &ready) {
                    const int fd = ::open(path.constData(), O_RDWR | O_CREAT, 0644);
                    if (::fchown(fd, Nobody, Nobody) != 0 || ::setuid(Nobody) != 0 || ::flock(fd, LOCK_EX) != 0)
                        ::_exit(1);
                    ready();
                });
            },
            true },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        if (row.asRoot && !isRoot()) {
            std::fprintf(stderr, "skipped without root: %s\n", row.what);
            continue;
        }
        QTemporaryDir folder;
        const int stdinCopy = ::dup(0);
        if (row.stdinClosed)
            ::close(0);
        const int fds = openFds();
        {
            app::SingleInstance first(folder.path());
            const std::unique_ptr<Fake> planted = row.plant(first);
            QElapsedTimer clock;
            clock.start();
            ASSERT_EQ(first.claim({}), Claim::First);
            EXPECT_LT(clock.elapsed(), 1000);
            // Read without blocking on what may still be a FIFO.
            QFile lock;
            lock.open(::open(QFile::encodeName(first.lockPath()).constData(), O_RDONLY | O_NONBLOCK),
                QIODevice::ReadOnly, QFile::AutoCloseHandle);
            EXPECT_EQ(lock.readAll(), QByteArray::number(::getpid()) + '\n');
            first.serve();
            QSignalSpy spy(&first, &app::SingleInstance::activationRequested);
            const pid_t later = ::fork();
            if (later == 0)
                ::_exit(app::SingleInstance(folder.path()).claim({}) == Claim::HandedOver ? 0 : 1);
            EXPECT_TRUE(spy.wait(5000));
            int status = -1;
            ::waitpid(later, &status, 0);
            EXPECT_EQ(status, 0);
        }
        EXPECT_EQ(openFds(), fds);
        ::dup2(stdinCopy, 0);
        ::close(stdinCopy);
    }
}

// Where no lock can be had the start runs, and keeps no descriptor.
TEST(SingleInstance, RunsWhereNoLockCanBeHad)
{
    QTemporaryDir folder;
    const int fds = openFds();
    failLocks = true;
    EXPECT_EQ(app::SingleInstance(folder.path()).claim({}), Claim::First);
    failLocks = false;
    EXPECT_EQ(openFds(), fds);
}

// A wake-up with nothing to read, which poll() may give, keeps the later
// start's connection.
TEST(SingleInstance, WakeUpWithNothingToReadKeepsAConnection)
{
    QTemporaryDir folder;
    app::SingleInstance first(folder.path());
    ASSERT_EQ(first.claim({}), Claim::First);
    const int later = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = socketAddress(first.socketPath());
    ASSERT_EQ(::connect(later, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    first.serve(); // takes the connection from the backlog
    QSignalSpy spy(&first, &app::SingleInstance::activationRequested);
    for (QSocketNotifier *notifier : first.findChildren<QSocketNotifier *>()) {
        QEvent wakeUp(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &wakeUp);
    }
    const QByteArray request = app::Activation { "id", {} }.encode();
    ASSERT_EQ(::send(later, request.constData(), size_t(request.size()), 0), request.size());
    ::shutdown(later, SHUT_WR);
    EXPECT_TRUE(spy.wait(5000));
    ::close(later);
}

// A later start meets a holder of the lock: it waits for a socket that comes
// late, hands over only to this user, and gives up in bounded time.
TEST(SingleInstance, LaterStartWaitsBoundedForTheHolder)
{
    struct Row {
        const char *what;
        int socketAfterMs;
        uid_t uid;
        int answerAfterMs;
        QByteArray answer;
        Claim expected;
        bool asRoot;
    };
    const Row rows[] = {
        { "socket comes late", 700, ::geteuid(), 0, "ok\n", Claim::HandedOver, false },
        { "slow answer", 0, ::geteuid(), 1500, "ok\n", Claim::HandedOver, false },
        { "answer goes on after its line", 0, ::geteuid(), 0, "ok\nand more", Claim::HandedOver, false },
        { "accepts and never answers", 0, ::geteuid(), -1, "", Claim::NoAnswer, false },
        { "peer of another user", 0, Nobody, 0, "ok\n", Claim::NoAnswer, true },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        if (row.asRoot && !isRoot()) {
            std::fprintf(stderr, "skipped without root: %s\n", row.what);
            continue;
        }
        QTemporaryDir folder;
        const Fake running([&](const Fake::Ready &ready) {
            holder(ready, folder.path(), row.socketAfterMs, row.uid, row.answerAfterMs, row.answer);
        });
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(app::SingleInstance(folder.path()).claim({}), row.expected);
        EXPECT_LT(clock.elapsed(), 9000);
    }
}

// Only a folder of this user's with mode 0700 holds the lock and the socket:
// in a shared one another user could block or take over every start. The
// cache folder, when made, is private as well, and a wider mode left on
// Lumo's own folder is narrowed.
TEST(SingleInstance, UsesOnlyAPrivateFolder)
{
    QTemporaryDir home;
    const QByteArray path = QFile::encodeName(home.path());
    const QByteArray shared = path + "/shared";
    ::mkdir(shared.constData(), 0700);
    ::chmod(shared.constData(), 01777);
    qputenv("XDG_CACHE_HOME", path + "/cache");
    const QByteArray own = path + "/cache/lumo";
    for (const QByteArray &runtime : { shared, QByteArray() }) {
        SCOPED_TRACE(runtime.constData());
        qputenv("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(QFile::encodeName(app::SingleInstance::privateFolder()), own);
        for (const QByteArray &made : { path + "/cache", own }) {
            struct stat st;
            ASSERT_EQ(::stat(made.constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0700u) << made.constData();
        }
        ::chmod(own.constData(), 0755);
    }
    ::chmod(shared.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", shared);
    EXPECT_EQ(QFile::encodeName(app::SingleInstance::privateFolder()), shared);
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
