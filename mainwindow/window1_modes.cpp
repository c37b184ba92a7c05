// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's sizes and mouse handling: the small tile, the large calendar, the corner buttons.

#include "mainwindow/window1.h"

#include "mainwindow/accessibility.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "platform/screens.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

namespace mainwindow
{

// Swallows the rest of a double click whose first press brought the calendar
// back from the tile: its second press would land on « or », which the user
// never saw, and step the year. Presses come with the platform's timestamps.
class TileExitGuard final : public QObject
{
public:
    using QObject::QObject;

    void arm(QWindow *window, ulong pressedAt)
    {
        m_pressedAt = pressedAt;
        m_swallowed = false;
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const ulong since = static_cast<QMouseEvent *>(event)->timestamp() - m_pressedAt;
            if (since < static_cast<ulong>(QGuiApplication::styleHints()->mouseDoubleClickInterval())) {
                m_swallowed = true;
                return true;
            }
            watched->removeEventFilter(this);
            return false;
        }
        case QEvent::MouseButtonRelease:
            // The release of the press that left the tile goes on, that of a swallowed one not.
            if (!m_swallowed)
                return false;
            watched->removeEventFilter(this);
            return true;
        default:
            return false;
        }
    }

private:
    ulong m_pressedAt = 0;
    bool m_swallowed = false;
};

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
    announceControlsInView(this);
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
    const bool wasTile = Win_Small;
    MouseDown(at.x(), at.y());
    if (wasTile && !Win_Small && windowHandle()) {
        if (!m_tileExit)
            m_tileExit = new TileExitGuard(this);
        m_tileExit->arm(windowHandle(), event->timestamp());
    }
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
