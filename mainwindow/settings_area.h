// SPDX-License-Identifier: GPL-3.0-or-later
// The settings controls, one class for the calendar's settings area and the "設定" window.
#pragma once

#include "mainwindow/window_layout.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QColor;
class QPushButton;
class QRadioButton;
class QSlider;

namespace platform
{
class ColorPicker;
}

namespace settings
{
class SettingsStore;
}

namespace mainwindow
{

class StaticText;

// The background colour button, the Dock option and its four display modes,
// the transparency slider with its number, and the save and close buttons. The
// controls show the store's values and follow its signals; a change made with
// them goes to the store alone.
class SettingsArea final : public QWidget
{
    Q_OBJECT

public:
    struct Options {
        // Whether the Dock box shows the option from the start; the "設定"
        // window opens with it unticked whatever the option is.
        bool boxShowsOptionAtStart = true;
        // Whether the window of the area steps aside while the colour picker
        // is open. The calendar stays, to show the colour being chosen.
        bool hideWhilePicking = false;
        // Shows a colour on the calendar's background while the picker is
        // open; the store gets the colour only when the user confirms.
        std::function<void(const QColor &)> preview;
        std::function<void()> save; // 設定保存
        std::function<void()> close; // 閉じる
    };

    // rects are in the parent's coordinates; the area covers them from origin.
    SettingsArea(settings::SettingsStore &store, platform::ColorPicker &colorPicker,
        const layout::SettingsAreaRects &rects, QPoint origin, Options options, QWidget *parent);

    void PushButton1_Action();
    void CheckBox1_Action();
    void RadioButton1_Action(int index);
    void Slider1_ValueChanged();
    void PushButton2_Action();
    void PushButton3_Action();

    QSlider *Slider1 = nullptr;
    StaticText *StaticText1 = nullptr; // the transparency label
    StaticText *TransText = nullptr;
    QPushButton *PushButton1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    std::array<QRadioButton *, 4> RadioButton1 {};
    QPushButton *PushButton3 = nullptr;
    QPushButton *PushButton2 = nullptr;

private:
    void createTransparency(const layout::SettingsAreaRects &rects);
    void createDock(const layout::SettingsAreaRects &rects);
    void createButtons(const layout::SettingsAreaRects &rects);
    void place(QWidget *widget, const Rect &rect) const;
    void showDock(bool on);
    void showMode(int mode);
    void showTrans(int percent);

    settings::SettingsStore &m_store;
    platform::ColorPicker &m_colorPicker;
    QPoint m_origin;
    Options m_options;
};

} // namespace mainwindow
