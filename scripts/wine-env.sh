#!/usr/bin/env bash
# Helpers for running the Windows programs under Wine on a virtual X display.
# Sourced by run.sh and test.sh. Every process started here is remembered by its id and
# ended by qx_stop_display / qx_stop_wine, never by name.

QX_WINE=/usr/lib/wine/wine64
QX_WINESERVER=/usr/lib/wine/wineserver64
QX_XVFB_PID=""
QX_WINESERVER_STARTED=""

# Starts Xvfb on a display number it picks itself (-displayfd, so parallel runs never
# collide) and exports DISPLAY. $1: a folder for the handshake file.
qx_start_display() {
    local workFolder=$1
    local displayFile="$workFolder/xvfb-display"
    mkdir -p "$workFolder"
    rm -f "$displayFile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayFile" </dev/null >"$workFolder/xvfb.log" 2>&1 &
    QX_XVFB_PID=$!
    local tries=0
    until [[ -s "$displayFile" ]]; do
        if ! kill -0 "$QX_XVFB_PID" 2>/dev/null || (( ++tries > 200 )); then
            echo "wine-env: Xvfb did not start (see $workFolder/xvfb.log)" >&2
            QX_XVFB_PID=""
            return 1
        fi
        sleep 0.05
    done
    export DISPLAY=":$(tr -d '[:space:]' <"$displayFile")"
}

qx_stop_display() {
    if [[ -n "$QX_XVFB_PID" ]]; then
        kill "$QX_XVFB_PID" 2>/dev/null
        wait "$QX_XVFB_PID" 2>/dev/null
        QX_XVFB_PID=""
    fi
}

# Prepares a private Wine prefix and one persistent wineserver for it, so no Wine process
# started later spawns a server that holds the caller's pipes open.
# $1: the prefix folder; $2: "fresh" to end whatever still runs in that prefix first.
qx_start_wine() {
    export WINEPREFIX=$1
    export WINEDEBUG=-all
    # No prompts to install Mono or Gecko: nothing here needs them.
    export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
    mkdir -p "$WINEPREFIX"
    if [[ "${2:-}" == fresh ]]; then
        timeout 30 "$QX_WINESERVER" -k </dev/null >/dev/null 2>&1
        timeout 30 "$QX_WINESERVER" -w </dev/null >/dev/null 2>&1
    fi
    if "$QX_WINESERVER" -p </dev/null >/dev/null 2>&1; then
        QX_WINESERVER_STARTED=1
    else
        # A server of this prefix is already running (another run of ours): use it, and
        # leave it running afterwards.
        echo "wine-env: using the wineserver already running for $WINEPREFIX"
    fi
    # The first start in a fresh prefix builds it (several seconds); do it once, up front.
    if [[ ! -f "$WINEPREFIX/system.reg" ]] && ! timeout 180 "$QX_WINE" wineboot -i </dev/null >"$WINEPREFIX.wineboot.log" 2>&1; then
        echo "wine-env: wineboot failed (see $WINEPREFIX.wineboot.log)" >&2
        return 1
    fi
}

# Ends every process of this prefix and its wineserver.
qx_stop_wine() {
    if [[ -n "$QX_WINESERVER_STARTED" ]]; then
        timeout 30 "$QX_WINESERVER" -k </dev/null >/dev/null 2>&1
        timeout 30 "$QX_WINESERVER" -w </dev/null >/dev/null 2>&1
        QX_WINESERVER_STARTED=""
    fi
}
