// SPDX-License-Identifier: GPL-3.0-or-later
// Times a start to its mapped window for the performance report: watches the
// root window of $DISPLAY for the first top-level window to be mapped, and
// prints the wall-clock time of that mapping in microseconds since the epoch.
// It prints "ready" once it is watching, so that the start is launched after.
// Waiting on the X connection costs nothing while it waits, where polling
// with xdotool takes CPU from the program being timed.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("map_watch: cannot connect to the display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
        std::free(error);
        std::fputs("map_watch: cannot watch the root window\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
            && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf(
                "%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            xcb_disconnect(connection);
            return 0;
        }
    }
    std::fputs("map_watch: the display went away\n", stderr);
    return 1;
}
