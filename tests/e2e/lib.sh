# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests: a private X server, a temporary home, the
# calendar started and found, screenshots and polling. Sourced, not run.
# Every process started here is ended by its PID when the test exits.
set -euo pipefail

LUMO=${LUMO:?LUMO must name the lumo binary}
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/lumo-e2e.XXXXXX")
E2E_PIDS=()
export HOME=$E2E_TMP/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER
PREFS=$XDG_CONFIG_HOME/Lumo/"Lumo prefs"

e2e_cleanup() {
    local i
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${E2E_PIDS[i]}" 2>/dev/null || true
    done
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        wait "${E2E_PIDS[i]}" 2>/dev/null || true
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# wait_until SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds;
# returns 1 when SECONDS pass first.
wait_until() {
    local seconds=$1
    shift
    wait_until_ms $(($(now_ms) + seconds * 1000)) "$@"
}

# wait_until_ms DEADLINE COMMAND...: the same up to a time from now_ms.
wait_until_ms() {
    local deadline=$1
    shift
    until "$@"; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
}

# Starts Xvfb on the first free display number, or on the first free one of
# LUMO_E2E_DISPLAYS ("69 70") where several people share a machine, (and a
# window manager with "wm"), and exports DISPLAY.
start_x() {
    local fdfile=$E2E_TMP/display number pid name
    for number in ${LUMO_E2E_DISPLAYS:-any}; do
        : >"$fdfile"
        name=()
        [ "$number" = any ] || name=(":$number")
        Xvfb "${name[@]}" -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$fdfile" \
            >"$E2E_TMP/xvfb.log" 2>&1 &
        pid=$!
        # A display in use ends that Xvfb at once: try the next one.
        wait_until 10 eval 'test -s "$fdfile" || ! kill -0 $pid 2>/dev/null' || true
        if [ -s "$fdfile" ]; then
            E2E_PIDS+=($pid)
            break
        fi
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null || true
    done
    [ -s "$fdfile" ] || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=:$(head -n1 "$fdfile")
    [ "${1:-}" != wm ] || start_wm
}

# The window manager the tests run under: LUMO_E2E_WM=openbox (the default) or
# kwin, KDE's X11 window manager, without compositing. A kwin that is missing
# or cannot start skips the test.
start_wm() {
    case ${LUMO_E2E_WM:-openbox} in
    openbox)
        # A window mapped while openbox is still starting can stay unmapped:
        # wait for the command openbox runs once it is ready.
        openbox --sm-disable --startup "touch $E2E_TMP/wm-ready" >"$E2E_TMP/wm.log" 2>&1 &
        E2E_PIDS+=($!)
        wait_until 10 test -e "$E2E_TMP/wm-ready" || fail "openbox did not start"
        ;;
    kwin)
        command -v kwin_x11 >/dev/null || skip "kwin_x11 is not installed"
        KWIN_COMPOSE=N LIBGL_ALWAYS_SOFTWARE=1 kwin_x11 --replace >"$E2E_TMP/wm.log" 2>&1 &
        KWIN_PID=$!
        E2E_PIDS+=("$KWIN_PID")
        wait_until 20 kwin_ready_or_gone || true
        kwin_ready || skip "kwin_x11 did not start: $(tail -n 5 "$E2E_TMP/wm.log")"
        ;;
    *) fail "unknown window manager LUMO_E2E_WM=$LUMO_E2E_WM" ;;
    esac
}

# KWin manages windows once it has announced itself on the root window.
kwin_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

kwin_ready_or_gone() {
    kwin_ready || ! kill -0 "$KWIN_PID" 2>/dev/null
}

# Ends the test as skipped (CTest's SKIP_RETURN_CODE).
skip() {
    echo "SKIP: $*"
    exit 77
}

# start_lumo [WRAPPER...]: starts lumo (behind an optional wrapper such as
# faketime); sets WIN to its calendar window, LUMO_PID to the process that
# owns it and JOB_PID to the process this shell started.
start_lumo() {
    # faketime keeps its clock in POSIX shared memory.
    [ "${1:-}" != faketime ] || [ -w /dev/shm ] ||
        fail "faketime needs a writable /dev/shm (POSIX semaphores); mount a tmpfs there"
    "$@" "$LUMO" >>"$E2E_TMP/lumo.log" 2>&1 &
    JOB_PID=$!
    E2E_PIDS+=("$JOB_PID")
    WIN=
    wait_until 10 find_window ||
        fail "no visible lumo window; processes: $(ps -o pid=,stat=,comm= -p "${E2E_PIDS[*]}" | xargs)," \
            "its windows: $(xdotool search --classname '^lumo$' | xargs)," \
            "log: $(cat "$E2E_TMP/lumo.log" "$E2E_TMP/wm.log" 2>/dev/null)"
    LUMO_PID=$(xdotool getwindowpid "$WIN")
    [ "$LUMO_PID" = "$JOB_PID" ] || E2E_PIDS+=("$LUMO_PID")
    wait_until 5 window_drawn || fail "the lumo window was never drawn"
}

# The calendar is found by its title, today's date: the tray icon is lumo's too.
find_window() {
    WIN=$(calendars | sed -n 1p) && [ -n "$WIN" ]
}

calendars() {
    xdotool search --onlyvisible --name '^[0-9]+\.[0-9]+\.' 2>/dev/null
}

# True once the window's content is no longer one flat colour.
window_drawn() {
    local colours
    colours=$(import -window "$WIN" -format '%k' info: 2>/dev/null) && [ "${colours:-1}" -gt 2 ]
}

# Waits for lumo (and any wrapper) to exit; sets LUMO_RC to the exit status.
wait_lumo_exit() {
    wait_until 10 lumo_gone || fail "lumo did not exit"
    LUMO_RC=0
    { wait "$JOB_PID"; } 2>/dev/null || LUMO_RC=$?
}

lumo_gone() {
    ! kill -0 "$LUMO_PID" 2>/dev/null || [ "$(ps -o stat= -p "$LUMO_PID" 2>/dev/null | cut -c1)" = Z ]
}

title() {
    xdotool getwindowname "$WIN"
}

# Prints "LEFT TOP WIDTH HEIGHT" of the window's content on the screen.
geometry() {
    xwininfo -id "$WIN" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /^  Width:/ { w = $NF }
        /^  Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# shot FILE [CROP]: the window's content as raw RGB bytes, optionally cropped
# (WxH+X+Y). Raw bytes compare with cmp, far faster than ImageMagick's compare.
shot() {
    if [ -n "${2:-}" ]; then
        import -window "$WIN" -crop "$2" +repage -depth 8 "rgb:$1"
    else
        import -window "$WIN" -depth 8 "rgb:$1"
    fi
}

# Number of colour bytes that differ between two shots of the same size.
bytes_differ() {
    cmp -l "$1" "$2" 2>/dev/null | wc -l
}

same_picture() {
    cmp -s "$1" "$2"
}

# pixel X Y: prints "R G B" of one pixel of the window, 0..255.
pixel() {
    import -window "$WIN" -crop "1x1+$1+$2" +repage -depth 8 rgb:- | od -An -tu1 | xargs
}

# click X Y: a press and release at a point of the window.
click() {
    xdotool mousemove --window "$WIN" "$1" "$2" click 1
}

# write_prefs TOP LEFT R G B SMALL TRANS DOCK MODE
write_prefs() {
    mkdir -p "$(dirname "$PREFS")"
    printf '%s\n' "$@" >"$PREFS"
}
