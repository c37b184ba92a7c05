// The 128 x 128 tile picture: drawn off screen into MyCanv, then handed to the
// application tile.
#include "calendar/calendar.h"
#include "mainwindow/static_text.h"
#include "mainwindow/window1.h"
#include "platform/clock.h"
#include "platform/dock_tile.h"
#include "settings/module1.h"

#include <QPainter>

namespace mainwindow
{

namespace
{

    constexpr int TileSize = 128;
    constexpr int TileShiftX = 13;
    constexpr int TileShiftY = 6;
    constexpr int BadgeAt = 96;

    // Draws text whose lines are broken at CR, the first baseline at (x, y).
    void drawLines(QPainter &painter, const QString &text, int x, int y)
    {
        const int spacing = painter.fontMetrics().lineSpacing();
        const QStringList lines = text.split(QChar(13));
        for (const QString &line : lines) {
            painter.drawText(x, y, line);
            y += spacing;
        }
    }

} // namespace

void Window1::Draw_Dock()
{
    MyCanv = QImage(TileSize, TileSize, QImage::Format_ARGB32_Premultiplied);
    MyCanv.fill(Qt::transparent);
    Draw_Back();
    if (Module1::MyDock == 0)
        Draw_OneMonth();
    else
        Draw_Day();
    Draw_Icon1();
    m_services.dockTile.UpdateNow(MyCanv, tileToolTip());
}

void Window1::Draw_Back()
{
    QPainter painter(&MyCanv);
    painter.fillRect(0, 0, TileSize, TileSize, Module1::My_Col);
}

void Window1::Draw_Text(const StaticText *st)
{
    if (!st)
        return;
    QPainter painter(&MyCanv);
    QFont f(st->font().family());
    f.setPixelSize(st->font().pixelSize());
    f.setUnderline(st->underline());
    painter.setFont(f);
    painter.setPen(st->textColor());
    painter.drawText(st->x() + TileShiftX, st->y() + TileShiftY, st->text());
}

void Window1::Draw_OneMonth()
{
    for (const StaticText *label : { NenTxt, TukTxt, YearTxt, Sun, Mon, Tue, Wed, Thu, Fri, Sat })
        Draw_Text(label);
    for (int k = 1; k <= MonthGrid::CellCount; ++k)
        Draw_Text(D[static_cast<std::size_t>(k)]);
}

void Window1::Draw_Day()
{
    const QDate today = m_services.clock.today();
    const QString m = QString::number(today.month());
    const QString d = QString::number(today.day());
    QPainter painter(&MyCanv);
    QFont f(QStringLiteral("Osaka"));
    // Today's cell of the month on view gives the colour: red on a Sunday or
    // holiday, blue on a Saturday.
    const int index = calendar::Get_Week(today.year(), today.month(), 1) + today.day() - 1;
    if (index >= 1 && index <= MonthGrid::CellCount && D[static_cast<std::size_t>(index)])
        painter.setPen(D[static_cast<std::size_t>(index)]->textColor());
    f.setBold(false);
    const QString w = weekdayCharacter(today.dayOfWeek() % 7 + 1);
    QString text;
    int x = 0;
    int y = 0;
    switch (Module1::MyDock) {
    case 1:
        f.setPixelSize(30);
        text = m + QString::fromUtf8("　月") + QChar(13) + d + QString::fromUtf8("　日") + QChar(13) + "(" + w + ")";
        x = 30;
        y = 35;
        break;
    case 2:
        f.setPixelSize(86);
        text = d;
        x = d.size() == 2 ? 10 : 35;
        y = 90;
        break;
    case 3:
        f.setPixelSize(98);
        text = w;
        x = 18;
        y = 90;
        break;
    default:
        break;
    }
    painter.setFont(f);
    drawLines(painter, text, x, y);
}

void Window1::Draw_Icon1()
{
    const QPixmap &badge = m_pictures.Lumo2();
    if (badge.isNull())
        return;
    QPainter painter(&MyCanv);
    painter.drawPixmap(BadgeAt, BadgeAt, badge);
}

QString Window1::tileToolTip() const
{
    const QDate today = m_services.clock.today();
    MonthGrid month;
    const int offset = calendar::Get_Week(today.year(), today.month(), 1);
    calendar::Cong_Day(today.year(), today.month(), offset, month);
    const QString text = fullDateText(today.year(), today.month(), today.day(), today.dayOfWeek() % 7 + 1,
        month.cell(today.day() + offset - 1).holiday);
    return text + m_koyomi.almanacLines(today.year(), today.month(), today.day());
}

} // namespace mainwindow
