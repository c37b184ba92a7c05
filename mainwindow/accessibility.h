// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of the calendar window.
#pragma once

class QWidget;

namespace mainwindow
{

// Makes the picture buttons push buttons that a screen reader can press, and
// keeps the controls outside the calendar window's visible size out of its
// accessibility tree. Costs a function pointer until a screen reader asks.
void installAccessibility();

// Tells listening assistive technology which of window's controls came into
// view or left it after a change of the window's size.
void announceControlsInView(QWidget *window);

} // namespace mainwindow
