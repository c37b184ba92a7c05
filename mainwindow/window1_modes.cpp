// The calendar window's sizes and mouse handling: the small tile, the large calendar, the corner buttons.

#include "mainwindow/window1.h"

#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "platform/screens.h"

#include <QMouseEvent>

namespace mainwindow
{

Rect Window1::windowRect() const
{
    const QRect g = geometry();
    return { g.x(), g.y(), g.width(), g.height() };
}

void Window1::setWindowRect(const Rect &rect)
{
    setFixedSize(rect.width, rect.height);
    setGeometry(rect.left, rect.top, rect.width, rect.height);
    focusVisibleControls();
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

void Window1::Small_Win()
{
    setWindowRect(smallWinRect(windowRect(), screenRect()));
}

void Window1::Large_Win()
{
    setWindowRect(largeWinRect(windowRect(), screenRect()));
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
