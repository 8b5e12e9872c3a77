#!/usr/bin/env bash
# Sets up a Debian 12 machine for Velmora, builds it, and runs it or its tests.
#   scripts/velmora.sh run             install what is missing, build, start Velmora
#   scripts/velmora.sh test            install what is missing, build, check formatting, run every test
# Both are idempotent. As root they call apt-get directly, otherwise through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libx11-dev
    freerdp2-dev freerdp2-x11
    clang-format
)
# What the session tests run: a display, a remote desktop server on it, X clients to paint and listen, and
# xrdp with a terminal session for a real logon and the clipboard.
test_packages=(
    xvfb freerdp2-shadow-x11 winpr-utils x11-xserver-utils x11-utils procps
    xrdp xorgxrdp xclip xterm
)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build
}

check_format() {
    local files
    mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
    [ ${#files[@]} -eq 0 ] || clang-format --dry-run --Werror "${files[@]}"
}

case "${1:-}" in
run)
    shift
    install_missing "${packages[@]}"
    build
    exec build/src/velmora "$@"
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    check_format
    build
    # The session tests drive real servers whose timing the machine's load can upset; a test that fails
    # twice in a row fails the run.
    ctest --test-dir build --output-on-failure --timeout 600 --repeat until-pass:2
    ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
