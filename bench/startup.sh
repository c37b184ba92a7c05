#!/usr/bin/env bash
# Start-up time of Lumo beside the toolkit floor (a bare Qt window of 52
# labels): from process start to its window mapped on a private Xvfb server,
# found the same way for both (xdotool, polled every 5 ms). Prints the median
# of RUNS runs of each, started alternately.
# Usage: bench_startup [RUNS]   (configured by CMake with the two binaries)
set -euo pipefail

lumo=${LUMO:-@LUMO@}
bare=${BARE:-@BARE@}
runs=${1:-9}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/lumo-startup.XXXXXX")
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT

export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER

Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$tmp/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { echo "bench_startup: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$tmp/display")

# once BINARY CLASS: prints milliseconds from start to the mapped window.
once() {
    local start end pid
    start=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --classname "^$2\$" >/dev/null 2>&1; do
        if (($(date +%s%N) - start > 10000000000)); then
            echo "bench_startup: no window from $1" >&2
            kill "$pid"
            exit 1
        fi
        sleep 0.005
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    # Let the window go before the next run looks for one.
    while xdotool search --classname "^$2\$" >/dev/null 2>&1; do sleep 0.01; done
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One unmeasured start of each warms the file cache and the font cache.
once "$lumo" lumo >/dev/null
once "$bare" bare_window >/dev/null
: >"$tmp/lumo.ms"
: >"$tmp/bare.ms"
for _ in $(seq "$runs"); do
    once "$lumo" lumo >>"$tmp/lumo.ms"
    once "$bare" bare_window >>"$tmp/bare.ms"
done
l=$(median <"$tmp/lumo.ms")
b=$(median <"$tmp/bare.ms")
printf 'start-up to mapped window, median of %d runs on Xvfb\n' "$runs"
printf '  %-20s %6s ms   (%s)\n' lumo "$l" "$(xargs <"$tmp/lumo.ms")"
printf '  %-20s %6s ms   (%s)\n' "bare Qt, 52 labels" "$b" "$(xargs <"$tmp/bare.ms")"
awk -v l="$l" -v b="$b" 'BEGIN { printf "  %-20s %6.2f      (aim: within 1.20)\n", "ratio", l / b }'
