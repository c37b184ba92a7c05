#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the performance report (docs/performance.md through `make perf`):
# start-up, resident memory and idle CPU of Lumo (as it starts for a new user,
# and with the almanac and Dockアイコン on) beside the bare Qt window of 52
# labels (the toolkit floor) and gsimplecal (a small GTK calendar), all on one
# private Xvfb server, then the medians of the micro-benchmarks, and the aims
# with a pass or miss mark beside each. The file is generated but for its
# "## Findings" section, which is written by hand and carried over.
#
# Usage: perf_report [OUTPUT]   (Markdown to OUTPUT, or to stdout)
# Environment: RUNS start-ups of each program (15), IDLE_RUNS idle runs (3),
# IDLE_SECONDS length of each idle run (60; shorter for a quick look),
# REPETITIONS of each micro-benchmark (9).
# Configured by CMake with the binaries; LUMO, BARE, GSIMPLECAL, BENCH_WINDOW
# and BENCH_CALENDAR override them.
set -euo pipefail

lumo=${LUMO:-@LUMO@}
bare=${BARE:-@BARE@}
gsimplecal=${GSIMPLECAL:-$(command -v gsimplecal || true)}
bench_window=${BENCH_WINDOW:-@BENCH_WINDOW@}
bench_calendar=${BENCH_CALENDAR:-@BENCH_CALENDAR@}
map_watch=${MAP_WATCH:-@MAP_WATCH@}
source_dir=@PROJECT_SOURCE_DIR@
out=${1:--}
runs=${RUNS:-15}
idle_runs=${IDLE_RUNS:-3}
idle_seconds=${IDLE_SECONDS:-60}
repetitions=${REPETITIONS:-9}
((repetitions >= 2)) || repetitions=2 # fewer gives no median
settle_seconds=2

say() { echo "perf_report: $*" >&2; }

if [ -z "$gsimplecal" ]; then
    say "gsimplecal is not installed (scripts/bootstrap --bench installs it)"
    exit 1
fi
for b in "$lumo" "$bare" "$bench_window" "$bench_calendar" "$map_watch"; do
    [ -x "$b" ] || { say "missing $b"; exit 1; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/lumo-perf.XXXXXX")
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT

# A clean account for each program (no settings from the user, no session
# bus, no desktop session); the almanac account has the almanac and
# Dockアイコン on. Each Lumo has its own runtime folder, or the second would
# hand over to the first.
account() { # NAME: sets the environment of NAME's account
    export HOME=$tmp/$1 XDG_CONFIG_HOME=$tmp/$1/.config XDG_CACHE_HOME=$tmp/$1/.cache \
        XDG_DATA_HOME=$tmp/$1/.local/share XDG_RUNTIME_DIR=$tmp/$1/run
}
for a in lumo lumo_almanac bare gsimplecal; do
    account "$a"
    mkdir -p "$XDG_CONFIG_HOME/Lumo" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
done
printf '%s\n' 300 400 255 255 255 False 100 True 0 >"$tmp/lumo_almanac/.config/Lumo/Lumo prefs"
printf '[display]\nkoyomi=true\n' >"$tmp/lumo_almanac/.config/Lumo/lumo.ini"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

started=$(date -u '+%Y-%m-%d %H:%M UTC')
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
if awk -v l="${load_before%% *}" 'BEGIN { exit !(l > 1) }'; then
    say "load average $load_before: other work may disturb the start-up times"
fi
t0=$SECONDS

# Micro-benchmarks first, with no X server about. Each prints its console
# table; only the medians and the coefficients of variation are kept.
say "micro-benchmarks, $repetitions repetitions each"
for b in "$bench_window" "$bench_calendar"; do
    "$b" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
        --benchmark_color=false 2>/dev/null | awk '$1 ~ /_(median|cv)$/' >>"$tmp/micro.txt"
done

Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { say "Xvfb did not start"; exit 1; }
DISPLAY=:$(head -n1 "$tmp/display")
export DISPLAY

now_us() { echo "${EPOCHREALTIME/./}"; }

# launch NAME: starts NAME's binary in its account, waits for its window to be
# mapped (map_watch, started first, waits for the mapping on the X connection
# and gives its time), and sets $pid and $ms (start to mapping).
launch() {
    local start watch mapped
    account "$1"
    : >"$tmp/map"
    timeout 10 "$map_watch" >"$tmp/map" 2>>"$tmp/xvfb.log" &
    watch=$!
    until [ -s "$tmp/map" ]; do
        kill -0 "$watch" 2>/dev/null || { say "map_watch did not start"; exit 1; }
        sleep 0.005
    done
    start=$(now_us)
    "${bin[$1]}" >/dev/null 2>"$tmp/$1.log" &
    pid=$!
    pids+=("$pid")
    if ! wait "$watch" || ! xdotool search --onlyvisible --all --pid "$pid" --classname "^${class[$1]}\$" >/dev/null 2>&1; then
        say "no window from ${bin[$1]}"
        cat "$tmp/$1.log" "$tmp/xvfb.log" >&2
        exit 1
    fi
    mapped=$(sed -n 2p "$tmp/map")
    ms=$(awk -v d=$((mapped - start)) 'BEGIN { printf "%.1f", d / 1000 }')
}

# stop PID CLASS: ends the process and waits until its window has gone.
stop() {
    local p kept=()
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    # Forget it, so that the clean-up never signals a reused PID.
    for p in "${pids[@]}"; do [ "$p" = "$1" ] || kept+=("$p"); done
    pids=("${kept[@]}")
    while xdotool search --all --pid "$1" --classname "^$2\$" >/dev/null 2>&1; do sleep 0.01; done
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# CPU time of every thread of PID in nanoseconds (scheduler's own count), and
# utime+stime of /proc/PID/stat in clock ticks (the kernel's 10 ms ticks).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

names=(lumo lumo_almanac bare gsimplecal)
declare -A bin=([lumo]=$lumo [lumo_almanac]=$lumo [bare]=$bare [gsimplecal]=$gsimplecal)
declare -A class=([lumo]=lumo [lumo_almanac]=lumo [bare]=bare_window [gsimplecal]=gsimplecal)

# Start-up and memory: the programs start in turn, one at a time; each is
# timed to its mapped window, then its resident set is read a second later.
# One unmeasured start of each warms the file and font caches.
say "start-up and memory, $runs runs of each"
for n in "${names[@]}"; do
    launch "$n"
    stop "$pid" "${class[$n]}"
    : >"$tmp/$n.ms"
    : >"$tmp/$n.rss"
done
for _ in $(seq "$runs"); do
    for n in "${names[@]}"; do
        launch "$n"
        echo "$ms" >>"$tmp/$n.ms"
        sleep 1
        rss_kb "$pid" >>"$tmp/$n.rss"
        stop "$pid" "${class[$n]}"
    done
done

# Idle CPU: the three programs run side by side on the same server, each
# measured over the same IDLE_SECONDS once its start-up has settled.
say "idle CPU, $idle_runs runs of ${idle_seconds}s"
for n in "${names[@]}"; do : >"$tmp/$n.idle" && : >"$tmp/$n.ticks"; done
for _ in $(seq "$idle_runs"); do
    declare -A idle_pid=()
    for n in "${names[@]}"; do
        launch "$n"
        idle_pid[$n]=$pid
    done
    sleep "$settle_seconds"
    declare -A ns0=() ticks0=()
    for n in "${names[@]}"; do
        ns0[$n]=$(cpu_ns "${idle_pid[$n]}")
        ticks0[$n]=$(cpu_ticks "${idle_pid[$n]}")
    done
    sleep "$idle_seconds"
    for n in "${names[@]}"; do
        awk -v a="${ns0[$n]}" -v b="$(cpu_ns "${idle_pid[$n]}")" -v s="$idle_seconds" \
            'BEGIN { printf "%.1f\n", (b - a) / 1e6 * 60 / s }' >>"$tmp/$n.idle"
        awk -v a="${ticks0[$n]}" -v b="$(cpu_ticks "${idle_pid[$n]}")" -v hz="$(getconf CLK_TCK)" -v s="$idle_seconds" \
            'BEGIN { printf "%.0f\n", (b - a) * 1000 / hz * 60 / s }' >>"$tmp/$n.ticks"
    done
    for n in "${names[@]}"; do stop "${idle_pid[$n]}" "${class[$n]}"; done
done

load_after=$(cut -d' ' -f1-3 /proc/loadavg)
elapsed=$((SECONDS - t0))

# ---- the report ----

declare -A ms_med rss_med idle_med ticks_med
for n in "${names[@]}"; do
    ms_med[$n]=$(median <"$tmp/$n.ms")
    rss_med[$n]=$(median <"$tmp/$n.rss")
    idle_med[$n]=$(median <"$tmp/$n.idle")
    ticks_med[$n]=$(median <"$tmp/$n.ticks")
done

range() { sort -g "$1" | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "–" hi }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
mark() { if [ "$1" = 1 ]; then echo "✓ pass"; else echo "✗ miss"; fi; }
ok() { awk "BEGIN { print ($1) ? 1 : 0 }"; }

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
qt_version=$(pkg-config --modversion Qt6Core 2>/dev/null || dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
gtk_version=$(dpkg-query -W -f='${Version}' libgtk-3-0 2>/dev/null || echo unknown)
gsimplecal_version=$(dpkg-query -W -f='${Version}' gsimplecal 2>/dev/null || echo unknown)
commit=$(git -C "$source_dir" rev-parse --short HEAD 2>/dev/null || echo unknown)
if [ -n "$(git -C "$source_dir" status --porcelain --untracked-files=no -- . \
    ':!bench' ':!docs' ':!scripts' ':!tests' ':!Makefile' ':!README.md' 2>/dev/null)" ]; then
    commit="$commit (with uncommitted changes)"
fi

startup_ratio=$(awk -v l="${ms_med[lumo]}" -v b="${ms_med[bare]}" 'BEGIN { printf "%.2f", l / b }')
rss_delta=$(awk -v l="${rss_med[lumo]}" -v b="${rss_med[bare]}" 'BEGIN { printf "%+.1f", (l - b) / 1024 }')
almanac_ratio=$(awk -v l="${ms_med[lumo_almanac]}" -v b="${ms_med[bare]}" 'BEGIN { printf "%.2f", l / b }')
almanac_delta=$(awk -v l="${rss_med[lumo_almanac]}" -v b="${rss_med[bare]}" 'BEGIN { printf "%+.1f", (l - b) / 1024 }')
# The almanac's month step in CPU microseconds (Google Benchmark prints "us"):
# on a shared machine the wall time also counts the wait for a core.
almanac_step=$(awk '$1 == "BM_MonthStepAlmanac_median" { print ($5 == "ns") ? $4 / 1000 : ($5 == "ms") ? $4 * 1000 : $4 }' "$tmp/micro.txt")
almanac_step=${almanac_step:-0}

program_row() {
    printf '| %s | %s ms (%s) | %s MiB (%s) | %s ms (%s) | %s ms |\n' "$2" \
        "${ms_med[$1]}" "$(range "$tmp/$1.ms")" \
        "$(mib "${rss_med[$1]}")" "$(awk '{ printf "%.1f\n", $1 / 1024 }' "$tmp/$1.rss" | range /dev/stdin)" \
        "${idle_med[$1]}" "$(range "$tmp/$1.idle")" "${ticks_med[$1]}"
}

describe() {
    case $1 in
        BM_MonthStep) echo "one month step: the month-forward button's release through the window's repaint" ;;
        BM_MonthStepAlmanac) echo "the same month step with the almanac (暦注) shown" ;;
        BM_KoyomiMonthCold) echo "the almanac of every day of a month, its year computed afresh" ;;
        BM_KoyomiMonthCached) echo "the almanac of every day of a month, its year already kept" ;;
        BM_DrawDock/0) echo "one tile composition, the whole month" ;;
        BM_DrawDock/1) echo "one tile composition, month, day and weekday" ;;
        BM_DrawDock/2) echo "one tile composition, the day" ;;
        BM_DrawDock/3) echo "one tile composition, the weekday" ;;
        BM_CongDayAllMonths1948To2100) echo "Cong_Day for every month of 1948–2100 (1,836 months)" ;;
        BM_GetWeek) echo "one Get_Week" ;;
        *) echo "" ;;
    esac
}

{
    cat <<EOF
# Performance

Generated by \`make perf\` (\`bench/perf_report.sh\`) on $started; not edited by hand.

## Machine

| | |
|---|---|
| CPU | $cpu_model, $(nproc) cores online |
| Kernel | $(uname -srm) |
| Qt | $qt_version |
| GTK (gsimplecal $gsimplecal_version) | $gtk_version |
| Lumo | commit $commit, Release build |
| Load average (1, 5, 15 min) | $load_before before, $load_after after |
| Run time | $((elapsed / 60)) min $((elapsed % 60)) s |

## Method

Each program runs on a private Xvfb server (1024×768, no window manager) with
an empty home directory of its own; "Lumo, almanac and Dockアイコン on" starts
with those two options on in its settings (no tray exists, so the icon waits
for one). Start-up is the time from launching the process until
the X server reports its window mapped (to a watcher that waits on its connection), and resident memory is its
VmRSS one second later: medians of $runs starts taken in turn, after one
unmeasured start of each. Idle CPU is the CPU time of all the process's threads
(\`/proc/PID/task/*/schedstat\`, in ns; utime + stime of \`/proc/PID/stat\`, in
10 ms ticks, beside it) over ${idle_seconds} s from ${settle_seconds} s after the window maps, the three
programs idling side by side, median of $idle_runs runs given per minute; the
micro-benchmarks are medians of $repetitions repetitions of \`bench_window\`
(offscreen platform) and \`bench_calendar\`.

## Start-up, memory and idle CPU

Medians, with the range of the runs in brackets.

| Program | Start-up to mapped window | Resident memory (VmRSS) | Idle CPU per minute | utime + stime per minute, in 10 ms ticks |
|---|---|---|---|---|
EOF
    program_row lumo "Lumo"
    program_row lumo_almanac "Lumo, almanac and Dockアイコン on"
    program_row bare "Bare Qt window, 52 labels (toolkit floor)"
    program_row gsimplecal "gsimplecal $gsimplecal_version (GTK 3)"
    cat <<EOF

## Micro-benchmarks

| Benchmark | What it measures | Median time | Median CPU | Variation (CPU) |
|---|---|---|---|---|
EOF
    # Each median line is followed by its coefficient-of-variation line.
    awk '$1 ~ /_median$/ { sub(/_median$/, "", $1); m = $1 " " $2 " " $3 " " $4 " " $5 }
         $1 ~ /_cv$/ { print m, $4 }' "$tmp/micro.txt" |
        while read -r name t tu c cu cv; do
            # shellcheck disable=SC2016 # the backquotes are Markdown
            printf '| `%s` | %s | %s %s | %s %s | %s %% |\n' "$name" "$(describe "$name")" "$t" "$tu" "$c" "$cu" "$cv"
        done
    cat <<EOF

## Aims

| Aim | Figure | |
|---|---|---|
| Start-up within 1.05× of the Qt floor | ${ms_med[lumo]} ms against ${ms_med[bare]} ms: ${startup_ratio}× | $(mark "$(ok "$startup_ratio <= 1.05")") |
| Start-up faster than gsimplecal | ${ms_med[lumo]} ms against ${ms_med[gsimplecal]} ms | $(mark "$(ok "${ms_med[lumo]} < ${ms_med[gsimplecal]}")") |
| Resident memory within 4 MiB of the Qt floor | $(mib "${rss_med[lumo]}") MiB against $(mib "${rss_med[bare]}") MiB: $rss_delta MiB | $(mark "$(ok "${rss_med[lumo]} - ${rss_med[bare]} <= 4 * 1024")") |
| Idle CPU under 10 ms per minute | ${idle_med[lumo]} ms | $(mark "$(ok "${idle_med[lumo]} < 10")") |
| Almanac and Dockアイコン on: start-up within 1.10× of the floor | ${ms_med[lumo_almanac]} ms: ${almanac_ratio}× | $(mark "$(ok "$almanac_ratio <= 1.10")") |
| Almanac and Dockアイコン on: resident memory within 5 MiB of the floor | $(mib "${rss_med[lumo_almanac]}") MiB: $almanac_delta MiB | $(mark "$(ok "${rss_med[lumo_almanac]} - ${rss_med[bare]} <= 5 * 1024")") |
| Almanac and Dockアイコン on: idle CPU under 10 ms per minute | ${idle_med[lumo_almanac]} ms | $(mark "$(ok "${idle_med[lumo_almanac]} < 10")") |
| Month step with the almanac under 100 µs of CPU | ${almanac_step} µs | $(mark "$(ok "$almanac_step > 0 && $almanac_step < 100")") |
EOF
    # The findings are written by hand; a new run keeps them.
    if [ "$out" != - ] && [ -f "$out" ]; then
        awk '/^## Findings$/ { keep = 1; print "" } keep' "$out"
    fi
} >"$tmp/report.md"

if [ "$out" = - ]; then
    cat "$tmp/report.md"
else
    cp "$tmp/report.md" "$out"
    say "wrote $out in $((elapsed / 60)) min $((elapsed % 60)) s"
fi
