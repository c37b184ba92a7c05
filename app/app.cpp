#include "app/app.h"

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
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QSessionManager>
#include <QTranslator>

#include <cstdio>

namespace app
{

App::App(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The settings folder is named after the application alone: ~/.config/Lumo.
    setApplicationName(QStringLiteral("Lumo"));
    setApplicationVersion(QStringLiteral(LUMO_VERSION));
    setDesktopFileName(QStringLiteral("lumo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/lumo.svg")));
    // The application ends only through the calendar's close and quit
    // commands, which save first.
    setQuitOnLastWindowClosed(false);
    platform::installFontSubstitutions();
    // Qt's own dialogs (the colour dialog's buttons and labels) in the user's language.
    auto *qtTranslator = new QTranslator(this);
    if (qtTranslator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTranslator);

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

int App::run()
{
    auto *instance = new SingleInstance(this);
    switch (instance->claim()) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::HandedOver:
        return 0;
    case SingleInstance::Claim::NoAnswer:
        std::fputs("lumo: another Lumo is running but does not answer\n", stderr);
        return 1;
    }

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
    const auto bringToFront = [window1] {
        window1->showNormal();
        window1->raise();
        window1->activateWindow();
    };
    connect(m_menu->showAction(), &QAction::triggered, window1, bringToFront);
    connect(instance, &SingleInstance::activationRequested, window1, bringToFront);
    m_dockTile->setMenu(m_menu->contextMenu());
    m_dockTile->activated = bringToFront;

    connect(m_signals, &UnixSignals::terminationRequested, window1, [window1] { window1->FileQuit(); });
    // A user who logs out with Lumo open finds it where it was; one who cancels
    // the logout finds it unchanged.
    connect(this, &QGuiApplication::commitDataRequest, window1,
        [window1](QSessionManager &) { window1->Save_For_Session(); });

    window1->Open();
    window1->show();
    return exec();
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
