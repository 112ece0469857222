#!/usr/bin/env bash
# The two commands a newcomer needs on a fresh Debian 12 machine:
#   ./dev.sh run               installs what is missing, builds and starts the program
#   ./dev.sh test              installs what is missing, builds and runs every test headless
# and for maintainers:
#   ./dev.sh test --sanitize   the same tests built with AddressSanitizer, LeakSanitizer and
#                              UndefinedBehaviorSanitizer, in build-sanitize
#   ./dev.sh fuzz [seconds]    runs each libFuzzer target for that long (60 s by default),
#                              built with clang in build-fuzz
#   ./dev.sh package           builds the Debian package into dist/
#   ./dev.sh bench             builds with optimisation and runs the benchmarks, the
#                              handlers', start-up's, a 100,000-line batch's and a
#                              sweep checked with the NEC-2 engine
#   ./dev.sh screenshots       captures the windows into docs/screenshots/
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program needs: the compiler and build tools,
# Qt with its SVG module for the plots, Qt's Linguist tools (lupdate and
# lrelease, and their CMake functions) that build the translations, Qt's own
# translations of its standard dialogs and menus, the fonts the windows are
# laid out for, and help2man for querlin-calc's manual page.
PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n fonts-liberation help2man)
# The test libraries, clang-format, which holds every C++ file to the
# project's layout, the freedesktop validators and file(1) that check the
# installed tree, Python, which runs the stand-in NEC-2 engine of the
# check's tests, and scikit-rf, which reads the Touchstone files that check
# writes as a program other than QUERLIN would.
TEST_PACKAGES=(libgtest-dev libgmock-dev clang-format desktop-file-utils appstream file python3
    python3-scikit-rf)
# The tests that stand where a user stands: a virtual X display (xauth is what
# xvfb-run needs but xvfb only recommends) driven by a real pointer and keys,
# its clipboard and window-manager messages, the pictures it takes of a window
# to compare with the documents', and the accessibility bus with its Python
# client.
USER_TEST_PACKAGES=(xvfb xauth xdotool xclip python3-xlib imagemagick dbus at-spi2-core
    python3-pyatspi)
# The NEC-2 engine that the check window and querlin-calc check run, and their
# tests with it.
ENGINE_PACKAGES=(nec2c)
# dpkg-shlibdeps, which finds the libraries the package depends on.
PACKAGE_TOOLS=(dpkg-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The start-up benchmark runs on a virtual X display too.
BENCH_PACKAGES=(libbenchmark-dev xvfb xauth "${ENGINE_PACKAGES[@]}")

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

# Configures once per build folder, then builds incrementally: everything, or
# only the targets named in BUILD_TARGETS.
BUILD_TARGETS=()
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
    if ((${#BUILD_TARGETS[@]})); then
        cmake --build "$dir" --target "${BUILD_TARGETS[@]}"
    else
        cmake --build "$dir"
    fi
}

# Only the program, in the build folder the tests share: a first build leaves
# the tests out, and a folder that the tests configured builds just the
# program's target.
build_program() {
    BUILD_TARGETS=(querlin)
    if [ -f build/build.ninja ]; then
        build build
    else
        build build -DBUILD_TESTING=OFF
    fi
}

# Any sanitizer report fails the run. Leaks of the libraries the program uses,
# never of its own code, are suppressed in tests/sanitizer/lsan.supp. The tests
# also catch uses of a returned function's locals, which slows fuzzing fourfold.
sanitizer_options() {
    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
    [ "$1" = tests ] && ASAN_OPTIONS+=:detect_stack_use_after_return=1
    export ASAN_OPTIONS
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
}

# Runs one fuzz target from its seed corpus in the repository; what it finds
# new goes to build-fuzz/corpus, a crashing input to build-fuzz/crashes.
fuzz_target() {
    local target=$1 seconds=$2
    local work=build-fuzz/corpus/$target log=build-fuzz/$target.log
    local options=(-max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10
        -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-")
    case "$target" in
    read_single_fuzzer) options+=(-max_len=256) ;;
    # An output file of nec2c's with a few segments and frequencies.
    nec_output_fuzzer) options+=(-max_len=16384) ;;
    measurement_fuzzer) options+=(-max_len=4096) ;;
    *) options+=(-max_len=1024) ;;
    esac
    [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
    mkdir -p "$work" build-fuzz/crashes
    echo "Fuzzing $target for $seconds s"
    if ! "build-fuzz/tests/fuzz/$target" "${options[@]}" "$work" "tests/fuzz/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$target found a failing input; replay it with build-fuzz/tests/fuzz/$target <input>" >&2
        return 1
    fi
    awk -v target="$target" '
        /stat::number_of_executed_units/ { runs = $2 }
        /stat::average_exec_per_sec/ { rate = $2 }
        /stat::new_units_added/ { added = $2 }
        END { printf "%s: %d executions, %d per second, %d new inputs\n", target, runs, rate, added }
    ' "$log"
}

# querlin-calc --batch over 100,000 lines, in one process reading a file, five
# times: a third each of dipoles, matching coils and coils, every eighth line
# with a frequency or inductance that faults.
batch_benchmark() {
    local calc=$1 lines=build-bench/batch-100000.txt
    awk 'BEGIN {
        for (i = 0; i < 100000; i++) {
            number = i % 8 == 7 ? "x" : sprintf("%.3f", 1.8 + (i % 283) * 0.1)
            antenna = sprintf("--frequency %s --length %d --element 0.08 --position %d",
                              number, 5 + i % 97, 1 + i % 99)
            if (i % 3 == 0) print "dipole " antenna
            if (i % 3 == 1) print "match " antenna " --feedline " 50 + i % 400
            if (i % 3 == 2) printf "coil --inductance %s --diameter 1 --length 2 --wire .051\n", number
        }
    }' >"$lines"
    local times=build-bench/batch-100000.times TIMEFORMAT='%R %U %S' run
    rm -f "$times"
    for run in 1 2 3 4 5; do
        { time "$calc" --batch <"$lines" >build-bench/batch-100000.jsonl || [ $? -le 2 ]; } \
            2>>"$times"
    done
    [ "$(wc -l <build-bench/batch-100000.jsonl)" -eq 100000 ] ||
        { echo "querlin-calc did not print one line for each of the 100000" >&2; return 1; }
    # Medians of the elapsed and the processor time: the machine may be busy.
    local wall cpu
    wall=$(awk '{ print $1 }' "$times" | sort -n | sed -n 3p)
    cpu=$(awk '{ printf "%.3f\n", $2 + $3 }' "$times" | sort -n | sed -n 3p)
    awk -v wall="$wall" -v cpu="$cpu" 'BEGIN {
        printf "querlin-calc --batch, 100000 lines: median %.2f s elapsed (%d lines per second), %.2f s of processor time\n",
               wall, 100000 / wall, cpu
    }'
}

# The median elapsed time of three runs of a command, in seconds.
median_of_three() {
    local times TIMEFORMAT='%R' run
    times=$(mktemp)
    for run in 1 2 3; do
        { time "$@" >/dev/null; } 2>>"$times"
    done
    sort -n "$times" | sed -n 2p
    rm -f "$times"
}

# The engine's searches against one nec2c run of the 40-foot example's deck as
# querlin-calc nec writes it (21 frequencies), which is what the engine's work
# costs on this machine: querlin-calc dipole --sweep --check (99 designs, as
# many engines at a time as there are cores) and build --position best with a
# wound coil, each as a multiple of that run, so that the figures hold on a
# busy machine too.
engine_benchmark() {
    local calc=$1 work one sweep best ground grounded
    local design=(--frequency 7.1 --length 40 --element 0.08)
    local coil=(--coil-diameter 1 --coil-length 2.25 --coil-wire .051)
    work=$(mktemp -d)
    "$calc" nec "${design[@]}" --position 50 >"$work/deck.nec"
    "$calc" nec "${design[@]}" --position 50 --height 30 >"$work/ground.nec"
    [ "$("$calc" dipole "${design[@]}" --sweep --check | wc -l)" -eq 100 ] ||
        { echo "querlin-calc did not check all 99 positions" >&2; rm -rf "$work"; return 1; }
    one=$(cd "$work" && median_of_three nec2c -i deck.nec -o deck.out)
    ground=$(cd "$work" && median_of_three nec2c -i ground.nec -o ground.out)
    sweep=$(median_of_three "$calc" dipole "${design[@]}" --sweep --check)
    best=$(median_of_three "$calc" build "${design[@]}" --position best "${coil[@]}")
    grounded=$(median_of_three "$calc" build "${design[@]}" --position best "${coil[@]}" --height 30)
    rm -rf "$work"
    awk -v one="$one" -v sweep="$sweep" -v best="$best" -v ground="$ground" -v grounded="$grounded" 'BEGIN {
        printf "one nec2c run of the 40-foot deck: median %.3f s elapsed\n", one
        printf "querlin-calc dipole --sweep --check, 99 positions: median %.2f s, %.0f times that run\n", sweep, sweep / one
        printf "querlin-calc build --position best, wound coil: median %.2f s, %.0f times that run\n", best, best / one
        printf "one nec2c run of that deck 30 feet over average ground: median %.3f s elapsed\n", ground
        printf "querlin-calc build --position best, wound coil, 30 feet up: median %.2f s, %.1f times that run\n", grounded, grounded / ground
    }'
}

command=${1:-}
case "$command" in
run)
    ensure_packages "${PACKAGES[@]}" "${ENGINE_PACKAGES[@]}"
    build_program
    exec build/src/app/querlin
    ;;
test)
    ensure_packages "${PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${USER_TEST_PACKAGES[@]}" "${ENGINE_PACKAGES[@]}"
    if [ "${2:-}" = --sanitize ]; then
        build build-sanitize -DQUERLIN_SANITIZE=ON -DBUILD_TESTING=ON
        sanitizer_options tests
        QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j2
    else
        build build -DBUILD_TESTING=ON
        QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    fi
    ;;
fuzz)
    seconds=${2:-60}
    ensure_packages "${PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    targets=()
    for corpus in tests/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
    BUILD_TARGETS=("${targets[@]}")
    build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUERLIN_FUZZ=ON
    sanitizer_options fuzzing
    failed=0
    for target in "${targets[@]}"; do
        fuzz_target "$target" "$seconds" || failed=1
    done
    exit "$failed"
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
    ensure_packages "${PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
    build build-bench "${RELEASE[@]}" -DQUERLIN_BENCHMARKS=ON
    # Medians of five, since the machine may be busy with other work.
    build-bench/benchmarks/handler_benchmarks --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true
    probes=(build-bench/benchmarks/startup_probe_querlin build-bench/benchmarks/startup_probe_minimal)
    QT_QPA_PLATFORM=offscreen build-bench/benchmarks/startup_benchmark "${probes[@]}"
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
        build-bench/benchmarks/startup_benchmark "${probes[@]}"
    batch_benchmark build-bench/src/command_line/querlin-calc
    engine_benchmark build-bench/src/command_line/querlin-calc
    ;;
screenshots)
    ensure_packages "${PACKAGES[@]}" "${ENGINE_PACKAGES[@]}"
    build_program
    LANGUAGE=en tools/screenshots.sh build/src/app/querlin docs/screenshots
    # The manual's translated window.
    LANGUAGE=de tools/screenshots.sh build/src/app/querlin docs/screenshots
    ;;
*)
    echo "usage: ./dev.sh run|test [--sanitize]|fuzz [seconds]|package|bench|screenshots" >&2
    exit 2
    ;;
esac
