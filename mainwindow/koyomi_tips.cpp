// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac option's tooltips.
#include "mainwindow/koyomi_tips.h"

#include "calendar/calendar.h"
#include "settings/koyomi_option.h"
#include "settings/settings_store.h"

namespace mainwindow
{

KoyomiTips::KoyomiTips(const QString &settingsPath, const settings::SettingsStore &store)
    : m_file(settings::koyomiOptionPath(settingsPath))
    , m_store(store)
{
}

bool KoyomiTips::readOption()
{
    return m_file.read();
}

settings::FileOutcome KoyomiTips::writeOption(bool on)
{
    return m_file.write(on);
}

bool KoyomiTips::shown() const
{
    return m_store.koyomiShown();
}

QString KoyomiTips::cellToolTip(const std::string &holiday, int year, int month, int cell) const
{
    QString text = QString::fromStdString(holiday);
    if (!shown() || year < calendar::koyomiFirstYear || year > calendar::koyomiLastYear)
        return text;
    const QString lines = almanacLines(year, month, cell - calendar::prolepticWeekday(year, month, 1) + 1);
    // A day without a holiday starts with its almanac line.
    return text.isEmpty() ? lines.mid(1) : text + lines;
}

QString KoyomiTips::almanacLines(int year, int month, int day) const
{
    if (!shown())
        return {};
    const std::optional<calendar::KoyomiDay> k = m_koyomi.day(year, month, day);
    if (!k)
        return {};
    return QLatin1Char('\n') + QString::fromStdString(calendar::koyomiText(*k));
}

} // namespace mainwindow
