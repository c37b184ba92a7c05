// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window shows a month: the grid copied into the day cells, the labels, the title.

#include "mainwindow/window1.h"

#include "calendar/calendar.h"
#include "calendar/era.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "mainwindow/window1_support.h"
#include "platform/clock.h"

namespace mainwindow
{

QString weekdayCharacter(int weekday)
{
    static const char *const characters[] = { "日", "月", "火", "水", "木", "金", "土" };
    if (weekday < 1 || weekday > 7)
        return {};
    return utf8(characters[weekday - 1]);
}

QString fullDateText(int year, int month, int day, int weekday, const std::string &holiday)
{
    QString text = QStringLiteral("%1年%2月%3日(%4)").arg(year).arg(month).arg(day).arg(weekdayCharacter(weekday));
    if (!holiday.empty())
        text += QLatin1Char(' ') + QString::fromStdString(holiday);
    return text;
}

void Window1::Reset_Day()
{
    m_grid.Reset_Day();
}

void Window1::Set_Day(int offset, int days)
{
    m_grid.Set_Day(offset, days);
}

void Window1::Set_Bold(int cell)
{
    m_grid.Set_Bold(cell);
}

void Window1::Set_Red(int cell)
{
    m_grid.Set_Red(cell);
}

void Window1::showMonth(int year, int month, int todayDay)
{
    m_viewYear = year;
    m_viewMonth = month;
    YearTxt->setTextIfChanged(QString::number(year));
    TukTxt->setTextColor(toQColor(colours::MonthGreen));
    TukTxt->setTextIfChanged(QString::number(month));
    // The era in force on the month's first day; the weekday also before 1583,
    // where the window steps too.
    NenTxt->setTextIfChanged(QString::fromStdString(calendar::nenOfMonth(year, month)));
    const int offset = calendar::prolepticWeekday(year, month, 1);
    const int days = calendar::Month_Long(year, month);
    Set_Day(offset, days);
    if (todayDay > 0)
        Set_Bold(todayDay + offset - 1);
    calendar::Cong_Day(year, month, offset, m_grid);
    showCells();
    if (m_screenReader)
        nameCells(year, month, offset);
    Disp_Day();
}

void Window1::showCells()
{
    for (int k = 1; k <= MonthGrid::CellCount; ++k) {
        StaticText *label = D[static_cast<std::size_t>(k)];
        if (!label)
            continue;
        const Cell &cell = m_grid.cell(k);
        label->setTextIfChanged(QString::fromStdString(cell.text));
        label->setTextColor(toQColor(cell.colour));
        label->setUnderline(cell.underline);
        label->setToolTipIfChanged(m_koyomi.cellToolTip(cell.holiday, m_viewYear, m_viewMonth, k));
    }
}

void Window1::Present_Set()
{
    const QDate today = m_services.clock.today();
    showMonth(today.year(), today.month(), today.day());
}

QString Window1::titleFor(const QDate &date) const
{
    // QDate counts Monday = 1 .. Sunday = 7; the calendar counts Sunday = 1.
    const int weekday = date.dayOfWeek() % 7 + 1;
    return QStringLiteral("%1.%2.%3").arg(date.month()).arg(date.day()).arg(weekdayCharacter(weekday));
}

void Window1::Disp_Title()
{
    setWindowTitle(titleFor(m_services.clock.today()));
}

void Window1::nameCells(int year, int month, int offset)
{
    for (int k = 1; k <= MonthGrid::CellCount; ++k) {
        StaticText *label = D[static_cast<std::size_t>(k)];
        if (!label)
            continue;
        const int day = k - offset + 1;
        QString name;
        if (day >= 1 && day <= calendar::Month_Long(year, month)) {
            name = fullDateText(year, month, day, (k - 1) % 7 + 1, m_grid.cell(k).holiday);
            if (m_grid.cell(k).underline)
                name += utf8(" 今日");
        }
        if (label->accessibleName() != name)
            label->setAccessibleName(name);
    }
}

} // namespace mainwindow
