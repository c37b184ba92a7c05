#pragma once

#include <QColor>
#include <QWidget>

#include <algorithm>

// Settings held for the whole run, shared by the main window and the
// preferences window. All zero, false or black at launch.
namespace Module1
{

inline QColor My_Col { 0, 0, 0 }; // background colour of the main window and the tile
inline int MyDock = 0; // tile display mode 0..3
inline int Trans = 0; // transparency percent, 0 = not set yet
// False while the opening restores the tile box and display mode: their Actions
// then leave the tile alone, since the day cells do not exist yet and the end of
// the opening composes it once. True from then on, so every tick and every mode
// chosen by the user composes it at once.
inline bool Flag_Start = false;

// Applies the transparency fraction as the main window's opacity (seen where
// the desktop composites windows). A hand-edited percent can be anything; the
// window never becomes less than 5 % opaque.
inline void SetWindowTransparency(QWidget *window, float fraction)
{
    if (window)
        window->setWindowOpacity(std::clamp(static_cast<qreal>(fraction), qreal(0.05), qreal(1.0)));
}

// Back to the launch values; for tests that open several windows in one run.
inline void resetForLaunch()
{
    My_Col = QColor(0, 0, 0);
    MyDock = 0;
    Trans = 0;
    Flag_Start = false;
}

} // namespace Module1
