#include "mainwindow/koyomi_tips.h"

#include "calendar/calendar.h"
#include "mainwindow/window1.h"
#include "settings/koyomi_option.h"

#include <QCheckBox>

namespace mainwindow
{

KoyomiTips::KoyomiTips(const QString &settingsPath)
    : m_file(settings::koyomiOptionPath(settingsPath))
    , m_shown(m_file.read())
{
}

bool KoyomiTips::shown() const
{
    return m_shown;
}

settings::FileOutcome KoyomiTips::setShown(bool on)
{
    m_shown = on;
    return m_file.write(on);
}

QString KoyomiTips::cellToolTip(const std::string &holiday, int year, int month, int cell) const
{
    QString text = QString::fromStdString(holiday);
    if (!m_shown || year < calendar::koyomiFirstYear || year > calendar::koyomiLastYear)
        return text;
    const QString lines = almanacLines(year, month, cell - calendar::Get_Week(year, month, 1) + 1);
    // A day without a holiday starts with its almanac line.
    return text.isEmpty() ? lines.mid(1) : text + lines;
}

QString KoyomiTips::almanacLines(int year, int month, int day) const
{
    if (!m_shown)
        return {};
    const std::optional<calendar::KoyomiDay> k = m_koyomi.day(year, month, day);
    if (!k)
        return {};
    return QLatin1Char('\n') + QString::fromStdString(calendar::koyomiText(*k));
}

bool Window1::koyomiShown() const
{
    return m_koyomi.shown();
}

void Window1::setKoyomiShown(bool on)
{
    m_saver.report(m_koyomi.setShown(on));
    showCells();
    if (CheckBox1 && CheckBox1->isChecked())
        Draw_Dock();
}

} // namespace mainwindow
