// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_text.h"
#include "settings/stored_file.h"

#include <QString>

#include <optional>

namespace settings
{

// Returns the settings file's bare name: "Lumo prefs", or "Lumo.INI" on Windows.
QString settingsFileName();

// Returns where the settings live: the per-user configuration folder
// (QStandardPaths::AppConfigLocation, e.g. ~/.config/Lumo with the application name "Lumo"),
// then the file name. Returns an empty string when the system names no such folder.
QString settingsFilePath();

// The settings file across one run of the calendar: read at opening, saved at quit and on
// request. At most a few kilobytes of the file are read, however large it is. A save that
// fails, or is refused because the file could not be read or another Lumo changed it since,
// keeps the file as it was and prints one line on stderr (see StoredFile).
class SettingsFile
{
public:
    explicit SettingsFile(QString path);

    // Returns the settings held in the file, or nullopt when there is no file or it cannot be
    // read; a later save then refuses to replace an unreadable one. An existing file, even an
    // empty one, gives a value.
    std::optional<Settings> read();

    FileOutcome write(const Settings &s);

private:
    StoredFile m_file;
};

// One-off forms of the above, with nothing remembered between them.
std::optional<Settings> readSettingsFile(const QString &path);
bool writeSettingsFile(const QString &path, const Settings &s);

} // namespace settings
