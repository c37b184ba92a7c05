// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's settings: following the store, the preferences window, saving.

#include "mainwindow/window1.h"

#include "mainwindow/settings_area.h"
#include "mainwindow/window1_support.h"
#include "mainwindow/window2.h"
#include "platform/dock_tile.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <tuple>

namespace mainwindow
{

namespace
{

    // Applies the transparency fraction as the window's opacity (seen where the
    // desktop composites windows). A hand-edited percent can be anything; the
    // window never becomes less than 5 % opaque.
    void SetWindowTransparency(QWidget *window, float fraction)
    {
        window->setWindowOpacity(std::clamp(static_cast<qreal>(fraction), qreal(0.05), qreal(1.0)));
    }

} // namespace

void Window1::followStore()
{
    using settings::SettingsStore;
    connect(&m_store, &SettingsStore::colourChanged, this, [this](settings::Colour colour) {
        setBackColor(toQColor(colour));
        redrawTile();
    });
    connect(&m_store, &SettingsStore::dockShownChanged, this, [this](bool on) {
        if (on)
            redrawTile();
        else if (Flag_Start)
            m_services.dockTile.ResetIcon();
    });
    connect(&m_store, &SettingsStore::modeChanged, this, &Window1::redrawTile);
    connect(&m_store, &SettingsStore::transChanged, this, &Window1::applyTransparency);
    connect(&m_store, &SettingsStore::koyomiShownChanged, this, [this](bool on) {
        m_saver.report(m_koyomi.writeOption(on));
        showCells();
        redrawTile();
    });
}

void Window1::redrawTile()
{
    if (Flag_Start && m_store.dockShown())
        Draw_Dock();
}

void Window1::applyTransparency(int percent)
{
    SetWindowTransparency(this, static_cast<float>(percent / 100.0));
}

void Window1::Set_Color()
{
    m_area->PushButton1_Action();
}

void Window1::setBackColor(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void Window1::Save_State()
{
    const Rect before = windowRect();
    Large_Win();
    const Rect at = windowRect();
    settings::Settings s;
    std::tie(s.top, s.left) = positionToSave(at);
    s.red = m_store.My_Col().red;
    s.green = m_store.My_Col().green;
    s.blue = m_store.My_Col().blue;
    s.small = Win_Small;
    s.trans = m_store.Trans();
    s.dock = m_store.dockShown();
    s.mode = m_store.MyDock();
    m_saver.write(s);
    // The file holds the calendar's position; a tile saved from "設定" stays a tile.
    if (Win_Small)
        setWindowRect(before);
}

void Window1::Save_For_Session()
{
    const Rect before = windowRect();
    const std::optional<AreaOpening> opened = m_areaOpened;
    Save_State();
    setWindowRect(before);
    m_areaOpened = opened;
}

bool Window1::My_Pref()
{
    // From the tile (its shortcut, the tray menu) the calendar comes back first,
    // as a press on the tile brings it, so that the settings area opens beside it.
    if (Win_Small)
        MouseDown(0, 0);
    // Remembers where the calendar goes back when the area closes.
    const Rect calendar = calendarRect();
    const Rect widened = settingsWinRect(windowRect(), screenRect());
    setWindowRect(widened);
    m_areaOpened = AreaOpening { calendar, widened };
    return false;
}

void Window1::openWindow2()
{
    if (!m_window2)
        m_window2 = new Window2(
            m_store, m_services.colorPicker, [this] { Save_State(); },
            [this](const QColor &colour) { setBackColor(colour); }, this);
    m_window2->show();
    m_window2->raise();
}

} // namespace mainwindow
