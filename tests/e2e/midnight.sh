#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# New Year's Eve a few seconds before midnight: the running calendar moves on to
# 1 January of the next year by itself, and then looks exactly like a calendar
# started on that day.
source "$(dirname "$0")/lib.sh"

command -v faketime >/dev/null || fail "faketime is not installed"
# Qt's timers keep the real monotonic clock; only the date is moved.
export FAKETIME_DONT_FAKE_MONOTONIC=1

start_x

# Four seconds before midnight leaves room for a slow start-up; the fake clock
# runs on from the moment faketime starts.
started=$(now_ms)
start_lumo faketime -f '@2026-12-31 23:59:56'
case $(title) in
12.31.*) ;;
*) fail "title '$(title)' is not 31 December; the start took too long to test the rollover" ;;
esac
shot "$E2E_TMP/eve.rgb" 102x16+0+14

new_year() {
    case $(title) in 1.1.*) return 0 ;; esac
    return 1
}
# The timer ticks at midnight: allow some slack after it.
wait_until_ms $((started + 6000)) new_year ||
    fail "2 s after midnight the title still reads '$(title)'"
labels_changed() {
    shot "$E2E_TMP/labels.rgb" 102x16+0+14
    ! same_picture "$E2E_TMP/labels.rgb" "$E2E_TMP/eve.rgb"
}
wait_until 1 labels_changed || fail "the title moved on but the month on view did not"
shot "$E2E_TMP/rolled.rgb"
kill -TERM "$LUMO_PID"
wait_lumo_exit

start_lumo faketime -f '@2027-01-01 00:00:05'
shot "$E2E_TMP/fresh.rgb"
same_picture "$E2E_TMP/rolled.rgb" "$E2E_TMP/fresh.rgb" ||
    fail "after midnight the window differs from one started on 1 January 2027" \
        "($(bytes_differ "$E2E_TMP/rolled.rgb" "$E2E_TMP/fresh.rgb") bytes)"
echo "ok"
