// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app.h"

#include "app/activation.h"
#include "app/menu.h"
#include "app/single_instance.h"
#include "app/unix_signals.h"
#include "mainwindow/window1.h"
#include "platform/clock.h"
#include "platform/color_picker.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/screens.h"
#include "platform/system_dock_tile.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QSessionManager>
#include <QWindow>

namespace app
{

namespace
{

    // The icon in the two sizes window managers pick from, drawn when Lumo
    // was built: as an SVG icon it would load the icon-engine plugin and draw
    // four sizes at every start.
    QIcon applicationIcon()
    {
        QIcon icon;
        for (const int size : { 32, 64 })
            icon.addPixmap(QPixmap(QStringLiteral(":/icons/lumo-%1.png").arg(size)));
        return icon;
    }

} // namespace

App::App(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The settings folder is named after the application alone: ~/.config/Lumo.
    setApplicationName(QStringLiteral("Lumo"));
    setApplicationVersion(QStringLiteral(LUMO_VERSION));
    setDesktopFileName(QStringLiteral("lumo"));
    setWindowIcon(applicationIcon());
    // The application ends only through the calendar's close and quit
    // commands, which save first.
    setQuitOnLastWindowClosed(false);
    platform::installFontSubstitutions();

    m_clock = std::make_unique<platform::SystemClock>();
    m_screens = std::make_unique<platform::QtScreens>();
    m_pictures = std::make_unique<platform::ResourcePictures>();
    m_colorPicker = std::make_unique<platform::QtColorPicker>();
    m_dockTile = std::make_unique<platform::SystemDockTile>(windowIcon());
    m_menu = std::make_unique<Menu>();
    m_signals = new UnixSignals(this);
}

App::~App()
{
    m_window1.reset();
}

int App::run(SingleInstance &instance)
{
    const mainwindow::Services services { *m_clock, *m_screens, *m_pictures, *m_colorPicker, *m_dockTile };
    m_window1 = std::make_unique<mainwindow::Window1>(services, settings::settingsFilePath());
    mainwindow::Window1 *window1 = m_window1.get();

    connect(m_menu->My_Pref(), &QAction::triggered, this, &App::prefCommand);
    settings::SettingsStore &store = window1->store();
    m_menu->koyomiAction()->setChecked(store.koyomiShown());
    connect(m_menu->koyomiAction(), &QAction::toggled, &store, &settings::SettingsStore::setKoyomiShown);
    connect(&store, &settings::SettingsStore::koyomiShownChanged, m_menu->koyomiAction(), &QAction::setChecked);
    connect(m_menu->quitAction(), &QAction::triggered, window1, [window1] { window1->FileQuit(); });
    connect(m_menu->contextMenu(), &QMenu::aboutToShow, this, &App::EnableMenuItems);
    connect(m_menu->fileMenu(), &QMenu::aboutToShow, this, &App::EnableMenuItems);
#ifndef Q_OS_MACOS
    // No room for a menu bar in a 102-pixel window: the same commands on right-click.
    window1->addAction(m_menu->My_Pref());
    window1->addAction(m_menu->koyomiAction());
    window1->addAction(m_menu->quitAction());
    window1->setContextMenuPolicy(Qt::ActionsContextMenu);
#endif
    // A click on the tray icon, its menu's show command and a second start all
    // bring the calendar back, minimised or not.
    const auto bringBack = [window1] { bringToFront(window1, {}); };
    connect(m_menu->showAction(), &QAction::triggered, window1, bringBack);
    connect(&instance, &SingleInstance::activationRequested, window1,
        [window1](const Activation &request) { bringToFront(window1, request); });
    m_dockTile->setMenu(m_menu->contextMenu());
    m_dockTile->activated = bringBack;

    connect(m_signals, &UnixSignals::terminationRequested, window1, [window1] { window1->FileQuit(); });
    // A user who logs out with Lumo open finds it where it was; one who cancels
    // the logout finds it unchanged.
    connect(this, &QGuiApplication::commitDataRequest, window1,
        [window1](QSessionManager &) { window1->Save_For_Session(); });

    window1->Open();
    window1->show();
    // The first exposure paints the calendar's texts: the fonts read ahead must be in.
    window1->windowHandle()->installEventFilter(this);
    instance.serve();
    return exec();
}

bool App::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose) {
        platform::awaitFontWarmUp();
        watched->removeEventFilter(this);
    }
    return QApplication::eventFilter(watched, event);
}

void App::prefCommand()
{
    // The main window widens to its settings area when the command is its own;
    // otherwise (the preferences window or the tray menu) the application's
    // handler shows the preferences window.
    if (m_window1 && m_window1->isActiveWindow())
        m_window1->My_Pref();
    else
        My_Pref();
}

bool App::My_Pref()
{
    if (m_window1)
        m_window1->openWindow2();
    return false;
}

void App::EnableMenuItems()
{
    m_menu->My_Pref()->setVisible(true);
}

} // namespace app
