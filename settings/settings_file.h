#pragma once

#include "settings/settings_text.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace settings
{

// Returns the settings file's bare name: "Lumo prefs", or "Lumo.INI" on Windows.
QString settingsFileName();

// Returns where the settings live: the per-user configuration folder
// (QStandardPaths::AppConfigLocation, e.g. ~/.config/Lumo with the application name "Lumo"),
// then the file name. Returns an empty string when the system names no such folder.
QString settingsFilePath();

// Returns the settings held in the file at path, or nullopt when there is no file there or it
// cannot be opened or read. An existing file, even an empty one, gives a value. At most a few
// kilobytes of the file are read, however large it is.
std::optional<Settings> readSettingsFile(const QString &path);

// Writes s to the file at path, creating its folder when missing. The new text goes to a
// temporary file that replaces the old one only once it is complete, so a failure at any point
// leaves the previous file whole. Returns false on failure, after one line on stderr.
bool writeSettingsFile(const QString &path, const Settings &s);

// Writes all of data to device; returns false when that fails.
using DeviceWriter = std::function<bool(QIODevice &device, QByteArrayView data)>;

// As above, with the bytes handed to write, so that tests can make a write fail part-way.
bool writeSettingsFile(const QString &path, const Settings &s, const DeviceWriter &write);

} // namespace settings
