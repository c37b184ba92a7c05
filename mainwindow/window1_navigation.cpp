// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's picture buttons, keys and wheel: stepping through months, the tile, 設定.

#include "mainwindow/window1.h"

#include "mainwindow/canvas.h"
#include "mainwindow/window1_support.h"
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

    using Picture = const QPixmap &(PictureSet::*)();

} // namespace

// Where a picture button sits, its name for assistive technology, its pictures
// while pressed and otherwise, and what its release does.
struct Window1::PictureButton {
    Rect rect;
    const char *name;
    Picture pressed;
    Picture normal;
    Step step;
};

const Window1::PictureButton &Window1::pictureButton(int index)
{
    // In the order Canvas1 .. Canvas7.
    static const PictureButton table[] = {
        { layout::Canvas1, "前の年", &PictureSet::BakYea2, &PictureSet::BakYea, Step::YearBack },
        { layout::Canvas2, "前の月", &PictureSet::BakMon2, &PictureSet::BakMon, Step::MonthBack },
        { layout::Canvas3, "今月", &PictureSet::Reset2, &PictureSet::Reset, Step::Today },
        { layout::Canvas4, "次の月", &PictureSet::NextMon2, &PictureSet::NextMon, Step::MonthForward },
        { layout::Canvas5, "次の年", &PictureSet::NextYea2, &PictureSet::NextYea, Step::YearForward },
        { layout::Canvas6, "小さく表示", &PictureSet::smal2, &PictureSet::smal, Step::Shrink },
        { layout::Canvas7, "設定", &PictureSet::Set2, &PictureSet::Set, Step::Settings },
    };
    return table[index];
}

void Window1::createPictureButtons()
{
    Canvas **const names[] = { &Canvas1, &Canvas2, &Canvas3, &Canvas4, &Canvas5, &Canvas6, &Canvas7 };
    for (int i = 0; i < static_cast<int>(m_buttons.size()); ++i) {
        auto *c = new Canvas(this);
        place(c, pictureButton(i).rect);
        c->MouseDown = [this, i](int, int) { return pressButton(i); };
        c->MouseUp = [this, i](int, int) { releaseButton(i); };
        c->setAccessibleName(utf8(pictureButton(i).name));
        m_buttons[static_cast<std::size_t>(i)] = c;
        *names[i] = c;
    }
    // The corner buttons show only when the pointer nears the corner.
    Canvas6->setToolTip(utf8("縮小"));
    Canvas6->setBackdrop(m_pictures.smal());
    Canvas6->hide();
    Canvas7->setToolTip(utf8("設定"));
    Canvas7->setBackdrop(m_pictures.Set());
    Canvas7->hide();
}

void Window1::Disp_Day()
{
    // The five stepping buttons; in small mode Canvas1 keeps the blank picture.
    for (int i = Win_Small ? 1 : 0; i < 5; ++i)
        m_buttons[static_cast<std::size_t>(i)]->setBackdrop((m_pictures.*pictureButton(i).normal)());
}

bool Window1::pressButton(int index)
{
    // In small mode the press goes on to the window, which restores the calendar.
    if (Win_Small)
        return false;
    m_buttons[static_cast<std::size_t>(index)]->setBackdrop((m_pictures.*pictureButton(index).pressed)());
    return true;
}

void Window1::releaseButton(int index)
{
    m_buttons[static_cast<std::size_t>(index)]->setBackdrop((m_pictures.*pictureButton(index).normal)());
    takeStep(pictureButton(index).step);
}

void Window1::takeStep(Step step)
{
    switch (step) {
    case Step::Today:
        Reset_Day();
        Present_Set();
        break;
    case Step::Shrink:
        shrink();
        break;
    case Step::Settings:
        openWindow2();
        break;
    default:
        stepMonth(step);
    }
}

void Window1::stepMonth(Step step)
{
    int y = m_viewYear;
    int m = m_viewMonth;
    if (step == Step::YearBack || step == Step::YearForward) {
        y = stepYear(y, step == Step::YearBack ? -1 : 1);
    } else if (step == Step::MonthBack) {
        if (m > 1) {
            --m;
        } else if (y != std::numeric_limits<int>::min()) {
            m = 12;
            --y;
        }
    } else if (m < 12) {
        ++m;
    } else if (y != std::numeric_limits<int>::max()) {
        m = 1;
        ++y;
    }
    goToMonth(y, m);
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

// clang-format off
bool Window1::Canvas1_MouseDown(int, int) { return pressButton(0); }
bool Window1::Canvas2_MouseDown(int, int) { return pressButton(1); }
bool Window1::Canvas3_MouseDown(int, int) { return pressButton(2); }
bool Window1::Canvas4_MouseDown(int, int) { return pressButton(3); }
bool Window1::Canvas5_MouseDown(int, int) { return pressButton(4); }
bool Window1::Canvas6_MouseDown(int, int) { return pressButton(5); }
bool Window1::Canvas7_MouseDown(int, int) { return pressButton(6); }
void Window1::Canvas1_MouseUp(int, int) { releaseButton(0); }
void Window1::Canvas2_MouseUp(int, int) { releaseButton(1); }
void Window1::Canvas3_MouseUp(int, int) { releaseButton(2); }
void Window1::Canvas4_MouseUp(int, int) { releaseButton(3); }
void Window1::Canvas5_MouseUp(int, int) { releaseButton(4); }
void Window1::Canvas6_MouseUp(int, int) { releaseButton(5); }
void Window1::Canvas7_MouseUp(int, int) { releaseButton(6); }
// clang-format on

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
