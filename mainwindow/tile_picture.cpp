// SPDX-License-Identifier: GPL-3.0-or-later
// The 128 x 128 tile picture and the window's composition of it for the application tile.
#include "mainwindow/tile_picture.h"

#include "calendar/calendar.h"
#include "calendar/era.h"
#include "mainwindow/window1.h"
#include "mainwindow/window1_support.h"
#include "platform/clock.h"
#include "platform/dock_tile.h"
#include "platform/fonts.h"

#include <QPainter>

namespace mainwindow
{

namespace
{

    constexpr int TileSize = 128;
    // The month view is drawn as the window shows it, moved by this much.
    constexpr int MonthShiftX = 13;
    constexpr int MonthShiftY = 6;
    constexpr int BadgeAt = 96;

    // A text of one of the day modes: its font size and its first baseline.
    struct DayText {
        int pixelSize;
        int x;
        int y;
    };
    constexpr DayText MonthDayText { 30, 30, 35 }; // mode 1, three lines
    constexpr DayText OneDigitDay { 86, 35, 90 }; // mode 2
    constexpr DayText TwoDigitDay { 86, 10, 90 };
    constexpr DayText WeekdayText { 98, 18, 90 }; // mode 3

    constexpr QChar LineBreak(13);

    // Draws text whose lines are broken at CR, the first baseline at (x, y).
    void drawLines(QPainter &painter, const QString &text, int x, int y)
    {
        const int spacing = painter.fontMetrics().lineSpacing();
        for (const QString &line : text.split(LineBreak)) {
            painter.drawText(x, y, line);
            y += spacing;
        }
    }

    void Draw_Back(QPainter &painter, const QColor &background)
    {
        painter.fillRect(0, 0, TileSize, TileSize, background);
    }

    // One label of the month view, at its place in the window.
    void Draw_Text(QPainter &painter, const QString &text, const Rect &at, int pixelSize, const QColor &colour,
        bool underline = false)
    {
        QFont f(QStringLiteral("Osaka"));
        f.setPixelSize(pixelSize);
        f.setUnderline(underline);
        painter.setFont(f);
        painter.setPen(colour);
        painter.drawText(at.left + MonthShiftX, at.top + MonthShiftY, text);
    }

    void Draw_OneMonth(QPainter &painter, const TileContent &c)
    {
        Draw_Text(painter, QString::fromStdString(calendar::nenOfMonth(c.viewYear, c.viewMonth)), layout::NenTxt, 9,
            Qt::black);
        Draw_Text(painter, QString::number(c.viewMonth), layout::TukTxt, 12, toQColor(colours::MonthGreen));
        Draw_Text(painter, QString::number(c.viewYear), layout::YearTxt, 9, Qt::black);
        const Rect headers[]
            = { layout::Sun, layout::Mon, layout::Tue, layout::Wed, layout::Thu, layout::Fri, layout::Sat };
        for (int weekday = 1; weekday <= 7; ++weekday) {
            const QColor colour = weekday == 1 ? toQColor(colours::Red)
                : weekday == 7                 ? toQColor(colours::Blue)
                                               : QColor(Qt::black);
            Draw_Text(painter, weekdayCharacter(weekday), headers[weekday - 1], 9, colour);
        }
        if (!c.month)
            return;
        for (int k = 1; k <= MonthGrid::CellCount; ++k) {
            const Cell &cell = c.month->cell(k);
            Draw_Text(
                painter, QString::fromStdString(cell.text), cellRect(k), 9, toQColor(cell.colour), cell.underline);
        }
    }

    // Today's colour: its cell's in its own month, red on a Sunday or holiday, blue on a Saturday.
    QColor todayColour(const QDate &today)
    {
        MonthGrid month;
        const int offset = calendar::prolepticWeekday(today.year(), today.month(), 1);
        month.Reset_Day();
        calendar::Cong_Day(today.year(), today.month(), offset, month);
        const int k = offset + today.day() - 1;
        return k >= 1 && k <= MonthGrid::CellCount ? toQColor(month.cell(k).colour) : QColor(Qt::black);
    }

    void Draw_Day(QPainter &painter, const TileContent &c)
    {
        const QString m = QString::number(c.today.month());
        const QString d = QString::number(c.today.day());
        const QString w = weekdayCharacter(c.today.dayOfWeek() % 7 + 1);
        QString text;
        DayText at {};
        if (c.mode == 1) {
            text
                = m + QString::fromUtf8("　月") + LineBreak + d + QString::fromUtf8("　日") + LineBreak + "(" + w + ")";
            at = MonthDayText;
        } else if (c.mode == 2) {
            text = d;
            at = d.size() == 2 ? TwoDigitDay : OneDigitDay;
        } else if (c.mode == 3) {
            text = w;
            at = WeekdayText;
        } else {
            return;
        }
        QFont f(QStringLiteral("Osaka"));
        f.setPixelSize(at.pixelSize);
        painter.setFont(f);
        painter.setPen(todayColour(c.today));
        drawLines(painter, text, at.x, at.y);
    }

    void Draw_Icon1(QPainter &painter, const QPixmap &badge)
    {
        if (!badge.isNull())
            painter.drawPixmap(BadgeAt, BadgeAt, badge);
    }

} // namespace

QImage paintTile(const TileContent &content)
{
    // The tile may be the first text drawn at start (before the window is shown).
    platform::awaitFontWarmUp();
    QImage tile(TileSize, TileSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    Draw_Back(painter, content.background);
    if (content.mode == 0)
        Draw_OneMonth(painter, content);
    else
        Draw_Day(painter, content);
    Draw_Icon1(painter, content.badge);
    return tile;
}

void Window1::Draw_Dock()
{
    TileContent content;
    content.today = m_services.clock.today();
    content.mode = m_store.MyDock();
    content.background = toQColor(m_store.My_Col());
    content.viewYear = m_viewYear;
    content.viewMonth = m_viewMonth;
    content.month = &m_grid;
    content.badge = m_pictures.Lumo2();
    MyCanv = paintTile(content);
    m_services.dockTile.UpdateNow(MyCanv, tileToolTip());
}

QString Window1::tileToolTip() const
{
    const QDate today = m_services.clock.today();
    MonthGrid month;
    const int offset = calendar::prolepticWeekday(today.year(), today.month(), 1);
    calendar::Cong_Day(today.year(), today.month(), offset, month);
    const QString text = fullDateText(today.year(), today.month(), today.day(), today.dayOfWeek() % 7 + 1,
        month.cell(today.day() + offset - 1).holiday);
    return text + m_koyomi.almanacLines(today.year(), today.month(), today.day());
}

} // namespace mainwindow
