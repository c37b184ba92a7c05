// The calendar window steps through months: the picture buttons, the keys and the wheel.

#include "mainwindow/window1.h"

#include "mainwindow/canvas.h"
#include "platform/clock.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include <limits>

namespace mainwindow
{

namespace
{

    // Steps a year without wrapping past the limits of int.
    int stepYear(int year, int by)
    {
        if (by > 0 && year == std::numeric_limits<int>::max())
            return year;
        if (by < 0 && year == std::numeric_limits<int>::min())
            return year;
        return year + by;
    }

    constexpr int WheelStep = 120;

} // namespace

bool Window1::Canvas1_MouseDown(int, int)
{
    // In small mode the press goes on to the window, which restores the calendar.
    if (Win_Small)
        return false;
    Canvas1->setBackdrop(m_pictures.BakYea2());
    return true;
}

bool Window1::Canvas2_MouseDown(int, int)
{
    Canvas2->setBackdrop(m_pictures.BakMon2());
    return true;
}

bool Window1::Canvas3_MouseDown(int, int)
{
    Canvas3->setBackdrop(m_pictures.Reset2());
    return true;
}

bool Window1::Canvas4_MouseDown(int, int)
{
    Canvas4->setBackdrop(m_pictures.NextMon2());
    return true;
}

bool Window1::Canvas5_MouseDown(int, int)
{
    Canvas5->setBackdrop(m_pictures.NextYea2());
    return true;
}

void Window1::stepRelease(Step step, Canvas *button, const QPixmap &normal)
{
    int y = m_viewYear;
    int m = m_viewMonth;
    switch (step) {
    case Step::YearBack:
        y = stepYear(y, -1);
        break;
    case Step::MonthBack:
        if (m > 1) {
            --m;
        } else if (y != std::numeric_limits<int>::min()) {
            m = 12;
            --y;
        }
        break;
    case Step::MonthForward:
        if (m < 12) {
            ++m;
        } else if (y != std::numeric_limits<int>::max()) {
            m = 1;
            ++y;
        }
        break;
    case Step::YearForward:
        y = stepYear(y, 1);
        break;
    }
    goToMonth(y, m);
    button->setBackdrop(normal);
}

void Window1::goToMonth(int year, int month)
{
    Q_ASSERT(month >= 1 && month <= 12);
    Reset_Day();
    const QDate today = m_services.clock.today();
    if (today.year() == year && today.month() == month)
        Present_Set();
    else
        showMonth(year, month, 0);
}

void Window1::Canvas1_MouseUp(int, int)
{
    stepRelease(Step::YearBack, Canvas1, m_pictures.BakYea());
}

void Window1::Canvas2_MouseUp(int, int)
{
    stepRelease(Step::MonthBack, Canvas2, m_pictures.BakMon());
}

void Window1::Canvas3_MouseUp(int, int)
{
    Reset_Day();
    Present_Set();
    Canvas3->setBackdrop(m_pictures.Reset());
}

void Window1::Canvas4_MouseUp(int, int)
{
    stepRelease(Step::MonthForward, Canvas4, m_pictures.NextMon());
}

void Window1::Canvas5_MouseUp(int, int)
{
    stepRelease(Step::YearForward, Canvas5, m_pictures.NextYea());
}

bool Window1::navigationAllowed() const
{
    return !Win_Small && D[1] != nullptr;
}

void Window1::keyPressEvent(QKeyEvent *event)
{
    if (!navigationAllowed()) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        Canvas2_MouseUp(0, 0);
        break;
    case Qt::Key_Right:
        Canvas4_MouseUp(0, 0);
        break;
    case Qt::Key_PageUp:
        Canvas1_MouseUp(0, 0);
        break;
    case Qt::Key_PageDown:
        Canvas5_MouseUp(0, 0);
        break;
    case Qt::Key_Home:
        Canvas3_MouseUp(0, 0);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Window1::changeEvent(QEvent *event)
{
    // An activated calendar takes the keys, whatever had the focus before.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        focusVisibleControls();
    // The window shows only a part of its surface: a window manager's request
    // to fill the screen is turned down rather than show the rest.
    constexpr Qt::WindowStates filling = Qt::WindowFullScreen | Qt::WindowMaximized;
    if (event->type() == QEvent::WindowStateChange && (windowState() & filling))
        setWindowState(windowState() & ~filling);
    QWidget::changeEvent(event);
}

void Window1::wheelEvent(QWheelEvent *event)
{
    if (!navigationAllowed()) {
        event->ignore();
        return;
    }
    // Fine-grained wheels and touchpads send parts of a notch; step once per notch.
    m_wheelDelta += event->angleDelta().y();
    while (m_wheelDelta >= WheelStep) {
        m_wheelDelta -= WheelStep;
        Canvas2_MouseUp(0, 0);
    }
    while (m_wheelDelta <= -WheelStep) {
        m_wheelDelta += WheelStep;
        Canvas4_MouseUp(0, 0);
    }
    event->accept();
}

} // namespace mainwindow
