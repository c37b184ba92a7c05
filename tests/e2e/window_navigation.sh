#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calendar window on a real X server: its size and title, each picture
# button stepping the month on view and back, and the small tile.
source "$(dirname "$0")/lib.sh"

start_x wm
# Lower right quarter of the 1024 x 768 screen: the tile keeps the calendar's
# right and bottom edges.
write_prefs 600 800 255 255 255 False 100 False 0
start_lumo

read -r left top width height < <(geometry)
[ "$width $height" = "102 114" ] || fail "window is ${width}x${height}, not 102x114"
[ "$left $top" = "800 600" ] || fail "window at $left,$top, not at the saved 800,600"
today=$(date +%-m.%-d.)
case $(title) in
"$today"*) ;;
*) fail "title '$(title)' does not start with today's '$today'" ;;
esac

labels=102x16+0+14 # era, month and year
shot "$E2E_TMP/start.rgb"
shot "$E2E_TMP/start-labels.rgb" "$labels"

labels_changed() {
    shot "$E2E_TMP/labels.rgb" "$labels"
    ! same_picture "$E2E_TMP/labels.rgb" "$E2E_TMP/start-labels.rgb"
}
back_to_start() {
    shot "$E2E_TMP/now.rgb"
    same_picture "$E2E_TMP/now.rgb" "$E2E_TMP/start.rgb"
}

# Button centres along the top row.
declare -A button=([year-back]=10 [month-back]=32 [today]=51 [month-forward]=70 [year-forward]=92)

# step BUTTON UNDO: BUTTON changes the month on view, UNDO brings back the
# window exactly as it was.
step() {
    click "${button[$1]}" 7
    wait_until 2 labels_changed || fail "$1 did not change the month on view"
    click "${button[$2]}" 7
    wait_until 2 back_to_start || fail "$2 after $1 did not restore the window pixel for pixel" \
        "($(bytes_differ "$E2E_TMP/now.rgb" "$E2E_TMP/start.rgb") bytes differ)"
}
step month-forward month-back
step month-back month-forward
step year-forward year-back
step year-back year-forward
step month-forward today

# The corner buttons show only while the pointer is in the corner.
corner=30x14+72+100
shot "$E2E_TMP/corner-hidden.rgb" "$corner"
corner_shown() {
    shot "$E2E_TMP/corner.rgb" "$corner"
    ! same_picture "$E2E_TMP/corner.rgb" "$E2E_TMP/corner-hidden.rgb"
}
xdotool mousemove --window "$WIN" 95 107
wait_until 2 corner_shown || fail "the corner buttons did not appear under the pointer"
click 95 107
is_small() { [ "$(geometry | cut -d' ' -f3-)" = "19 14" ]; }
wait_until 2 is_small || fail "the shrink button gave $(geometry), not a 19x14 tile"
read -r left top _ _ < <(geometry)
[ "$left $top" = "883 700" ] || fail "tile at $left,$top, not at the calendar's lower right corner 883,700"

click 5 5
is_large() { [ "$(geometry)" = "800 600 102 114" ]; }
wait_until 2 is_large || fail "a click on the tile gave $(geometry), not 102x114 at 800,600"
echo "ok"
