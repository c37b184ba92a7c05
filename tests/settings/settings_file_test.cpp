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
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
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
std::string failingSave(const QString &path, const Settings &s, const settings::DeviceWriter &write = {})
{
    testing::internal::CaptureStderr();
    const bool saved = write ? writeSettingsFile(path, s, write) : writeSettingsFile(path, s);
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

    // A device without end: only a bounded read ever returns.
    const QString endless = QStringLiteral("/dev/zero");
    if (QFileInfo::exists(endless)) {
        EXPECT_EQ(readSettingsFile(endless), Settings {});
    }
}

TEST(SettingsFileWrite, FailurePartWayKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(settings::settingsFileName());
    ASSERT_TRUE(writeSettingsFile(path, kSaved));
    const QByteArray before = contents(path);

    struct Row {
        const char *name;
        settings::DeviceWriter write;
    };
    const Row rows[] = {
        { "disk full half-way",
            [](QIODevice &device, QByteArrayView data) {
                device.write(data.data(), data.size() / 2);
                return false;
            } },
        { "nothing written", [](QIODevice &, QByteArrayView) { return false; } },
        { "last byte lost",
            [](QIODevice &device, QByteArrayView data) {
                device.write(data.data(), data.size() - 1);
                return false;
            } },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        expectOneLine(failingSave(path, kOther, row.write));
        EXPECT_EQ(contents(path), before);
        EXPECT_EQ(readSettingsFile(path), kSaved);
        EXPECT_EQ(entries(dir.path()), QStringList { settings::settingsFileName() }) << "no temporary file is left";
    }
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

#ifdef Q_OS_UNIX
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
        const bool saved = writeSettingsFile(path, kOther, [](QIODevice &device, QByteArrayView data) {
            device.write(data.data(), data.size() / 2);
            return false;
        });
        ::_exit(saved ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(entries(folder), QStringList { settings::settingsFileName() });
}
#endif
