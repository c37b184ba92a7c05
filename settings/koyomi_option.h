// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/stored_file.h"

#include <QString>

namespace settings
{

// The almanac option (暦注 in the day cells' tooltips) lives in its own INI file,
// "lumo.ini" beside the settings file, under the key display/koyomi, so that the
// settings file keeps its fixed lines.

// Returns the path of "lumo.ini" in the folder of settingsPath.
QString koyomiOptionPath(const QString &settingsPath);

// The option file across one run, kept as safely as the settings file (StoredFile).
class KoyomiOptionFile
{
public:
    explicit KoyomiOptionFile(QString path);

    // Returns whether the option is on: true only when the file holds display/koyomi
    // = true (or 1), in lower case. A missing, unreadable, oversized or malformed file reads
    // as off.
    bool read();

    // Stores the option, creating the file and its folder when missing. On failure the
    // file is left as it was and one line goes to stderr.
    FileOutcome write(bool on);

private:
    StoredFile m_file;
};

// One-off forms of the above.
bool readKoyomiOption(const QString &path);
bool writeKoyomiOption(const QString &path, bool on);

} // namespace settings
