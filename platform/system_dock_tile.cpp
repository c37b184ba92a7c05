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

    xcb_connection_t *xConnection()
    {
        const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        return x11 ? x11->connection() : nullptr;
    }

    xcb_atom_t internAtom(xcb_connection_t *connection, const QByteArray &name)
    {
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()), nullptr);
        const xcb_atom_t value = atom ? atom->atom : xcb_atom_t { XCB_ATOM_NONE };
        std::free(atom);
        return value;
    }

    // An XEmbed tray owns the selection _NET_SYSTEM_TRAY_S<screen>.
    xcb_atom_t traySelection(xcb_connection_t *connection)
    {
        // Kept once known; a failed lookup is tried again next time.
        static xcb_atom_t selection = XCB_ATOM_NONE;
        if (selection == XCB_ATOM_NONE)
            selection
                = internAtom(connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(xScreenNumber(qgetenv("DISPLAY"))));
        return selection;
    }

    bool xembedTrayPresent()
    {
        xcb_connection_t *connection = xConnection();
        const xcb_atom_t selection = connection ? traySelection(connection) : xcb_atom_t { XCB_ATOM_NONE };
        if (selection == XCB_ATOM_NONE)
            return false;
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
}

SystemDockTile::~SystemDockTile()
{
    stopWaiting();
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

void SystemDockTile::watchHost()
{
    // Made before the first look for a tray, so that a host already there
    // when Lumo starts is seen at once.
    if (m_hostWatch || !QDBusConnection::sessionBus().isConnected())
        return;
    m_hostWatch = new QDBusServiceWatcher(HostService, QDBusConnection::sessionBus(),
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
    connect(m_hostWatch, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_hostUp = true;
        if (m_waiting)
            showTrayIcon();
    });
    connect(m_hostWatch, &QDBusServiceWatcher::serviceUnregistered, this, [this] { m_hostUp = false; });
    QDBusConnection::sessionBus().connect(HostService, QStringLiteral("/StatusNotifierWatcher"), HostService,
        QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(hostCame()));
    m_hostUp = QDBusConnection::sessionBus().interface()->isServiceRegistered(HostService);
}

void SystemDockTile::waitForTray()
{
    // Nothing polls: a new XEmbed tray announces itself to every client with a
    // MANAGER message on the root window (Qt's X connection listens to the
    // root's structure events for its own tray icons), and the session bus
    // tells when a host's watcher appears or a host registers with it.
    if (m_waiting)
        return;
    m_waiting = true;
    if (xcb_connection_t *connection = xConnection()) {
        m_managerAtom = internAtom(connection, "MANAGER");
        m_selectionAtom = traySelection(connection);
        qApp->installNativeEventFilter(this);
    }
}

void SystemDockTile::stopWaiting()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    qApp->removeNativeEventFilter(this);
}

void SystemDockTile::hostCame()
{
    m_hostUp = true;
    if (m_waiting)
        showTrayIcon();
}

bool SystemDockTile::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_waiting || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *client = static_cast<const xcb_client_message_event_t *>(message);
    if (client->type == m_managerAtom && client->format == 32 && client->data.data32[1] == m_selectionAtom)
        // Made after the event has been handed on: Qt's own tray code sees it too.
        QMetaObject::invokeMethod(this, "showTrayIcon", Qt::QueuedConnection);
    return false;
}

void SystemDockTile::showTrayIcon()
{
    // Qt decides once per process between a D-Bus tray icon and an XEmbed one,
    // the first time a tray icon is made or asked for: no host then means
    // XEmbed for good. So Qt is not asked before a tray of either kind is there.
    watchHost();
    if (!m_tray && !trayPresent()) {
        waitForTray();
        return;
    }
    stopWaiting();
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
    stopWaiting();
    QApplication::setWindowIcon(m_normalIcon);
    delete m_tray;
    m_tray = nullptr;
}

} // namespace platform
