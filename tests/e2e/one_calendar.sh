#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One calendar per user that always comes back: two starts at once make one
# window with a task-bar entry, a minimised calendar comes back on another start
# and on a click on the tray icon, a tray started after lumo (or restarted) gets
# the icon, a start from a launcher ends its startup notification though it maps
# no window, and a start after kill -9 runs.
source "$(dirname "$0")/lib.sh"

start_x wm
write_prefs 300 400 255 255 255 False 100 True 0
"$LUMO" >>"$E2E_TMP/lumo.log" 2>&1 &
other=$!
E2E_PIDS+=("$other")
start_lumo
ended=$JOB_PID
[ "$LUMO_PID" = "$JOB_PID" ] && ended=$other
ended_ok() { ! kill -0 "$ended" 2>/dev/null && wait "$ended"; }
wait_until 10 ended_ok || fail "of two starts at once, one did not end with 0; windows: $(calendars | xargs)"
[ "$(calendars | wc -l)" = 1 ] || fail "two starts at once gave windows $(calendars | xargs)"
xprop -id "$WIN" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_NORMAL$' ||
    fail "no task-bar entry: $(xprop -id "$WIN" _NET_WM_WINDOW_TYPE)"
xprop -id "$WIN" WM_TRANSIENT_FOR | grep -q 'not found' || fail "the calendar is transient for another window"

in_state() { xprop -id "$WIN" WM_STATE | grep -q "window state: $1"; }
# brought_back_by WHAT COMMAND...: minimises the calendar, runs COMMAND.
brought_back_by() {
    xdotool windowminimize "$WIN"
    wait_until 5 in_state Iconic || fail "the calendar did not minimise"
    "${@:2}" || fail "$1 failed"
    wait_until 5 in_state Normal || fail "$1 did not bring the minimised calendar back"
    [ "$(calendars | wc -l)" = 1 ] || fail "$1 left windows $(calendars | xargs)"
}
brought_back_by "another start" timeout 10 "$LUMO"

# The startup-notification messages sent to the root window, one a line, as a
# launcher's busy cursor reads them.
python3 - >"$E2E_TMP/startup.log" 2>&1 <<'EOF' &
import ctypes
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XFlush.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("align", ctypes.c_int), ("data", ctypes.c_char * 20),
                ("rest", ctypes.c_long * 24)]
d = x.XOpenDisplay(None)
begin, more = (x.XInternAtom(d, name, 0) for name in (b"_NET_STARTUP_INFO_BEGIN", b"_NET_STARTUP_INFO"))
x.XSelectInput(d, x.XDefaultRootWindow(d), 1 << 22)  # PropertyChangeMask
x.XFlush(d)
print("ready", flush=True)
event, text = ClientMessage(), b""
while True:
    x.XNextEvent(d, ctypes.byref(event))
    if event.type == 33 and event.message_type in (begin, more):  # ClientMessage
        piece = ctypes.string_at(ctypes.addressof(event) + ClientMessage.data.offset, 20)
        text = (b"" if event.message_type == begin else text) + piece.split(b"\0")[0]
        if b"\0" in piece:
            print(text.decode(errors="replace"), flush=True)
EOF
E2E_PIDS+=($!)
wait_until 15 grep -q ready "$E2E_TMP/startup.log" || fail "no startup watch: $(cat "$E2E_TMP/startup.log")"
brought_back_by "a start from a launcher" env DESKTOP_STARTUP_ID='lumo-e2e 2_TIME1' timeout 10 "$LUMO"
removed() { grep -qxF 'remove: ID=lumo-e2e\ 2_TIME1' "$E2E_TMP/startup.log"; }
wait_until 5 removed || fail "a start that handed over left its startup notification open: $(cat "$E2E_TMP/startup.log")"

start_tray() {
    trayer --edge bottom --align right --widthtype pixel --width 100 --height 24 >>"$E2E_TMP/trayer.log" 2>&1 &
    TRAY_PID=$!
    E2E_PIDS+=("$TRAY_PID")
}
# The icon's window is lumo's, named Lumo (xdotool's --onlyvisible misses embedded windows).
# awk reads the whole tree: stopping early would end xwininfo with SIGPIPE, a failure under pipefail.
icon_shown() { ICON=$(xwininfo -root -tree | awk '/"Lumo": \("lumo"/ && !found { print $1; found = 1 }') && [ -n "$ICON" ]; }
start_tray
wait_until 10 icon_shown || fail "a tray started after lumo never got its icon"
brought_back_by "a click on the tray icon" xdotool mousemove --window "$ICON" 5 5 click 1
kill "$TRAY_PID"
icon_gone() { ! icon_shown; }
wait_until 5 icon_gone || fail "the tray icon outlived its tray"
start_tray
wait_until 10 icon_shown || fail "the tray icon did not come back after the tray restarted"

kill -9 "$LUMO_PID"
wait_until 5 lumo_gone || fail "lumo survived kill -9"
start_lumo
timeout 10 "$LUMO" || fail "a start after kill -9 and a new start exited with $?"
[ "$(calendars | wc -l)" = 1 ] || fail "after kill -9, windows $(calendars | xargs)"
echo "ok"
