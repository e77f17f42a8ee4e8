#!/usr/bin/env bash
# Installs what is missing, builds, installs into build/prefix and runs the
# whole test suite, under a virtual X server when there is no display.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build_and_install

if [ -n "${DISPLAY:-}" ]; then
    ctest --test-dir "$BUILD" --output-on-failure "$@"
else
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" \
        ctest --test-dir "$BUILD" --output-on-failure "$@"
fi
