// SPDX-License-Identifier: GPL-3.0-or-later
// The live settings of a run.
#include "settings/settings_store.h"

namespace settings
{

SettingsStore::SettingsStore(QObject *parent)
    : QObject(parent)
{
}

Colour SettingsStore::My_Col() const
{
    return m_colour;
}

bool SettingsStore::dockShown() const
{
    return m_dock;
}

int SettingsStore::MyDock() const
{
    return m_mode;
}

int SettingsStore::Trans() const
{
    return m_trans;
}

bool SettingsStore::koyomiShown() const
{
    return m_koyomi;
}

void SettingsStore::setColour(Colour colour)
{
    m_colour = colour;
    emit colourChanged(colour);
}

void SettingsStore::setDockShown(bool on)
{
    m_dock = on;
    emit dockShownChanged(on);
}

void SettingsStore::setMode(int mode)
{
    m_mode = mode;
    emit modeChanged(mode);
}

void SettingsStore::setTrans(int percent)
{
    m_trans = percent;
    emit transChanged(percent);
}

void SettingsStore::setKoyomiShown(bool on)
{
    m_koyomi = on;
    emit koyomiShownChanged(on);
}

} // namespace settings
