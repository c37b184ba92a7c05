// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences window "設定": a settings area of its own in a small modal window.
#pragma once

#include <QDialog>

#include <functional>

class QColor;

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

class SettingsArea;

// The same settings as the calendar's settings area, on the same store. It
// opens with "Dockアイコン" unticked; its "閉じる" closes and discards it.
class Window2 final : public QDialog
{
    Q_OBJECT

public:
    // save runs on "設定保存"; preview shows a colour on the calendar while the colour picker is open.
    Window2(settings::SettingsStore &store, platform::ColorPicker &colorPicker, std::function<void()> save,
        std::function<void(const QColor &)> preview, QWidget *parent);

    SettingsArea &area() const;

private:
    SettingsArea *m_area = nullptr;
};

} // namespace mainwindow
