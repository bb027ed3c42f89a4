#!/usr/bin/env bash
# Builds Quillox.exe with the MinGW cross compiler and runs it under Wine.
# The program folder is build/run/: Quillox.exe beside Quillox-Data\, which receives the
# first-run templates from data/templates/ and the sample skin data/skins/Slate/ (as
# Skins\Slate\) when they are missing (the user's data is never overwritten). Without
# DISPLAY the window goes to a private virtual display (Xvfb).
# Wine's windows are unmanaged (shown and hidden at once, also with no window manager).
# Extra arguments are passed to Quillox.exe after "-showonstartup".
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo" || exit 1
source scripts/deps.sh
source scripts/wine-env.sh

cleanup() {
    qx_stop_wine
    qx_stop_display
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# While building, hold the lock scripts/test.sh holds for its whole run: both build into
# build/mingw. It is let go before Quillox starts, so tests can run while Quillox does.
mkdir -p build
exec 9>"$repo/build/test.lock"
if ! flock -n 9; then
    echo "run: a test run holds build/test.lock; waiting for it"
    flock 9
fi
cmake --preset mingw >/dev/null || exit 1
cmake --build --preset mingw -j"$(nproc)" --target Quillox || exit 1

programFolder="$repo/build/run"
dataFolder="$programFolder/Quillox-Data"
mkdir -p "$dataFolder"
cp build/mingw/Quillox.exe "$programFolder/Quillox.exe" || exit 1
if compgen -G "data/templates/*" >/dev/null; then
    cp -R -n data/templates/. "$dataFolder/"
fi
# The sample skin, unless the user has a skin of that name already.
if [[ -d data/skins/Slate && ! -e "$dataFolder/Skins/Slate" ]]; then
    mkdir -p "$dataFolder/Skins"
    cp -R data/skins/Slate "$dataFolder/Skins/Slate"
fi
exec 9>&-

if [[ -z "${DISPLAY:-}" ]]; then
    qx_start_display "$repo/build/run-x" || exit 1
    echo "run: no DISPLAY set; Quillox runs on the virtual display $DISPLAY"
fi
qx_start_wine "$repo/build/wineprefix-run" reuse unmanaged || exit 1

echo "run: starting $programFolder/Quillox.exe"
cd "$programFolder" || exit 1
# In the background so that a signal to this script is handled at once (the clean-up then
# ends the program through its wineserver).
"$QX_WINE" Quillox.exe -showonstartup "$@" </dev/null &
wait $!
status=$?
echo "run: Quillox.exe ended with exit code $status"
exit $status
