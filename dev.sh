#!/usr/bin/env bash
# The two commands a newcomer needs on a fresh Debian 12 machine:
#   ./dev.sh run    installs what is missing, builds and starts the program
#   ./dev.sh test   installs what is missing, builds and runs every test headless
# and for maintainers:
#   ./dev.sh package      builds the Debian package into dist/
#   ./dev.sh bench        builds with optimisation and runs the benchmarks
#   ./dev.sh screenshots  captures the windows into docs/screenshots/
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation desktop-file-utils appstream file)
# dpkg-shlibdeps, which finds the libraries the package depends on.
PACKAGE_TOOLS=(dpkg-dev)

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

# Optimised builds for the package and the benchmarks. Warnings are the test
# build's business: at -O3, GCC 12 reports a false -Wrestrict inside libstdc++.
RELEASE=(-DCMAKE_BUILD_TYPE=Release -DQUERLIN_WERROR=OFF)

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
package)
    ensure_packages "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
    build build-package "${RELEASE[@]}" -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr
    rm -rf dist
    cpack --config build-package/CPackConfig.cmake -B "$PWD/dist"
    rm -rf dist/_CPack_Packages
    ls dist/*.deb
    ;;
bench)
    ensure_packages "${PACKAGES[@]}"
    build build-bench "${RELEASE[@]}" -DQUERLIN_BENCHMARKS=ON
    # Medians of five, since the machine may be busy with other work.
    build-bench/benchmarks/handler_benchmarks --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true
    build-bench/benchmarks/startup_benchmark build-bench/benchmarks/startup_probe_querlin \
        build-bench/benchmarks/startup_probe_minimal
    ;;
screenshots)
    ensure_packages "${PACKAGES[@]}"
    build build
    tools/screenshots.sh build/src/app/querlin docs/screenshots
    ;;
*)
    echo "usage: ./dev.sh run|test|package|bench|screenshots" >&2
    exit 2
    ;;
esac
