#!/usr/bin/env bash
# Makes sure the Debian 12 packages the build and the tests need are installed.
# Sourced by run.sh and test.sh; can also be run on its own.
# As root the missing packages are installed without asking (works with no stdin, as in CI);
# otherwise the exact install command is printed and the script fails.

QX_PACKAGES=(
    cmake
    make
    g++
    clang
    libclang-rt-14-dev          # libFuzzer and the sanitizer runtimes for clang 14
    googletest                  # GoogleTest sources, built by the MinGW cross build
    libgtest-dev
    libbenchmark-dev
    g++-mingw-w64-x86-64-posix
    wine64
    xvfb
    coreutils                   # timeout
)

# Prints the packages of QX_PACKAGES that are not installed, one per line.
qx_missing_packages() {
    local package status
    for package in "${QX_PACKAGES[@]}"; do
        status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
        if [[ "$status" != "installed" ]]; then
            echo "$package"
        fi
    done
}

qx_install_deps() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "deps: dpkg-query not found; this script expects Debian 12" >&2
        return 1
    fi
    local missing
    mapfile -t missing < <(qx_missing_packages)
    if [[ ${#missing[@]} -eq 0 ]]; then
        return 0
    fi
    local command="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
    # Another apt-get or dpkg (an unattended upgrade, a second run) may hold the package lock.
    local wait=(-o DPkg::Lock::Timeout=300)
    if [[ $(id -u) -ne 0 ]]; then
        echo "deps: missing packages: ${missing[*]}" >&2
        echo "deps: install them as root with:" >&2
        echo "  $command" >&2
        return 1
    fi
    echo "deps: installing ${missing[*]}"
    if ! { apt-get "${wait[@]}" update &&
        DEBIAN_FRONTEND=noninteractive apt-get "${wait[@]}" install -y --no-install-recommends "${missing[@]}"; } </dev/null; then
        echo "deps: installing failed: $command" >&2
        return 1
    fi
    mapfile -t missing < <(qx_missing_packages)
    if [[ ${#missing[@]} -ne 0 ]]; then
        echo "deps: still missing after install: ${missing[*]}" >&2
        return 1
    fi
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
    qx_install_deps
    exit $?
fi
qx_install_deps || exit 1
