// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QWidget;

namespace app
{

struct Activation;

// The ids this process was launched with, taken from the environment before
// the toolkit reads (and clears) them.
Activation launchActivation();

// Brings the calendar back, minimised or not, on behalf of a later start: with
// the time of the user's action that launched it (from its startup id) on X11,
// where a window manager's focus-stealing prevention refuses a raise without
// one, and with its activation token on Wayland. Without ids, a plain raise.
void bringToFront(QWidget *window, const Activation &request);

// Tells the desktop that the start with this startup id is done (the
// launcher's busy cursor ends): for a start that maps no window, which the
// toolkit would do for it. Opens its own connection to the X display; does
// nothing without one.
void completeStartup(const QByteArray &startupId);

} // namespace app
