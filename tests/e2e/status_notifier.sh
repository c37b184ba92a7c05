#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A StatusNotifierItem host (KDE Plasma, GNOME's AppIndicator extension) that
# starts after lumo gets the tray icon, and gets it again when it comes back.
# Runs on a session bus of its own.
if [ -z "${LUMO_E2E_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
    LUMO_E2E_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
source "$(dirname "$0")/lib.sh"

/usr/bin/python3 -c 'from gi.repository import Gio' 2>/dev/null || skip "python3-gi and gir1.2-glib-2.0 are not installed"
start_x wm
write_prefs 300 400 255 255 255 False 100 True 0
start_lumo

start_host() {
    /usr/bin/python3 "$(dirname "$0")/sni_watcher.py" >>"$E2E_TMP/host.log" 2>&1 &
    HOST_PID=$!
    E2E_PIDS+=("$HOST_PID")
}
registrations() { [ "$(grep -c '^registered' "$E2E_TMP/host.log")" -ge "$1" ]; }
start_host
wait_until 10 registrations 1 || fail "a host started after lumo never got its item: $(cat "$E2E_TMP/host.log")"
kill "$HOST_PID"
start_host
wait_until 10 registrations 2 || fail "the item did not come back to a restarted host: $(cat "$E2E_TMP/host.log")"
echo "ok"
