// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's sizes and mouse handling: the small tile, the large calendar, the corner buttons.

#include "mainwindow/window1.h"

#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "platform/screens.h"

#include <QMouseEvent>
#include <QWindow>

namespace mainwindow
{

Rect Window1::windowRect() const
{
    const QRect g = geometry();
    const Rect granted { g.x(), g.y(), g.width(), g.height() };
    return isTile() ? tileRect(granted) : granted;
}

void Window1::setWindowRect(const Rect &rect)
{
    if (rect.width != layout::SettingsSize.width)
        m_areaOpened.reset();
    setTile(rect.width == layout::SmallSize.width && rect.height == layout::SmallSize.height);
    setFixedSize(rect.width, rect.height);
    setGeometry(rect.left, rect.top, rect.width, rect.height);
    focusVisibleControls();
}

bool Window1::isTile() const
{
    return windowFlags().testFlag(Qt::FramelessWindowHint);
}

void Window1::setTile(bool tile)
{
    // A window manager may keep a window with a title bar at least as tall as
    // the title bar (KWin does). The change goes to the window as it stands:
    // setWindowFlags would unmap it, and the window manager place it again.
    if (isTile() == tile)
        return;
    const Qt::WindowFlags flags = windowFlags() ^ Qt::FramelessWindowHint;
    overrideWindowFlags(flags);
    if (QWindow *window = windowHandle())
        window->setFlags(flags);
}

void Window1::focusVisibleControls()
{
    // Keys act only on what the user sees: a control out of the visible part
    // of the window cannot be reached with Tab nor keep the focus.
    for (const auto &[control, policy] : m_focusPolicies) {
        const QRect inWindow(control->mapTo(this, QPoint(0, 0)), control->size());
        control->setFocusPolicy(rect().intersects(inWindow) ? policy : Qt::NoFocus);
    }
    if (width() != layout::SettingsSize.width)
        setFocus(Qt::OtherFocusReason);
}

std::vector<Rect> Window1::screenRects() const
{
    std::vector<Rect> result;
    for (const QRect &g : m_services.screens.geometries())
        result.push_back({ g.x(), g.y(), g.width(), g.height() });
    return result;
}

Rect Window1::screenRect() const
{
    return screenOf(windowRect(), screenRects());
}

Rect Window1::calendarRect() const
{
    return m_areaOpened ? calendarAfterArea(m_areaOpened->calendar, m_areaOpened->widened, windowRect()) : windowRect();
}

// From the widened window both go from the calendar's place, so that a
// widening moved left to fit the screen moves nothing.
void Window1::Small_Win()
{
    const Rect calendar = calendarRect();
    setWindowRect(smallWinRect(calendar, screenOf(calendar, screenRects())));
}

void Window1::Large_Win()
{
    const Rect calendar = calendarRect();
    setWindowRect(largeWinRect(calendar, screenOf(calendar, screenRects())));
}

void Window1::shrink()
{
    Small_Win();
    Win_Small = true;
    DayTxt->show();
    Canvas1->setBackdrop(m_pictures.Blank());
}

bool Window1::MouseDown(int, int)
{
    if (Win_Small) {
        Win_Small = false;
        Canvas1->setEnabled(true);
        Canvas1->setBackdrop(m_pictures.BakYea());
        DayTxt->hide();
        Large_Win();
    }
    return false;
}

void Window1::MouseMove(int x, int y)
{
    if (y > layout::CornerShowY && x > layout::CornerShowX) {
        Canvas6->show();
        Canvas7->show();
    }
}

void Window1::MouseExit()
{
    Canvas6->hide();
    Canvas7->hide();
}

void Window1::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    MouseDown(at.x(), at.y());
    event->accept();
}

void Window1::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    MouseMove(at.x(), at.y());
}

void Window1::leaveEvent(QEvent *)
{
    MouseExit();
}

} // namespace mainwindow
