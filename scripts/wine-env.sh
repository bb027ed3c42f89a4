#!/usr/bin/env bash
# Helpers for running the Windows programs under Wine on a virtual X display.
# Sourced by run.sh, test.sh and bench/responsiveness.sh. Every process started here is
# remembered by its id and ended by qx_stop_display / qx_stop_wine, never by name.

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

# Wine refuses a prefix that belongs to another user, with a message that does not say so.
# $1: the prefix folder.
qx_check_prefix_owner() {
    local prefix=$1 owner
    [[ -e "$prefix" ]] || return 0
    owner=$(stat -c %u "$prefix") || return 1
    if [[ "$owner" != "$(id -u)" ]]; then
        echo "wine-env: the Wine prefix $prefix belongs to $(stat -c %U "$prefix") (uid $owner), not to you ($(id -un)), and Wine refuses it: remove it (rm -rf '$prefix') or run as its owner" >&2
        return 1
    fi
}

# Whether Wine manages its top-level windows itself. On a display with no window manager (a
# bare Xvfb) a managed window costs Wine about 2 s on every show and hide; unmanaged windows
# show and hide at once, as under a window manager. The setting lives in the prefix
# (HKCU\Software\Wine\X11 Driver, value Managed). $1: managed or unmanaged.
# Returns 0 when the value changed (processes already running still follow the old one).
qx_set_window_management() {
    local key='HKCU\Software\Wine\X11 Driver' want=N current
    [[ $1 == managed ]] && want=Y
    current=$(timeout 60 "$QX_WINE" reg query "$key" /v Managed </dev/null 2>/dev/null | tr -d '\r' |
        awk '$1 == "Managed" { print $3 }')
    [[ "${current:-Y}" == "$want" ]] && return 1
    if [[ $want == N ]]; then
        timeout 60 "$QX_WINE" reg add "$key" /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    else
        timeout 60 "$QX_WINE" reg delete "$key" /v Managed /f </dev/null >/dev/null 2>&1
    fi
    return 0
}

# Prepares a private Wine prefix and one persistent wineserver for it, so no Wine process
# started later spawns a server that holds the caller's pipes open.
#   $1  the prefix folder
#   $2  "fresh" to end whatever still runs in that prefix first ("" or "reuse" otherwise)
#   $3  "unmanaged" (default) or "managed" windows, see qx_set_window_management
# A WINEDEBUG set by the caller is kept; otherwise Wine's messages are off.
qx_start_wine() {
    local prefix=$1 start=${2:-reuse} windows=${3:-unmanaged}
    qx_check_prefix_owner "$prefix" || return 1
    export WINEPREFIX=$prefix
    export WINEDEBUG=${WINEDEBUG--all}
    # No prompts to install Mono or Gecko: nothing here needs them.
    export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
    mkdir -p "$WINEPREFIX"
    if [[ $start == fresh ]]; then
        timeout 30 "$QX_WINESERVER" -k </dev/null >/dev/null 2>&1
        timeout 30 "$QX_WINESERVER" -w </dev/null >/dev/null 2>&1
    fi
    qx_start_wineserver
    # The first start in a fresh prefix builds it (several seconds); do it once, up front.
    if [[ ! -f "$WINEPREFIX/system.reg" ]] && ! timeout 180 "$QX_WINE" wineboot -i </dev/null >"$WINEPREFIX.wineboot.log" 2>&1; then
        echo "wine-env: wineboot failed (see $WINEPREFIX.wineboot.log)" >&2
        return 1
    fi
    if qx_set_window_management "$windows" && [[ -n "$QX_WINESERVER_STARTED" ]]; then
        # Wine's own processes (the desktop and its tray) read the old value when they
        # started: a new session, so that they follow it too.
        qx_stop_wine
        qx_start_wineserver
    fi
}

qx_start_wineserver() {
    if "$QX_WINESERVER" -p </dev/null >/dev/null 2>&1; then
        QX_WINESERVER_STARTED=1
    else
        # A server of this prefix is already running (another run of ours): use it, and
        # leave it running afterwards.
        echo "wine-env: using the wineserver already running for $WINEPREFIX"
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
