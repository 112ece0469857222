#!/usr/bin/env bash
# The two commands a newcomer needs on a fresh Debian 12 machine:
#   ./dev.sh run    installs what is missing, builds and starts the program
#   ./dev.sh test   installs what is missing, builds and runs every test headless
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation)

# Installs only what dpkg does not already know as installed.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

# Configures once per build folder, then builds incrementally.
build() {
    local dir=$1
    shift
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUERLIN_WERROR="$werror" "$@"
    else
        cmake "$dir" -DQUERLIN_WERROR="$werror" "$@" >/dev/null
    fi
    cmake --build "$dir"
}

command=${1:-}
case "$command" in
run)
    ensure_packages "${PACKAGES[@]}"
    build build
    exec build/src/app/querlin
    ;;
test)
    ensure_packages "${PACKAGES[@]}"
    build build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    ;;
*)
    echo "usage: ./dev.sh run|test" >&2
    exit 2
    ;;
esac
