// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/activation.h"

#include "app/single_instance.h"

#include <QGuiApplication>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef LUMO_X11
#include <xcb/xcb.h>
#endif

namespace app
{

#ifdef LUMO_X11
namespace
{

    xcb_atom_t atom(xcb_connection_t *connection, const char *name)
    {
        const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return result;
    }

    xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window)
    {
        xcb_query_tree_reply_t *reply = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        const xcb_window_t root = reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
        std::free(reply);
        return root;
    }

    // Launchers end a startup id with "_TIME" and the X time of the user's
    // action; 0 when it has none.
    uint32_t launchTime(const QByteArray &startupId)
    {
        const qsizetype at = startupId.lastIndexOf("_TIME");
        if (at < 0)
            return 0;
        bool ok = false;
        const qulonglong time = startupId.mid(at + 5).toULongLong(&ok);
        return ok && time <= UINT32_MAX ? uint32_t(time) : 0;
    }

    // The startup-notification "remove" message: 20-byte pieces to the root
    // window, the first as _NET_STARTUP_INFO_BEGIN; a space, quote or
    // backslash in the id is escaped with a backslash.
    void sendRemove(xcb_connection_t *connection, xcb_window_t root, const QByteArray &startupId)
    {
        QByteArray message = "remove: ID=";
        for (const char c : startupId) {
            if (c == ' ' || c == '"' || c == '\\')
                message += '\\';
            message += c;
        }
        message += '\0';
        const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
        const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        for (qsizetype at = 0; at < message.size(); at += 20) {
            event.type = at == 0 ? begin : more;
            std::memset(event.data.data8, 0, sizeof event.data.data8);
            std::memcpy(
                event.data.data8, message.constData() + at, size_t(std::min<qsizetype>(20, message.size() - at)));
            xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char *>(&event));
        }
    }

    // What a pager does for the user: _NET_ACTIVE_WINDOW with the time of the
    // user's action, which the window manager weighs against its other windows.
    void activateAt(xcb_connection_t *connection, xcb_window_t window, uint32_t time)
    {
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom(connection, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 1; // from an application
        event.data.data32[1] = time;
        xcb_send_event(connection, 0, rootOf(connection, window),
            XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
            reinterpret_cast<const char *>(&event));
        xcb_flush(connection);
    }

} // namespace
#endif

Activation launchActivation()
{
    return { qgetenv("DESKTOP_STARTUP_ID"), qgetenv("XDG_ACTIVATION_TOKEN") };
}

void bringToFront(QWidget *window, const Activation &request)
{
    window->showNormal();
    window->raise();
#ifdef LUMO_X11
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (const uint32_t time = launchTime(request.startupId); time != 0) {
            activateAt(x11->connection(), xcb_window_t(window->winId()), time);
            return;
        }
    } else if (!request.activationToken.isEmpty()) {
        // Qt's Wayland plugin activates with the token it finds here.
        qputenv("XDG_ACTIVATION_TOKEN", request.activationToken);
    }
#else
    if (!request.activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", request.activationToken);
#endif
    window->activateWindow();
}

void completeStartup(const QByteArray &startupId)
{
#ifdef LUMO_X11
    if (startupId.isEmpty())
        return;
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (; it.rem > 0 && screen > 0; --screen)
            xcb_screen_next(&it);
        if (it.rem > 0) {
            sendRemove(connection, it.data->root, startupId);
            // A round trip: the server has the message before this process ends.
            std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        }
    }
    xcb_disconnect(connection);
#else
    Q_UNUSED(startupId);
#endif
}

} // namespace app
