// SPDX-License-Identifier: GPL-3.0-or-later
// The live settings of a run: one home for each, with a change signal each.
#pragma once

#include <QObject>

namespace settings
{

// A background colour as its three components, as the settings file holds them.
struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour &) const = default;
};

// Holds the background colour, the Dock option, the display mode, the
// transparency and the almanac option. Every view follows the signals; every
// control that changes a setting calls a setter. A setter announces the value
// even when it is unchanged, so that a control chosen again by the user (a box
// ticked in the "設定" window while the option is already on) redraws what
// follows it; views that set their own controls block those controls' signals.
class SettingsStore final : public QObject
{
    Q_OBJECT

public:
    explicit SettingsStore(QObject *parent = nullptr);

    Colour My_Col() const; // background of the calendar and of the tile
    bool dockShown() const; // the option "Dockアイコン"
    int MyDock() const; // tile display mode 0..3
    int Trans() const; // transparency percent, as read or set
    bool koyomiShown() const; // 暦注 in the tooltips

    void setColour(Colour colour);
    void setDockShown(bool on);
    void setMode(int mode);
    void setTrans(int percent);
    void setKoyomiShown(bool on);

signals:
    void colourChanged(settings::Colour colour);
    void dockShownChanged(bool on);
    void modeChanged(int mode);
    void transChanged(int percent);
    void koyomiShownChanged(bool on);

private:
    Colour m_colour;
    bool m_dock = false;
    int m_mode = 0;
    int m_trans = 0;
    bool m_koyomi = false;
};

} // namespace settings
