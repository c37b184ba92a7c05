// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_dock_tile.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>

namespace platform
{

int xScreenNumber(const QByteArray &display)
{
    const qsizetype colon = display.lastIndexOf(':');
    const qsizetype dot = display.indexOf('.', colon + 1);
    return colon >= 0 && dot > colon ? std::atoi(display.constData() + dot + 1) : 0;
}

namespace
{

    const QString HostService = QStringLiteral("org.kde.StatusNotifierWatcher");

    // An XEmbed tray owns the selection _NET_SYSTEM_TRAY_S<screen>.
    bool xembedTrayPresent()
    {
        const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return false;
        static xcb_atom_t selection = XCB_ATOM_NONE;
        if (selection == XCB_ATOM_NONE) {
            const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(xScreenNumber(qgetenv("DISPLAY")));
            xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(connection,
                xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()), nullptr);
            if (!atom)
                return false;
            selection = atom->atom;
            std::free(atom);
        }
        xcb_get_selection_owner_reply_t *owner
            = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
        const bool present = owner && owner->owner != XCB_WINDOW_NONE;
        std::free(owner);
        return present;
    }

    // A StatusNotifierItem watcher that has a host to show the items.
    bool hostRegistered()
    {
        QDBusMessage get = QDBusMessage::createMethodCall(HostService, QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << HostService << QStringLiteral("IsStatusNotifierHostRegistered");
        const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 500);
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
            && qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
    }

} // namespace

SystemDockTile::SystemDockTile(QIcon normalIcon, QObject *parent)
    : QObject(parent)
    , m_normalIcon(std::move(normalIcon))
{
    m_trayWait = new QTimer(this);
    m_trayWait->setInterval(1000);
    connect(m_trayWait, &QTimer::timeout, this, &SystemDockTile::showTrayIcon);
}

SystemDockTile::~SystemDockTile()
{
    delete m_tray;
}

void SystemDockTile::setMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_tray)
        m_tray->setContextMenu(menu);
}

void SystemDockTile::UpdateNow(const QImage &tile, const QString &toolTip)
{
    m_icon = QIcon(QPixmap::fromImage(tile));
    m_toolTip = toolTip;
    QApplication::setWindowIcon(m_icon);
#ifndef Q_OS_MACOS
    showTrayIcon();
#endif
}

bool SystemDockTile::trayPresent() const
{
    return xembedTrayPresent() || (m_hostUp && hostRegistered());
}

void SystemDockTile::waitForTray()
{
    // The session bus tells when a host's watcher appears; whether it already
    // has a host, and whether an XEmbed tray came, is asked once a second.
    if (!m_hostWatch && QDBusConnection::sessionBus().isConnected()) {
        m_hostWatch = new QDBusServiceWatcher(HostService, QDBusConnection::sessionBus(),
            QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
        connect(m_hostWatch, &QDBusServiceWatcher::serviceRegistered, this, [this] {
            m_hostUp = true;
            if (m_trayWait->isActive())
                showTrayIcon();
        });
        connect(m_hostWatch, &QDBusServiceWatcher::serviceUnregistered, this, [this] { m_hostUp = false; });
        m_hostUp = QDBusConnection::sessionBus().interface()->isServiceRegistered(HostService);
    }
    m_trayWait->start();
}

void SystemDockTile::showTrayIcon()
{
    // Qt decides once per process between a D-Bus tray icon and an XEmbed one,
    // the first time a tray icon is made or asked for: no host then means
    // XEmbed for good. So Qt is not asked before a tray of either kind is there.
    if (!m_tray && !trayPresent()) {
        waitForTray();
        return;
    }
    m_trayWait->stop();
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(this);
        if (m_menu)
            m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (bringsBack(reason) && activated)
                activated();
        });
    }
    m_tray->setIcon(m_icon);
    m_tray->setToolTip(m_toolTip);
    m_tray->show();
}

bool SystemDockTile::bringsBack(QSystemTrayIcon::ActivationReason reason)
{
    return reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick;
}

void SystemDockTile::ResetIcon()
{
    m_trayWait->stop();
    QApplication::setWindowIcon(m_normalIcon);
    delete m_tray;
    m_tray = nullptr;
}

} // namespace platform
