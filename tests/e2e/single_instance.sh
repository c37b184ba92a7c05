#!/usr/bin/env bash
# One calendar per user: starts at once make one window, a later start brings
# the running calendar back and ends with 0, and a start after kill -9 runs.
source "$(dirname "$0")/lib.sh"

start_x wm
write_prefs 300 400 255 255 255 False 100 False 0

"$LUMO" >>"$E2E_TMP/lumo.log" 2>&1 &
first=$!
"$LUMO" >>"$E2E_TMP/lumo.log" 2>&1 &
second=$!
E2E_PIDS+=("$first" "$second")
one_ended() { ! kill -0 "$first" 2>/dev/null || ! kill -0 "$second" 2>/dev/null; }
wait_until 10 one_ended || fail "two starts at once gave two running calendars: $(calendars | xargs)"
wait_until 10 find_window || fail "no calendar window"
[ "$(calendars | wc -l)" = 1 ] || fail "two starts at once gave windows $(calendars | xargs)"
LUMO_PID=$(xdotool getwindowpid "$WIN")
ended=$first
[ "$LUMO_PID" = "$first" ] && ended=$second
rc=0
wait "$ended" || rc=$?
[ "$rc" = 0 ] || fail "the start that handed over exited with $rc"

# again PURPOSE: another start ends with 0 within seconds.
again() {
    rc=0
    timeout 10 "$LUMO" >>"$E2E_TMP/lumo.log" 2>&1 || rc=$?
    [ "$rc" = 0 ] || fail "a start $1 exited with $rc"
}
one_calendar() {
    [ "$(calendars | wc -l)" = 1 ] || fail "windows $(calendars | xargs) instead of one calendar"
}

xdotool windowminimize "$WIN"
is_iconic() { [ "$(wm_state)" = Iconic ]; }
is_normal() { [ "$(wm_state)" = Normal ]; }
wait_until 5 is_iconic || fail "the calendar did not minimise"
again "while the calendar is minimised"
wait_until 5 is_normal || fail "a second start did not bring the minimised calendar back"
one_calendar

kill -9 "$LUMO_PID"
wait_until 5 lumo_gone || fail "lumo survived kill -9"
start_lumo
again "after a kill -9 and a new start"
one_calendar
echo "ok"
