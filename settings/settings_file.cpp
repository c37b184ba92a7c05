// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <QStandardPaths>

#include <sstream>
#include <string>
#include <utility>

namespace settings
{

namespace
{

    // Enough for every byte the parser may look at, so a huge file is never read whole.
    constexpr std::int64_t kMaxFileBytes = kLineCount * (kMaxLineBytes + 1);

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

SettingsFile::SettingsFile(QString path)
    : m_file(std::move(path), kMaxFileBytes, StoredFile::Longer::ReadHead)
{
}

std::optional<Settings> SettingsFile::read()
{
    const std::optional<QByteArray> head = m_file.read();
    if (!head)
        return std::nullopt;
    std::istringstream in(head->toStdString());
    return parseSettings(in);
}

FileOutcome SettingsFile::write(const Settings &s)
{
    std::ostringstream text;
    formatSettings(text, s);
    const std::string bytes = text.str();
    FileOutcome outcome = m_file.write(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    logFailedSave(outcome, "the settings", m_file.path());
    return outcome;
}

std::optional<Settings> readSettingsFile(const QString &path)
{
    return SettingsFile(path).read();
}

bool writeSettingsFile(const QString &path, const Settings &s)
{
    return SettingsFile(path).write(s).ok();
}

} // namespace settings
