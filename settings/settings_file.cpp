#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <sstream>
#include <string>

namespace settings
{

namespace
{

    // Enough for every byte the parser may look at, so a huge file is never read whole.
    constexpr qint64 kMaxFileBytes = kLineCount * (kMaxLineBytes + 1);

    bool writeAll(QIODevice &device, QByteArrayView data)
    {
        return device.write(data.data(), data.size()) == data.size();
    }

    bool fail(const QString &path, const QString &reason)
    {
        const QByteArray line = QStringLiteral("Lumo: could not save the settings to %1: %2\n")
                                    .arg(QDir::toNativeSeparators(path), reason)
                                    .toLocal8Bit();
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
        return false;
    }

} // namespace

QString settingsFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Lumo.INI");
#else
    return QStringLiteral("Lumo prefs");
#endif
}

QString settingsFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QLatin1Char('/') + settingsFileName();
}

std::optional<Settings> readSettingsFile(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(kMaxFileBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    std::istringstream in(head.toStdString());
    return parseSettings(in);
}

bool writeSettingsFile(const QString &path, const Settings &s)
{
    return writeSettingsFile(path, s, writeAll);
}

bool writeSettingsFile(const QString &path, const Settings &s, const DeviceWriter &write)
{
    if (path.isEmpty())
        return fail(path, QStringLiteral("no settings folder"));

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(path, QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder)));

    std::ostringstream text;
    formatSettings(text, s);
    const std::string bytes = text.str();

    // Without the fallback a folder that refuses temporary files fails the save instead of
    // having the old file truncated in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path, file.errorString());
    if (!write(file, QByteArrayView(bytes.data(), qsizetype(bytes.size())))) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(path, reason);
    }
    if (!file.commit())
        return fail(path, file.errorString());
    return true;
}

} // namespace settings
