#!/usr/bin/env bash
# Builds and runs the benchmarks, which print figures (nothing here passes or
# fails on speed), under a virtual X server when there is no display.
# Usage: tools/bench.sh [RUNS]
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

if [ -z "${DISPLAY:-}" ]; then
    install_packages
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp -noreset" \
        bash "$0" "$@"
fi

install_packages
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target bench_startup bench_scaling bench_keystroke \
    --parallel "$(nproc)" >/dev/null

echo "== parsing and composing, per token"
"$BUILD/bench/bench_scaling"
echo
echo "== start-up, X server"
"$BUILD/bench/bench_startup" "${1:-21}"
echo
echo "== start-up, offscreen (no window system: larger ratios than a user sees)"
QT_QPA_PLATFORM=offscreen "$BUILD/bench/bench_startup" "${1:-21}"
echo
echo "== typing"
"$BUILD/bench/bench_keystroke"
