// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's life: opening with the saved settings, the once-a-second day check, closing.

#include "mainwindow/window1.h"

#include "calendar/calendar.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "platform/clock.h"
#include "platform/screens.h"
#include "settings/settings_file.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace mainwindow
{

void Window1::Open()
{
    // The normal calendar size. Without saved settings the desktop places the window.
    setFixedSize(layout::LargeSize.width, layout::LargeSize.height);

    const QDate today = m_services.clock.today();
    Start_Year = today.year();
    Start_Month = today.month();
    Start_Day = today.day();

    // The tile waits for the end of the opening, which composes it once.
    Flag_Start = false;
    restoreSaved();

    createDayCells();

    Reset_Day();
    Disp_Title();
    Present_Set();

    settings::Colour colour = m_store.My_Col();
    if (colour == settings::Colour { 0, 0, 0 })
        colour = { 255, 255, 255 };
    m_store.setColour(colour);

    // Until the window manager has framed the window its frame is unknown; the
    // first exposure corrects again with the frame (eventFilter).
    const QMargins m = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const std::vector<Rect> screens = screenRects();
    const Rect onScreen = openingRect(windowRect(), { m.left(), m.top(), m.right(), m.bottom() }, screens);
    if (onScreen != windowRect())
        setWindowRect(onScreen);

    showDayText();

    if (Win_Small) {
        Small_Win();
        Canvas1->setEnabled(false);
        Canvas1->setBackdrop(m_pictures.Blank());
        DayTxt->show();
    }

    m_store.setTrans(m_store.Trans() == 0 ? 100 : m_store.Trans());

    Win_Top = windowRect().top;
    Win_Left = windowRect().left;

    Flag_Start = true;
    redrawTile();

    Timer1->start(m_services.clock.msUntilRecheck());
    // A clock set (by hand, or at waking from sleep) may change the day at once.
    m_services.clock.watchClockSet([this] { Timer1_Action(); });

    focusVisibleControls();
}

// Reads the settings file into the window and the store; nothing when there is none.
void Window1::restoreSaved()
{
    const std::optional<settings::Settings> saved = m_saver.read();
    if (!saved) {
        // Nothing to correct: the window manager places the window, frame
        // included, and may expose it before its geometry reaches Qt.
        m_frameKnown = true;
        return;
    }
    Win_Top = saved->top;
    Win_Left = saved->left;
    m_filePosition = { saved->top, saved->left };
    Win_Small = saved->small;
    m_store.setColour({ saved->red, saved->green, saved->blue });
    m_store.setTrans(saved->trans);
    m_store.setDockShown(saved->dock);
    m_store.setMode(std::clamp(saved->mode, 0, 3));
    // Far positions come within reach first: the geometry sums below must not overflow.
    setWindowRect(withinReach({ Win_Left, Win_Top, width(), height() }));
}

std::pair<int, int> Window1::positionToSave(const Rect &at) const
{
    // Where the platform cannot tell where the window is (Wayland), what it
    // reports is not where the user put the calendar: the file keeps its own.
    if (!m_services.screens.windowPositionKnown() && m_filePosition)
        return *m_filePosition;
    return { at.top, at.left };
}

void Window1::Timer1_Action()
{
    Check_Day();
    Timer1->start(m_services.clock.msUntilRecheck());
}

void Window1::Check_Day()
{
    const QDate today = m_services.clock.today();
    // The whole date: after a resume or a clock change the day number alone may match.
    if (today.day() == Start_Day && today.month() == Start_Month && today.year() == Start_Year)
        return;
    setWindowTitle(titleFor(today));
    Start_Year = today.year();
    Start_Month = today.month();
    Start_Day = today.day();
    Reset_Day();
    Present_Set();
    // In either mode: the shrink button shows DayTxt as it stands, so in large
    // mode it must not keep the day before midnight.
    showDayText();
    if (m_store.dockShown())
        Draw_Dock();
}

void Window1::showDayText()
{
    const int k = calendar::prolepticWeekday(Start_Year, Start_Month, 1) + Start_Day - 1;
    if (k < 1 || k > MonthGrid::CellCount)
        return;
    const StaticText *cell = D[static_cast<std::size_t>(k)];
    DayTxt->setText(cell->text());
    DayTxt->setTextColor(cell->textColor());
}

bool Window1::FileQuit()
{
    Save_State();
    m_saver.afterNotice(Quit);
    return false;
}

void Window1::closeEvent(QCloseEvent *event)
{
    // Closing the calendar always saves and ends the application.
    event->accept();
    Save_State();
    m_saver.afterNotice(Quit);
}

void Window1::showEvent(QShowEvent *event)
{
    if (!m_frameKnown)
        windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
}

bool Window1::eventFilter(QObject *watched, QEvent *event)
{
    // Once the window manager has framed the window, the title bar is known:
    // bring it onto the screen if the opening position left it off.
    if (!m_frameKnown && watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        m_frameKnown = true;
        windowHandle()->removeEventFilter(this);
        const QMargins m = windowHandle()->frameMargins();
        const Rect onScreen
            = keepFrameOnScreen(windowRect(), { m.left(), m.top(), m.right(), m.bottom() }, screenRects());
        if (onScreen != windowRect())
            setWindowRect(onScreen);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mainwindow
