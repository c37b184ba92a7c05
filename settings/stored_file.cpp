// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/stored_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDateTime>
#include <QSaveFile>
#endif

namespace settings
{

namespace
{

    FileOutcome failure(FileProblem problem, int error, const QString &what)
    {
        QString reason = what;
        if (error != 0)
            reason += QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
        return { problem, error, reason };
    }

#ifdef Q_OS_UNIX
    class Descriptor
    {
    public:
        explicit Descriptor(int fd)
            : m_fd(fd)
        {
        }
        ~Descriptor()
        {
            if (m_fd >= 0)
                ::close(m_fd);
        }
        Descriptor(const Descriptor &) = delete;
        Descriptor &operator=(const Descriptor &) = delete;
        int get() const
        {
            return m_fd;
        }
        // Closes now, so that a late write error (NFS reports some only here) is seen.
        bool close()
        {
            const int fd = std::exchange(m_fd, -1);
            return ::close(fd) == 0;
        }

    private:
        int m_fd;
    };

    StoredFile::Stamp stampOf(const struct stat &st)
    {
        return { true, std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::int64_t(st.st_size),
            std::int64_t(st.st_mtim.tv_sec), std::int64_t(st.st_mtim.tv_nsec) };
    }

    // Opens path for reading without ever waiting (a FIFO with no writer would block a plain
    // open). Returns -1 with errno set on failure.
    int openForReading(const QByteArray &name)
    {
        int fd;
        do
            fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        while (fd < 0 && errno == EINTR);
        return fd;
    }

    bool isMissing(int error)
    {
        return error == ENOENT || error == ENOTDIR;
    }

    // What is at path now, when it is a regular file Lumo may read or nothing at all; otherwise
    // the reason it must not be saved over.
    FileOutcome probe(const QByteArray &name, std::int64_t largest, StoredFile::Stamp &stamp)
    {
        stamp = {};
        const Descriptor fd(openForReading(name));
        if (fd.get() < 0) {
            if (isMissing(errno))
                return {};
            return failure(FileProblem::Unreadable, errno, QStringLiteral("the file cannot be read"));
        }
        struct stat st;
        if (::fstat(fd.get(), &st) != 0)
            return failure(FileProblem::Unreadable, errno, QStringLiteral("the file cannot be read"));
        if (!S_ISREG(st.st_mode))
            return failure(FileProblem::Unreadable, 0, QStringLiteral("not a regular file"));
        if (st.st_size > largest)
            return failure(FileProblem::Unreadable, 0, QStringLiteral("the file is too large to be Lumo's"));
        stamp = stampOf(st);
        return {};
    }

    bool writeAll(int fd, QByteArrayView bytes)
    {
        const char *at = bytes.data();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(fd, at, std::size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n == 0)
                    errno = EIO;
                return false;
            }
            at += n;
            left -= n;
        }
        return true;
    }
#endif

} // namespace

StoredFile::StoredFile(QString path, std::int64_t maxBytes, Longer longer)
    : m_path(std::move(path))
    , m_maxBytes(maxBytes)
    , m_longer(longer)
{
}

const QString &StoredFile::path() const
{
    return m_path;
}

#ifdef Q_OS_UNIX

std::optional<QByteArray> StoredFile::read()
{
    m_readProblem = FileProblem::None;
    m_known.reset();
    if (m_path.isEmpty())
        return std::nullopt;
    const Descriptor fd(openForReading(QFile::encodeName(m_path)));
    if (fd.get() < 0) {
        if (isMissing(errno))
            m_known = Stamp {};
        else
            m_readProblem = FileProblem::Unreadable;
        return std::nullopt;
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)
        || (m_longer == Longer::Unreadable && st.st_size > m_maxBytes)) {
        m_readProblem = FileProblem::Unreadable;
        return std::nullopt;
    }
    QByteArray bytes(qsizetype(std::min<std::int64_t>(m_maxBytes, st.st_size)), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, std::size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            m_readProblem = FileProblem::Unreadable;
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    m_known = stampOf(st);
    return bytes;
}

FileOutcome StoredFile::write(QByteArrayView bytes)
{
    if (m_path.isEmpty())
        return failure(FileProblem::NoFolder, 0, QStringLiteral("no settings folder"));
    const QFileInfo info(m_path);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        return failure(FileProblem::NoFolder, 0,
            QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder)));

    const QByteArray name = QFile::encodeName(m_path);
    Stamp now;
    const std::int64_t largest = m_longer == Longer::Unreadable ? m_maxBytes : std::numeric_limits<std::int64_t>::max();
    if (FileOutcome found = probe(name, largest, now); !found.ok())
        return found;
    if (m_readProblem == FileProblem::Unreadable)
        return failure(FileProblem::Unreadable, 0, QStringLiteral("the file could not be read at start"));
    if (m_known && now.exists && now != *m_known)
        return failure(FileProblem::ChangedElsewhere, 0, QStringLiteral("another program changed the file"));

    QByteArray temporary = QFile::encodeName(folder + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return failure(FileProblem::WriteFailed, errno, QStringLiteral("cannot create a temporary file"));
    const auto discard = [&temporary](const QString &what) {
        const int error = errno;
        ::unlink(temporary.constData());
        return failure(FileProblem::WriteFailed, error, what);
    };
    struct stat st;
    if (now.exists && ::stat(name.constData(), &st) == 0)
        ::fchmod(fd.get(), st.st_mode & 07777); // the old file's permissions; a new one stays private
    if (!writeAll(fd.get(), bytes))
        return discard(QStringLiteral("cannot write"));
    if (::fsync(fd.get()) != 0)
        return discard(QStringLiteral("cannot flush to the disk"));
    if (::fstat(fd.get(), &st) != 0)
        return discard(QStringLiteral("cannot check the written file"));
    if (st.st_size != bytes.size()) {
        errno = EIO;
        return discard(QStringLiteral("the written file is incomplete"));
    }
    if (!fd.close())
        return discard(QStringLiteral("cannot write"));
    // rename() replaces a symbolic link itself, never the file it points to.
    if (::rename(temporary.constData(), name.constData()) != 0)
        return discard(QStringLiteral("cannot replace the file"));
    m_known = stampOf(st);
    m_readProblem = FileProblem::None;

    // Makes the rename itself durable. The new file is in place either way, so a folder that
    // cannot be flushed (some file systems refuse) does not fail the save.
    const Descriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return {};
}

#else

std::optional<QByteArray> StoredFile::read()
{
    m_readProblem = FileProblem::None;
    m_known.reset();
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || !info.exists()) {
        m_known = Stamp {};
        return std::nullopt;
    }
    QFile file(m_path);
    if (!info.isFile() || (m_longer == Longer::Unreadable && info.size() > m_maxBytes)
        || !file.open(QIODevice::ReadOnly)) {
        m_readProblem = FileProblem::Unreadable;
        return std::nullopt;
    }
    QByteArray bytes = file.read(m_maxBytes);
    if (file.error() != QFileDevice::NoError) {
        m_readProblem = FileProblem::Unreadable;
        return std::nullopt;
    }
    m_known = Stamp { true, 0, 0, info.size(), info.lastModified().toMSecsSinceEpoch(), 0 };
    return bytes;
}

FileOutcome StoredFile::write(QByteArrayView bytes)
{
    if (m_path.isEmpty())
        return failure(FileProblem::NoFolder, 0, QStringLiteral("no settings folder"));
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return failure(FileProblem::NoFolder, 0, QStringLiteral("cannot create the folder"));
    if (m_readProblem == FileProblem::Unreadable || (info.exists() && !info.isFile()))
        return failure(FileProblem::Unreadable, 0, QStringLiteral("the file cannot be read"));
    const Stamp now
        = info.exists() ? Stamp { true, 0, 0, info.size(), info.lastModified().toMSecsSinceEpoch(), 0 } : Stamp {};
    if (m_known && now.exists && now != *m_known)
        return failure(FileProblem::ChangedElsewhere, 0, QStringLiteral("another program changed the file"));
    // Each step is checked here: commit() alone may rename after a failed buffered write.
    QSaveFile file(m_path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()
        || file.size() != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(FileProblem::WriteFailed, 0, reason);
    }
    if (!file.commit())
        return failure(FileProblem::WriteFailed, 0, file.errorString());
    const QFileInfo written(m_path);
    m_known = Stamp { true, 0, 0, written.size(), written.lastModified().toMSecsSinceEpoch(), 0 };
    m_readProblem = FileProblem::None;
    return {};
}

#endif

void logFailedSave(const FileOutcome &outcome, const char *what, const QString &path)
{
    if (outcome.ok())
        return;
    const QByteArray line = QStringLiteral("Lumo: could not save %1 to %2: %3\n")
                                .arg(QString::fromUtf8(what), QDir::toNativeSeparators(path), outcome.reason)
                                .toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

} // namespace settings
