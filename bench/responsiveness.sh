#!/usr/bin/env bash
# The window's responsiveness under Wine: summon chord to window shown, last typed key to
# final rows, over a generated Files.txt.
#
#   bench/responsiveness.sh [--managed-windows] [--rounds=N] [--entries=N] [--query=TEXT]
#                                                                   (defaults: 20, 10000, note)
#
# Builds Quillox.exe and quillox_responsiveness.exe (mingw preset) and runs the latter under
# Wine on a private prefix (build/wineprefix-bench) and a private virtual display. Waits for
# a running scripts/test.sh first: both build into build/mingw.
#
# Wine's windows are left unmanaged here: with no window manager on the virtual display,
# Wine waits 2 s for one whenever a managed window is hidden (the main window on hiding, the
# tray icon's window on showing), which would swamp every figure. --managed-windows keeps
# Wine's default, as the end-to-end stage "wine quillox_e2e managed" runs.
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo" || exit 1
source scripts/deps.sh
source scripts/wine-env.sh

windows=unmanaged
args=()
for arg in "$@"; do
    case "$arg" in
        --managed-windows) windows=managed ;;
        *) args+=("$arg") ;;
    esac
done

logs="$repo/build/bench-logs"
mkdir -p "$logs"

# The lock scripts/test.sh takes: one user of build/mingw at a time.
exec 9>"$repo/build/test.lock"
if ! flock -n 9; then
    echo "responsiveness: a test run holds build/test.lock; waiting for it"
    flock 9
fi

cleanup() {
    qx_stop_wine
    qx_stop_display
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cmake --preset mingw </dev/null >"$logs/build-mingw.log" 2>&1 &&
    cmake --build --preset mingw -j"$(nproc)" --target Quillox quillox_responsiveness </dev/null >>"$logs/build-mingw.log" 2>&1
if (( $? != 0 )); then
    echo "responsiveness: the build failed, see $logs/build-mingw.log" >&2
    tail -n 30 "$logs/build-mingw.log" >&2
    exit 1
fi

qx_start_display "$logs/xvfb" || exit 1
qx_start_wine "$repo/build/wineprefix-bench" fresh "$windows" || exit 1

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg), $(date -u '+%Y-%m-%d %H:%M UTC'), Wine windows: $windows"
# Into a file, not a pipe: Wine's own services started with the program would hold a pipe open.
timeout -k 10 600 "$QX_WINE" build/mingw/quillox_responsiveness.exe --gtest_color=no ${args[@]+"${args[@]}"} \
    </dev/null >"$logs/responsiveness.log" 2>&1
status=$?
tr -d '\r' <"$logs/responsiveness.log"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
