#!/usr/bin/env bash
# Regenerates the reference screenshots in tests/e2e/screenshots/ on purpose, after an
# intended change of how the window looks: builds Quillox.exe and the end-to-end tests with
# the mingw preset and runs the screenshot cases under Wine on a virtual display, as
# scripts/test.sh does, with QX_UPDATE_SCREENSHOTS=1, so that each settled capture becomes the
# new reference: <look>.png at 96 pixels per inch and <look>@144.png at 144 (the case sets the
# prefix's LogPixels itself while it runs). Look at every picture before committing it. A
# normal test run never writes them and fails when one is missing.
#
# Options:
#   -h, --help  show this text
set -uo pipefail

usage() { sed -n '2,11p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; }
case "${1:-}" in
    "") ;;
    -h|--help) usage; exit 0 ;;
    *) echo "update-screenshots: unknown option $1" >&2; usage >&2; exit 2 ;;
esac

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo" || exit 1
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

if [[ ! -f build/mingw/CMakeCache.txt ]] && ! cmake --preset mingw >/dev/null; then
    echo "update-screenshots: configuring the mingw preset failed" >&2
    exit 1
fi
if ! nice -n 10 cmake --build --preset mingw -j2 --target Quillox quillox_e2e >/dev/null; then
    echo "update-screenshots: Quillox.exe or quillox_e2e did not build" >&2
    exit 1
fi

logs=build/test-logs/update-screenshots
trap 'qx_stop_wine; qx_stop_display' EXIT
if ! qx_start_display "$logs" || ! qx_start_wine "$repo/build/wineprefix-test" fresh unmanaged; then
    echo "update-screenshots: Xvfb or Wine did not start" >&2
    exit 1
fi
QX_UPDATE_SCREENSHOTS=1 timeout 600 "$QX_WINE" build/mingw/quillox_e2e.exe --gtest_filter='ScreenshotTest.*'
status=$?
git status --short tests/e2e/screenshots
exit $status
