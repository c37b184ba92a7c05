// The calendar window's settings: the settings area's handlers, the preferences window, saving.

#include "mainwindow/window1.h"

#include "mainwindow/canvas.h"
#include "mainwindow/static_text.h"
#include "mainwindow/window1_support.h"
#include "platform/color_picker.h"
#include "platform/dock_tile.h"
#include "settings/module1.h"
#include "settings/window2.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

namespace mainwindow
{

void Window1::Set_Color()
{
    hide();
    QColor colour = Module1::My_Col;
    // On Cancel the colour keeps its starting value and is applied again unchanged.
    m_services.colorPicker.SelectColor(colour, utf8("背景色を選んでください。"));
    setBackColor(colour);
    Module1::My_Col = colour;
    show();
}

void Window1::setBackColor(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void Window1::Save_State()
{
    Large_Win();
    const Rect at = windowRect();
    settings::Settings s;
    s.top = at.top;
    s.left = at.left;
    s.red = Module1::My_Col.red();
    s.green = Module1::My_Col.green();
    s.blue = Module1::My_Col.blue();
    s.small = Win_Small;
    s.trans = Module1::Trans;
    s.dock = CheckBox1->isChecked();
    s.mode = Module1::MyDock;
    m_saver.write(s);
}

void Window1::Save_For_Session()
{
    const Rect before = windowRect();
    Save_State();
    setWindowRect(before);
}

bool Window1::My_Pref()
{
    // From the tile (its shortcut, the tray menu) the calendar comes back first,
    // as a press on the tile brings it, so that the settings area opens beside it.
    if (Win_Small)
        MouseDown(0, 0);
    setWindowRect(settingsWinRect(windowRect(), screenRect()));
    return false;
}

bool Window1::Canvas7_MouseDown(int, int)
{
    Canvas7->setBackdrop(m_pictures.Set2());
    return true;
}

void Window1::Canvas7_MouseUp(int, int)
{
    Canvas7->setBackdrop(m_pictures.Set());
    openWindow2();
}

void Window1::openWindow2()
{
    if (!m_window2)
        m_window2 = new settings::Window2(*this, m_services.colorPicker, m_services.dockTile, this);
    m_window2->show();
    m_window2->raise();
    for (int i = 0; i < 4; ++i) {
        if (RadioButton1[static_cast<std::size_t>(i)]->isChecked())
            m_window2->RadioButton1[static_cast<std::size_t>(i)]->setChecked(true);
    }
    m_window2->TransText->setText(TransText->text());
    // A slider already at the value raises no ValueChanged, yet Trans must follow
    // the copy: a new window starts at 100 whatever its last slider was.
    const bool unchanged = m_window2->Slider1->value() == Slider1->value();
    m_window2->Slider1->setValue(Slider1->value());
    if (unchanged)
        m_window2->Slider1_ValueChanged();
}

void Window1::CheckBox1_Action()
{
    const bool on = CheckBox1->isChecked();
    if (!on)
        m_services.dockTile.ResetIcon();
    for (QRadioButton *button : RadioButton1)
        button->setEnabled(on);
    if (Module1::Flag_Start && on)
        Draw_Dock();
}

// Also raised by the preferences window, which selects the same mode here.
void Window1::RadioButton1_Action(int index)
{
    if (!RadioButton1[static_cast<std::size_t>(index)]->isChecked())
        return;
    Module1::MyDock = index;
    if (Module1::Flag_Start && CheckBox1->isChecked())
        Draw_Dock();
}

void Window1::Slider1_ValueChanged()
{
    if (Slider1->value() < 5)
        Slider1->setValue(5);
    const int value = Slider1->value();
    Module1::SetWindowTransparency(this, static_cast<float>(value / 100.0));
    TransText->setText(QString::number(value));
    Module1::Trans = value;
    // The preferences window's slider follows; it writes the same value back,
    // which changes nothing here.
    if (m_window2)
        m_window2->Slider1->setValue(value);
}

void Window1::PushButton1_Action()
{
    Set_Color();
}

void Window1::PushButton2_Action()
{
    setWindowRect({ windowRect().left, windowRect().top, layout::LargeSize.width, layout::LargeSize.height });
}

void Window1::PushButton3_Action()
{
    Save_State();
}

} // namespace mainwindow
