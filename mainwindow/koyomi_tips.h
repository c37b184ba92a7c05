// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac option's tooltips: each day's 六曜, lunar date and solar term.
#pragma once

#include "calendar/koyomi.h"
#include "settings/koyomi_option.h"

#include <QString>

#include <string>

namespace settings
{
class SettingsStore;
}

namespace mainwindow
{

// The tooltips the almanac option (暦注を表示, held by the store) changes. Off,
// a day cell's tooltip is its holiday name alone; on, the day's 六曜 and lunar
// date follow on a new line, then its solar term and seasonal days.
class KoyomiTips
{
public:
    // The option lives in "lumo.ini" beside the settings file at settingsPath.
    KoyomiTips(const QString &settingsPath, const settings::SettingsStore &store);

    // The option as stored in its file; a missing or bad file reads as off.
    bool readOption();
    // Stores the choice in the option file.
    settings::FileOutcome writeOption(bool on);

    // Returns the tooltip of cell (1..42) of the month grid of year-month:
    // holiday, then the almanac of the cell's day when the option is on and
    // the cell holds a day in the almanac's years.
    QString cellToolTip(const std::string &holiday, int year, int month, int cell) const;

    // Returns the almanac lines of year-month-day preceded by a line break, or
    // an empty string when the option is off or the day is outside the almanac.
    QString almanacLines(int year, int month, int day) const;

private:
    bool shown() const;

    settings::KoyomiOptionFile m_file;
    const settings::SettingsStore &m_store;
    // Keeps the years computed, so that stepping back and forth is free.
    mutable calendar::Koyomi m_koyomi;
};

} // namespace mainwindow
