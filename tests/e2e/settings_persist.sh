#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings file across runs: the quit shortcut and SIGTERM save the
# window's place and colour, the next start restores them, and SIGKILL
# leaves the previous file whole.
source "$(dirname "$0")/lib.sh"

start_x wm

# expect_restored LEFT TOP: the window sits there with the saved colour behind it.
expect_restored() {
    local at
    at=$(geometry)
    [ "$at" = "$1 $2 102 114" ] || fail "window at '$at', not restored to $1,$2 102x114"
    # Left of the Sunday column and below the last week: only background.
    local colour
    colour=$(pixel 1 112)
    [ "$colour" = "200 220 240" ] || fail "background is '$colour', not the saved 200 220 240"
}

# expect_saved LEFT TOP: nine lines holding that place and the colour.
expect_saved() {
    [ -f "$PREFS" ] || fail "no settings file after quitting"
    local lines
    lines=$(wc -l <"$PREFS")
    [ "$lines" = 9 ] || fail "settings file has $lines lines, not 9"
    [ "$(sed -n '1,5p' "$PREFS" | xargs)" = "$2 $1 200 220 240" ] ||
        fail "settings file starts '$(sed -n '1,5p' "$PREFS" | xargs)', not '$2 $1 200 220 240'"
    sed -n '6p;8p' "$PREFS" | grep -qvxE 'True|False' && fail "lines 6 and 8 are not True/False"
    sed -n '7p;9p' "$PREFS" | grep -qvxE '[0-9]+' && fail "lines 7 and 9 are not numbers"
    return 0
}

# move_to LEFT TOP: drags the window with the window manager; prints where it landed.
move_to() {
    local before
    before=$(geometry)
    xdotool windowmove "$WIN" "$1" "$2"
    moved() { [ "$(geometry)" != "$before" ]; }
    wait_until 2 moved || fail "the window did not move"
    geometry | cut -d' ' -f1-2
}

write_prefs 200 300 200 220 240 False 100 False 0
start_lumo
expect_restored 300 200

# The quit shortcut.
read -r left top < <(move_to 500 400)
xdotool windowactivate --sync "$WIN"
xdotool key --clearmodifiers ctrl+q
wait_lumo_exit
[ "$LUMO_RC" = 0 ] || fail "Ctrl+Q ended lumo with status $LUMO_RC, not 0"
expect_saved "$left" "$top"
start_lumo
expect_restored "$left" "$top"

# SIGTERM.
read -r left top < <(move_to 120 80)
kill -TERM "$LUMO_PID"
wait_lumo_exit
[ "$LUMO_RC" = 0 ] || fail "SIGTERM ended lumo with status $LUMO_RC, not 0"
expect_saved "$left" "$top"
start_lumo
expect_restored "$left" "$top"

# SIGKILL while in use: the file of the last save stays as it was.
cp "$PREFS" "$E2E_TMP/before"
move_to 700 500 >/dev/null
click 70 7
kill -KILL "$LUMO_PID"
wait_lumo_exit
cmp -s "$PREFS" "$E2E_TMP/before" || fail "SIGKILL changed the settings file"
expect_saved "$left" "$top"
[ "$(ls -A "$(dirname "$PREFS")")" = "Lumo prefs" ] ||
    fail "stray files beside the settings: $(ls -A "$(dirname "$PREFS")" | xargs)"
echo "ok"
