#!/usr/bin/env bash
# Builds and runs the benchmarks, which print figures (nothing here passes or
# fails on speed). Usage: tools/bench.sh [RUNS]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target bench_startup bench_scaling --parallel "$(nproc)" >/dev/null

echo "== parsing and composing, per token"
"$BUILD/bench/bench_scaling"
echo
echo "== start-up"
"$BUILD/bench/bench_startup" "${1:-31}"
