// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences window "設定".
#include "mainwindow/window2.h"

#include "mainwindow/settings_area.h"
#include "mainwindow/window1_support.h"

namespace mainwindow
{

Window2::Window2(settings::SettingsStore &store, platform::ColorPicker &colorPicker, std::function<void()> save,
    std::function<void(const QColor &)> preview, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Window2"));
    setWindowTitle(utf8("設定"));
    setFixedSize(layout::Window2Size.width, layout::Window2Size.height);
    setModal(true);
    // Closing discards the window; the next request builds a new one.
    setAttribute(Qt::WA_DeleteOnClose);
    SettingsArea::Options options;
    options.boxShowsOptionAtStart = false;
    options.hideWhilePicking = true;
    options.save = std::move(save);
    options.preview = std::move(preview);
    options.close = [this] { close(); };
    m_area = new SettingsArea(store, colorPicker, layout::Window2Area, QPoint(0, 0), std::move(options), this);
}

SettingsArea &Window2::area() const
{
    return *m_area;
}

} // namespace mainwindow
