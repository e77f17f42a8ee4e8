#!/usr/bin/env bash
# Renders the dialog in its On state, its Off state and in French to PNG
# files in build/screenshots, under a virtual X server when there is no
# display. With --docs it also refreshes docs/dialog.png from the On state.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${DISPLAY:-}" ]; then
    install_packages
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp -noreset" \
        bash "$0" "$@"
fi

install_packages
build_and_install >/dev/null
out="$BUILD/screenshots"
mkdir -p "$out"

# shoot NAME ACTIVE LANG: opens a fresh project and captures the dialog.
shoot() {
    local project
    project=$(mktemp -d)
    printf '%s' '-proc=ret -call -block -cond -count -dumpcalling=main -trace -DDEMO=1' >"$project/demo.opt"
    printf '%s' "$2" >"$project/demo.opt_act"
    (cd "$project" && LANG=$3 LC_ALL= VIMBRADIR="$PREFIX" "$PREFIX/bin/vimbracl" -c++ demo.opt) &
    capture_dialog $! "$out/$1.png"
    rm -rf "$project"
    echo "$out/$1.png"
}

shoot on 1 C.UTF-8
shoot off 0 C.UTF-8
shoot fr 1 fr_FR.UTF-8
shoot de 1 de_DE.UTF-8

if [ "${1:-}" = --docs ]; then
    mkdir -p "$ROOT/docs"
    cp "$out/on.png" "$ROOT/docs/dialog.png"
    echo "$ROOT/docs/dialog.png"
fi
