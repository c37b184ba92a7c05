// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/koyomi_option.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sstream>
#include <string>

#ifdef Q_OS_UNIX
#include <csignal>
#include <cstdio>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/syscall.h>
#endif

using settings::readSettingsFile;
using settings::Settings;
using settings::writeSettingsFile;

namespace
{

const Settings kSaved { -20, 300, 255, 250, 240, true, 85, true, 2 };
const Settings kOther { 44, 12, 0, 0, 1, false, 50, false, 3 };

QByteArray formatted(const Settings &s)
{
    std::ostringstream out;
    settings::formatSettings(out, s);
    return QByteArray::fromStdString(out.str());
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<cannot open>";
    return file.readAll();
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs a save that is expected to fail; returns what it printed on stderr.
std::string failingSave(const QString &path, const Settings &s)
{
    testing::internal::CaptureStderr();
    const bool saved = writeSettingsFile(path, s);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(saved);
    return printed;
}

void expectOneLine(const std::string &printed)
{
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << printed;
}

} // namespace

TEST(SettingsFile, NameAndPlace)
{
#ifdef Q_OS_WIN
    EXPECT_EQ(settings::settingsFileName(), QStringLiteral("Lumo.INI"));
#else
    EXPECT_EQ(settings::settingsFileName(), QStringLiteral("Lumo prefs"));
#endif
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The folder is the user's configuration folder, named after the application.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
    const QString oldName = QCoreApplication::applicationName();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QCoreApplication::setApplicationName(QStringLiteral("Lumo"));
    const QString path = settings::settingsFilePath();
    qputenv("XDG_CONFIG_HOME", oldHome);
    QCoreApplication::setApplicationName(oldName);
    EXPECT_EQ(path.toStdString(), (home.path() + QStringLiteral("/Lumo/Lumo prefs")).toStdString());
#endif
}

TEST(SettingsFile, RoundTripCreatesTheFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config/Lumo/") + settings::settingsFileName());

    ASSERT_TRUE(writeSettingsFile(path, kSaved));
    EXPECT_EQ(readSettingsFile(path), kSaved);
    EXPECT_EQ(contents(path), formatted(kSaved));

    // Saving again replaces the file; saving the same values again gives the same bytes.
    ASSERT_TRUE(writeSettingsFile(path, kOther));
    EXPECT_EQ(readSettingsFile(path), kOther);
    const QByteArray first = contents(path);
    ASSERT_TRUE(writeSettingsFile(path, kOther));
    EXPECT_EQ(contents(path), first);
    EXPECT_EQ(entries(QFileInfo(path).absolutePath()), QStringList { settings::settingsFileName() });
}

TEST(SettingsFile, ReadingWhatIsThere)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    EXPECT_EQ(readSettingsFile(dir.filePath(QStringLiteral("missing"))), std::nullopt);
    EXPECT_EQ(readSettingsFile(QString()), std::nullopt);
    EXPECT_EQ(readSettingsFile(dir.path()), std::nullopt) << "a folder is not a settings file";

    const QString empty = dir.filePath(QStringLiteral("empty"));
    ASSERT_TRUE(put(empty, {}));
    EXPECT_EQ(readSettingsFile(empty), Settings {});

    const QString crlf = dir.filePath(QStringLiteral("crlf"));
    ASSERT_TRUE(put(crlf, "-20\r\n300\r\n255\r\n250\r\n240\r\nTrue\r\n85\r\nTrue\r\n2\r\n"));
    EXPECT_EQ(readSettingsFile(crlf), kSaved);
}

TEST(SettingsFile, HugeFileIsReadBounded)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("huge"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write("7"), 1);
    ASSERT_TRUE(file.resize(100'000'000)); // a single line of NUL bytes after the digit, sparse on disk
    file.close();
    EXPECT_EQ(readSettingsFile(path), Settings { 7 });

    // Nine lines of the longest length the reader takes, each value at its end, are read whole.
    QByteArray longest;
    for (const QByteArray &line : formatted(kSaved).split('\n').first(settings::kLineCount))
        longest += QByteArray(qsizetype(settings::kMaxLineBytes) - line.size(), ' ') + line + '\n';
    ASSERT_TRUE(put(path, longest));
    EXPECT_EQ(readSettingsFile(path), kSaved);
}

TEST(SettingsFileWrite, UnusablePlaceFailsCleanly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(put(plain, "not a folder\n"));
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder/inside")));

    struct Row {
        const char *name;
        QString path;
    };
    const Row rows[] = {
        { "folder under a regular file", plain + QStringLiteral("/Lumo/") + settings::settingsFileName() },
        { "file under a regular file", plain + QLatin1Char('/') + settings::settingsFileName() },
        { "path is a folder", folder },
        { "no path", QString() },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        expectOneLine(failingSave(row.path, kSaved));
        EXPECT_EQ(contents(plain), QByteArray("not a folder\n"));
        EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/inside")).isDir());
    }
    EXPECT_EQ(entries(dir.path()), (QStringList { QStringLiteral("folder"), QStringLiteral("plain") }));
}

// Two calendars may run at once when no single-instance lock could be made: a save never
// replaces a file that the other one wrote after this one read it, missing then or not. A
// calendar's own saves follow one another freely.
TEST(SettingsFile, NeverSavesOverAnotherLumosSave)
{
    for (const bool existed : { true, false }) {
        SCOPED_TRACE(existed ? "file read at opening" : "no file at opening");
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(settings::settingsFileName());
        if (existed) {
            ASSERT_TRUE(writeSettingsFile(path, kOther));
        }
        settings::SettingsFile mine(path);
        settings::SettingsFile other(path);
        mine.read();
        other.read();
        EXPECT_TRUE(other.write(kOther).ok());
        EXPECT_TRUE(other.write(kOther).ok());
        testing::internal::CaptureStderr();
        EXPECT_EQ(mine.write(kSaved).problem, settings::FileProblem::ChangedElsewhere);
        expectOneLine(testing::internal::GetCapturedStderr());
        EXPECT_EQ(contents(path), formatted(kOther));
    }
}

// lumo.ini as a hand may edit it: only "true" and "1" turn the option on; the last
// display/koyomi line counts.
TEST(KoyomiOption, HandEditedValues)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(QStringLiteral("lumo.ini"));
    const struct {
        const char *text;
        bool on;
    } rows[] = {
        { "[display]\nkoyomi=1\n", true },
        { "[display]\nkoyomi=true", true },
        { "; note\n\n [display] \r\n  koyomi =\ttrue \r\n", true },
        { "[display]\nkoyomi=yes\n", false },
        { "[display]\nkoyomi=truex\n", false },
        { "[display]\nkoyomi=TRUE \n", false },
        { "[display]\nkoyomi=0\n", false },
        { "[display]\nkoyomi=true\nkoyomi=false\n", false },
        { "[display]\n#koyomi=false\nkoyomi=true\n[other]\nkoyomi=false\n", true },
        { "[display]\nkoyomis=true\n", false },
    };
    for (const auto &row : rows) {
        ASSERT_TRUE(put(ini, row.text));
        EXPECT_EQ(settings::readKoyomiOption(ini), row.on) << row.text;
    }
}

#ifdef Q_OS_LINUX
namespace
{

ino_t gFailingInode = 0; // reads of this file fail with EIO; 0 for none

} // namespace

// Replaces the C library's read() for the whole test binary: a disk error on one chosen file.
extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    struct stat st;
    if (gFailingInode != 0 && ::fstat(fd, &st) == 0 && st.st_ino == gFailingInode) {
        errno = EIO;
        return -1;
    }
    return ::syscall(SYS_read, fd, buffer, size);
}

// A file that opens but cannot be read is no settings at all (the window then takes its
// defaults), not a file of zeros, and it is never saved over.
TEST(SettingsFile, ReadErrorGivesNoSettings)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(settings::settingsFileName());
    ASSERT_TRUE(writeSettingsFile(path, kSaved));
    settings::SettingsFile file(path);
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    gFailingInode = st.st_ino;
    const std::optional<Settings> read = file.read();
    gFailingInode = 0;
    EXPECT_EQ(read, std::nullopt);
    testing::internal::CaptureStderr();
    EXPECT_EQ(file.write(kOther).problem, settings::FileProblem::Unreadable);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(contents(path), formatted(kSaved));
}
#endif

#ifdef Q_OS_UNIX
namespace
{

constexpr uid_t kNobody = 65534;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Runs work in a child process with its stderr silenced, as an unprivileged user when asked and
// the tests run as root. Returns whether work returned true.
bool inChild(bool unprivileged, const std::function<bool()> &work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (unprivileged && ::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        if (!std::freopen("/dev/null", "w", stderr))
            ::_exit(3);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// A full disk, met here as a file size limit: every write past it fails. The saves fail and
// both files stay as they were, byte for byte.
TEST(SettingsFileWrite, FullDiskKeepsTheOldFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(settings::settingsFileName());
    const QString ini = dir.filePath(QStringLiteral("lumo.ini"));
    ASSERT_TRUE(writeSettingsFile(path, kSaved));
    ASSERT_TRUE(settings::writeKoyomiOption(ini, true));
    const QByteArray before = contents(path);
    const QByteArray iniBefore = contents(ini);

    for (const rlim_t limit : { 0, 1, 22 }) { // both new files are longer than 22 bytes
        SCOPED_TRACE(limit);
        EXPECT_TRUE(inChild(false, [&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size { limit, limit };
            return ::setrlimit(RLIMIT_FSIZE, &size) == 0 && !writeSettingsFile(path, kOther)
                && !settings::writeKoyomiOption(ini, false);
        }));
        EXPECT_EQ(contents(path), before);
        EXPECT_EQ(contents(ini), iniBefore);
        EXPECT_EQ(entries(dir.path()).size(), 2) << "no temporary file is left";
    }
}

// Only regular files are read, and opening never waits (a FIFO without a writer blocks a plain
// open). None of them is saved over, whether named directly or through a link.
TEST(SettingsFile, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(native(fifo).constData(), 0600), 0);
    const QString toFifo = dir.filePath(QStringLiteral("link to fifo"));
    const QString toDevice = dir.filePath(QStringLiteral("link to device"));
    ASSERT_TRUE(QFile::link(fifo, toFifo));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), toDevice));

    for (const QString &path : { fifo, toFifo, toDevice, QStringLiteral("/dev/zero"), QStringLiteral("/dev/null") }) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(readSettingsFile(path), std::nullopt);
        EXPECT_FALSE(settings::readKoyomiOption(path));
        expectOneLine(failingSave(path, kSaved));
        EXPECT_FALSE(QFileInfo(path).isFile());
    }
    EXPECT_TRUE(QFileInfo(toFifo).isSymLink());
    EXPECT_TRUE(QFileInfo(toDevice).isSymLink());
}

// A save replaces a symbolic link with the new file and leaves the file it pointed to alone,
// as root and as an ordinary user.
TEST(SettingsFileWrite, ReplacesALinkNeverItsTarget)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(::chmod(native(dir.path()).constData(), 0755), 0);
    const QString folder = dir.filePath(QStringLiteral("Lumo"));
    ASSERT_TRUE(QDir().mkdir(folder));
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(native(folder).constData(), kNobody, kNobody), 0);
    }
    const QString target = dir.filePath(QStringLiteral("someone else's"));
    ASSERT_TRUE(put(target, "theirs\n"));
    const QString path = folder + QLatin1Char('/') + settings::settingsFileName();

    for (const bool unprivileged : { false, true }) {
        SCOPED_TRACE(unprivileged ? "as an ordinary user" : "as the tests' user");
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(target, path));
        EXPECT_TRUE(inChild(unprivileged, [&] { return writeSettingsFile(path, kOther); }));
        EXPECT_EQ(contents(target), QByteArray("theirs\n"));
        EXPECT_FALSE(QFileInfo(path).isSymLink());
        EXPECT_EQ(contents(path), formatted(kOther));
    }
}

// A file that exists but cannot be read (mode 200) may hold values this run never saw: it is
// never saved over.
TEST(SettingsFileWrite, UnreadableFileIsNeverSavedOver)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(settings::settingsFileName());
    const QString ini = dir.filePath(QStringLiteral("lumo.ini"));
    ASSERT_TRUE(writeSettingsFile(path, kSaved));
    ASSERT_TRUE(settings::writeKoyomiOption(ini, true));
    const QByteArray before = contents(path);
    const QByteArray iniBefore = contents(ini);
    for (const QString &name : { dir.path(), path, ini }) {
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(native(name).constData(), kNobody, kNobody), 0);
        }
        ASSERT_EQ(::chmod(native(name).constData(), name == dir.path() ? 0755 : 0200), 0);
    }

    EXPECT_TRUE(inChild(true, [&] {
        return readSettingsFile(path) == std::nullopt && !writeSettingsFile(path, kOther)
            && !settings::readKoyomiOption(ini) && !settings::writeKoyomiOption(ini, false);
    }));
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(contents(ini), iniBefore);
}

// lumo.ini is small; a huge one is refused unread, costing neither time nor memory, and kept.
TEST(KoyomiOption, OversizedFileReadsAsOffAndIsKept)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(QStringLiteral("lumo.ini"));
    constexpr qint64 size = qint64 { 1 } << 28;
    const QByteArray tail = "\n[display]\nkoyomi=true\n";
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.seek(size - tail.size())); // sparse on disk
        ASSERT_EQ(file.write(tail), tail.size());
    }
    EXPECT_FALSE(settings::readKoyomiOption(ini));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(settings::writeKoyomiOption(ini, true));
    expectOneLine(testing::internal::GetCapturedStderr());
    EXPECT_EQ(QFileInfo(ini).size(), size);
}

// A folder that refuses new files must fail the save, not have the old file rewritten in place.
// Root ignores folder permissions, so there the save runs in a child dropped to an unprivileged user.
TEST(SettingsFileWrite, FolderRefusingNewFilesKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("Lumo"));
    const QString path = folder + QLatin1Char('/') + settings::settingsFileName();
    ASSERT_TRUE(writeSettingsFile(path, kSaved));
    const QByteArray before = contents(path);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);

    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(2);
        ::_exit(writeSettingsFile(path, kOther) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(entries(folder), QStringList { settings::settingsFileName() });
}
#endif
