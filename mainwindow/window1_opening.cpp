// The calendar window's life: opening with the saved settings, the once-a-second day check, closing.

#include "mainwindow/window1.h"

#include "calendar/calendar.h"
#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "platform/clock.h"
#include "settings/module1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
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

    int red = 0;
    int green = 0;
    int blue = 0;
    // Restoring the box and the mode raises their Actions before the day cells
    // exist; the tile waits for the end of the opening.
    Module1::Flag_Start = false;
    if (const std::optional<settings::Settings> saved = m_saver.read()) {
        Win_Top = saved->top;
        Win_Left = saved->left;
        red = saved->red;
        green = saved->green;
        blue = saved->blue;
        Win_Small = saved->small;
        Module1::Trans = saved->trans;
        // Both raise their handlers when the value changes.
        CheckBox1->setChecked(saved->dock);
        RadioButton1[static_cast<std::size_t>(std::clamp(saved->mode, 0, 3))]->setChecked(true);
        setWindowRect(withinReach({ Win_Left, Win_Top, width(), height() }));
    }
    Module1::Flag_Start = true;

    createDayCells();

    Reset_Day();
    Disp_Title();
    Present_Set();

    Module1::My_Col = QColor(red, green, blue);
    if (Module1::My_Col == QColor(0, 0, 0))
        Module1::My_Col = QColor(255, 255, 255);
    setBackColor(Module1::My_Col);

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

    if (Module1::Trans == 0)
        Module1::Trans = 100;
    Module1::SetWindowTransparency(this, static_cast<float>(Module1::Trans / 100.0));
    TransText->setText(QString::number(Module1::Trans));
    Slider1->setValue(Module1::Trans);

    Win_Top = windowRect().top;
    Win_Left = windowRect().left;

    if (CheckBox1->isChecked())
        Draw_Dock();

    Timer1->start();

    focusVisibleControls();
}

void Window1::Timer1_Action()
{
    Check_Day();
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
    if (CheckBox1->isChecked())
        Draw_Dock();
}

void Window1::showDayText()
{
    const int k = calendar::Get_Week(Start_Year, Start_Month, 1) + Start_Day - 1;
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
