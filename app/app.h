// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <memory>

namespace mainwindow
{
class Window1;
}

namespace platform
{
class SystemClock;
class QtScreens;
class ResourcePictures;
class QtColorPicker;
class SystemDockTile;
} // namespace platform

namespace app
{

class Menu;
class SingleInstance;
class UnixSignals;

// The application object: owns the platform services, the menu and the main
// window, and answers the preferences command when the main window does not.
class App final : public QApplication
{
    Q_OBJECT

public:
    App(int &argc, char **argv);
    ~App() override;

    // Opens the main window, answers later starts through the instance that
    // claimed this start, and runs the event loop until the application quits.
    int run(SingleInstance &instance);

    // Shows the preferences window, which shows the run's settings.
    bool My_Pref();
    // Keeps the preferences item visible whenever the menus are brought up to date.
    void EnableMenuItems();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prefCommand();

    std::unique_ptr<platform::SystemClock> m_clock;
    std::unique_ptr<platform::QtScreens> m_screens;
    std::unique_ptr<platform::ResourcePictures> m_pictures;
    std::unique_ptr<platform::QtColorPicker> m_colorPicker;
    std::unique_ptr<platform::SystemDockTile> m_dockTile;
    std::unique_ptr<Menu> m_menu;
    std::unique_ptr<mainwindow::Window1> m_window1;
    UnixSignals *m_signals = nullptr;
};

} // namespace app
