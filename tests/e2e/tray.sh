#!/usr/bin/env bash
# The tile option's tray icon in a tray that starts after Lumo and restarts, a
# click on it bringing back the minimised calendar, and the calendar's own
# task-bar entry: a normal window, not a tool window tied to another.
source "$(dirname "$0")/lib.sh"

start_x wm
write_prefs 300 400 255 255 255 False 100 True 0
start_lumo

xprop -id "$WIN" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_NORMAL$' ||
    fail "no task-bar entry: $(xprop -id "$WIN" _NET_WM_WINDOW_TYPE)"
! xprop -id "$WIN" WM_TRANSIENT_FOR | grep -q window || fail "the calendar is transient for another window"

start_tray
wait_until 10 tray_icon_shown || fail "a tray started after lumo never got its icon"

xdotool windowminimize "$WIN"
is_iconic() { [ "$(wm_state)" = Iconic ]; }
is_normal() { [ "$(wm_state)" = Normal ]; }
wait_until 5 is_iconic || fail "the calendar did not minimise"
xdotool mousemove --window "$ICON" 5 5 click 1
wait_until 5 is_normal || fail "a click on the tray icon did not bring the calendar back"

kill "$TRAY_PID"
tray_gone() { ! tray_icon_shown; }
wait_until 5 tray_gone || fail "the tray icon outlived its tray"
start_tray
wait_until 10 tray_icon_shown || fail "the tray icon did not come back after the tray restarted"
echo "ok"
