#pragma once

#include <QString>

namespace settings
{

// The almanac option (暦注 in the day cells' tooltips) lives in its own INI file,
// "lumo.ini" beside the settings file, under the key display/koyomi, so that the
// settings file keeps its fixed lines.

// Returns the path of "lumo.ini" in the folder of settingsPath.
QString koyomiOptionPath(const QString &settingsPath);

// Returns whether the option is on: true only when the file holds display/koyomi
// = true (or 1). A missing, unreadable or malformed file reads as off.
bool readKoyomiOption(const QString &path);

// Stores the option, creating the file and its folder when missing. Returns
// false when the file cannot be written.
bool writeKoyomiOption(const QString &path, bool on);

} // namespace settings
